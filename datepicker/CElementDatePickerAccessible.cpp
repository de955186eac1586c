#include "datepicker/CElementDatePicker.h"
#include "datepicker/DateValue.h"
#include "platform/accessibility/WindowAccessible.h"

void CElementDatePicker::DescribeAccessible(platform::AccessibleFacts& facts) const {
  CElementControl::DescribeAccessible(facts);
  facts.role = ROLE_SYSTEM_DROPLIST;
  facts.name.clear();
  facts.value = FormatDate(m_nDate);
  facts.state &= ~STATE_SYSTEM_READONLY;
  facts.state |= STATE_SYSTEM_HASPOPUP;
  facts.state |= IsCalendarShown() ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
  if (!IsCalendarShown()) facts.defaultAction = L"Open";
}

HRESULT CElementDatePicker::DoAccessibleAction(int item) {
  if (item != 0 || !m_pDropButton) return DISP_E_MEMBERNOTFOUND;
  return m_pDropButton->DoAccessibleAction(0);
}

std::vector<CComPtr<IAccessible>> CElementDatePicker::GetAccessiblePopups() const {
  if (!IsCalendarShown()) return {};
  return {platform::ClientObjectOf(m_pMonthCal->m_hWnd)};
}
