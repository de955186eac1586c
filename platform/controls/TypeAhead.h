// Finding a row by typing the start of its text. Characters typed within kPause of each other
// make one prefix, searched from the caret on; a new prefix, or the same letter typed again and
// again, steps to the next row starting with that letter. Matching ignores case; the search
// wraps past the last row.
#pragma once

#include <string>

#include "platform/controls/ListBoxModel.h"

namespace platform {

class TypeAhead {
 public:
  static constexpr ULONGLONG kPause = 1000;  // milliseconds

  // The row to move to after typing `ch` at time `now` (GetTickCount64), or -1 when no row
  // matches.
  int Type(const ListBoxModel& model, wchar_t ch, ULONGLONG now);
  void Forget() { m_prefix.clear(); }

 private:
  std::wstring m_prefix;
  ULONGLONG m_last = 0;
};

// The first row from `start` on (wrapping) whose text begins with `prefix`, or with `whole`
// is `prefix`, ignoring case; -1.
int FindRowWithPrefix(const ListBoxModel& model, int start, const std::wstring& prefix,
                      bool whole = false);

}  // namespace platform
