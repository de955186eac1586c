// What an element tells assistive technology by default, and its object.
#include "host/CElementContainer.h"
#include "host/CElementHost.h"
#include "host/ElementAccessible.h"
#include "platform/accessibility/AccessibleClick.h"
#include "platform/win32/WinUser.h"

namespace {

bool EnabledWithAncestors(const CElementContainer& element) {
  for (const CElementContainer* e = &element; e; e = e->GetParent())
    if (!e->IsEnable()) return false;
  return true;
}

}  // namespace

CRect CElementContainer::GetScreenRect() const {
  CRect r = GetContainerRect();
  if (CElementHost* host = GetHost()) {
    POINT origin{0, 0};
    ::ClientToScreen(host->Window(), &origin);
    r.OffsetRect(origin.x, origin.y);
  }
  return r;
}

void CElementContainer::DescribeAccessible(platform::AccessibleFacts& facts) const {
  facts.role = m_vecChildren.empty() ? ROLE_SYSTEM_PANE : ROLE_SYSTEM_GROUPING;
  facts.name = m_strText.GetString();
  facts.state = 0;
  if (!EnabledWithAncestors(*this)) facts.state |= STATE_SYSTEM_UNAVAILABLE;
  if (!IsActive()) facts.state |= STATE_SYSTEM_INVISIBLE;
  if (IsRegistered(WM_SETFOCUS)) facts.state |= STATE_SYSTEM_FOCUSABLE;
  const CElementHost* host = GetHost();
  if (host && host->Focus() == this && ::GetFocus() == host->Window())
    facts.state |= STATE_SYSTEM_FOCUSED;
  facts.screen = GetScreenRect();
}

int CElementContainer::GetAccessibleItemCount() const { return 0; }
std::vector<CComPtr<IAccessible>> CElementContainer::GetAccessiblePopups() const { return {}; }
void CElementContainer::DescribeAccessibleItem(int, platform::AccessibleFacts&) const {}
int CElementContainer::GetAccessibleFocusItem() const { return 0; }
int CElementContainer::GetAccessibleSelectedItem() const { return 0; }
bool CElementContainer::GetAccessibleTextCaret(platform::AccessibleTextCaret&) const {
  return false;
}

HRESULT CElementContainer::DoAccessibleAction(int item) {
  platform::AccessibleFacts facts;
  if (item == 0)
    DescribeAccessible(facts);
  else
    DescribeAccessibleItem(item, facts);
  const RECT& r = facts.screen;
  const POINT centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  return platform::ClickAt(centre) ? S_OK : E_FAIL;
}

CComPtr<IAccessible> CElementContainer::GetAccessibleObject() {
  if (!m_pAccessible) m_pAccessible.Attach(new ElementAccessible(this));
  return CComPtr<IAccessible>(m_pAccessible.p);
}
