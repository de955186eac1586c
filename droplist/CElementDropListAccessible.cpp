// The drop list, the drop-down and the pop-up as assistive technology reads them.
#include "droplist/CDropWnd.h"
#include "droplist/CElementDropList.h"
#include "droplist/CElementDropdown.h"
#include "platform/accessibility/AccessibleClick.h"
#include "platform/accessibility/WindowAccessible.h"

void CElementDropList::DescribeAccessible(platform::AccessibleFacts& facts) const {
  CElementControl::DescribeAccessible(facts);
  facts.role = ROLE_SYSTEM_COMBOBOX;
  facts.name.clear();
  facts.value = GetTextString().GetString();
  facts.state &= ~STATE_SYSTEM_READONLY;
  facts.state |= STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_HASPOPUP;
  facts.state |= IsDropped() ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
  facts.defaultAction = IsDropped() ? L"Close" : L"Open";
}

HRESULT CElementDropList::DoAccessibleAction(int item) {
  if (item != 0) return DISP_E_MEMBERNOTFOUND;
  const CRect place = GetScreenRect();
  const POINT arrow = m_rcArrow.CenterPoint();
  return platform::ClickAt({place.left + arrow.x, place.top + arrow.y}) ? S_OK : E_FAIL;
}

void CElementDropdown::DescribeAccessible(platform::AccessibleFacts& facts) const {
  CElementDropList::DescribeAccessible(facts);
  if (m_pEdit) facts.value = m_pEdit->GetTextString().GetString();
}

CComPtr<IAccessible> CDropWnd::GetAccessibleObject() {
  if (!m_pList || !m_pList->m_hWnd) return {};
  return platform::ClientObjectOf(m_pList->m_hWnd);
}
