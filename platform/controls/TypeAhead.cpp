#include "platform/controls/TypeAhead.h"

#include <algorithm>
#include <cwctype>

namespace platform {

namespace {

bool SameLetter(wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); }

bool StartsWith(std::wstring_view text, const std::wstring& prefix) {
  return text.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), text.begin(), SameLetter);
}

}  // namespace

int FindRowWithPrefix(const ListBoxModel& model, int start, const std::wstring& prefix,
                      bool whole) {
  const int count = model.Count();
  if (count == 0) return -1;
  start = ((start % count) + count) % count;
  for (int i = 0; i < count; ++i) {
    const int row = (start + i) % count;
    const std::wstring_view text = model.TextAt(row);
    if (StartsWith(text, prefix) && (!whole || text.size() == prefix.size())) return row;
  }
  return -1;
}

int TypeAhead::Type(const ListBoxModel& model, wchar_t ch, ULONGLONG now) {
  if (m_prefix.empty() || now - m_last > kPause) m_prefix.clear();
  m_last = now;
  m_prefix.push_back(ch);
  const bool oneLetter = std::all_of(m_prefix.begin(), m_prefix.end(),
                                     [&](wchar_t c) { return SameLetter(c, m_prefix[0]); });
  const int caret = model.Caret();
  // A longer prefix may still match the caret's own row; one letter moves on from it.
  if (oneLetter) return FindRowWithPrefix(model, caret + 1, m_prefix.substr(0, 1));
  return FindRowWithPrefix(model, std::max(caret, 0), m_prefix);
}

}  // namespace platform
