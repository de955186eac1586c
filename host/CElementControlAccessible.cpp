#include "host/CElementControl.h"

void CElementControl::DescribeAccessible(platform::AccessibleFacts& facts) const {
  CElementContainer::DescribeAccessible(facts);
  if (IsCheckBox()) {
    facts.role = ROLE_SYSTEM_CHECKBUTTON;
    if (m_bChecked) facts.state |= STATE_SYSTEM_CHECKED;
    facts.defaultAction = m_bChecked ? L"Uncheck" : L"Check";
  } else if (GetChildren().empty()) {
    facts.role = ROLE_SYSTEM_STATICTEXT;
    facts.state |= STATE_SYSTEM_READONLY;
    facts.state &= ~STATE_SYSTEM_FOCUSABLE;
  }
}
