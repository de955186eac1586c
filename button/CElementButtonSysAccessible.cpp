#include "button/CElementButtonSys.h"

void CElementButtonSys::DescribeAccessible(platform::AccessibleFacts& facts) const {
  CElementControl::DescribeAccessible(facts);
  facts.role = ROLE_SYSTEM_PUSHBUTTON;
  // The caption is drawn with its access key underlined, its '&' unseen.
  facts.name = platform::TextWithoutPrefix(GetTextString().GetString());
  facts.state &= ~STATE_SYSTEM_READONLY;
  if (IsRegistered(WM_SETFOCUS)) facts.state |= STATE_SYSTEM_FOCUSABLE;
  facts.defaultAction = L"Press";
}
