#include <algorithm>

#include "edit/CElementEdit.h"

void CElementEdit::DescribeAccessible(platform::AccessibleFacts& facts) const {
  CElementControl::DescribeAccessible(facts);
  facts.role = ROLE_SYSTEM_TEXT;
  facts.name.clear();
  facts.value = GetTextString().GetString();
  facts.state |= STATE_SYSTEM_FOCUSABLE;
  facts.state &= ~STATE_SYSTEM_READONLY;
  if (IsReadOnly()) facts.state |= STATE_SYSTEM_READONLY;
}

bool CElementEdit::GetAccessibleTextCaret(platform::AccessibleTextCaret& caret) const {
  caret.caret = GetCaret();
  caret.selectionStart = std::min(GetSelectedStart(), GetSelectedEnd());
  caret.selectionEnd = std::max(GetSelectedStart(), GetSelectedEnd());
  return true;
}
