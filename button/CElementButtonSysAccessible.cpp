#include "button/CElementButtonSys.h"

void CElementButtonSys::DescribeAccessible(platform::AccessibleFacts& facts) const {
  CElementControl::DescribeAccessible(facts);
  facts.role = ROLE_SYSTEM_PUSHBUTTON;
  facts.state &= ~STATE_SYSTEM_READONLY;
  if (IsRegistered(WM_SETFOCUS)) facts.state |= STATE_SYSTEM_FOCUSABLE;
  facts.defaultAction = L"Press";
}
