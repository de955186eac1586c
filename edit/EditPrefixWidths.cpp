#include "edit/EditPrefixWidths.h"

#include <algorithm>

#include "platform/win32/WinGdi.h"

void EditPrefixWidths::Clear() {
  m_strText.clear();
  m_vecWidths.assign(1, 0);
}

std::vector<int> EditPrefixWidths::Measure(HDC dc, const wchar_t* text, std::size_t count) {
  std::vector<int> widths(count, 0);
  SIZE size{};
  if (count > 0 && !::GetTextExtentExPointW(dc, text, static_cast<int>(count), -1, nullptr,
                                            widths.data(), &size))
    std::fill(widths.begin(), widths.end(), 0);
  return widths;
}

std::vector<int> EditPrefixWidths::MeasureAll(HDC dc, std::wstring_view text) {
  std::vector<int> widths = Measure(dc, text.data(), text.size());
  widths.insert(widths.begin(), 0);
  return widths;
}

void EditPrefixWidths::Update(HDC dc, const std::wstring& text) {
  const std::size_t oldSize = m_strText.size(), newSize = text.size();
  const auto [oldMid, newMid] = std::mismatch(m_strText.begin(), m_strText.end(), text.begin(), text.end());
  const std::size_t head = std::size_t(oldMid - m_strText.begin());
  if (head == oldSize && head == newSize) return;
  // The common end may not overlap the common start in either text.
  std::size_t tail = 0;
  const std::size_t tailLimit = std::min(oldSize, newSize) - head;
  while (tail < tailLimit && m_strText[oldSize - 1 - tail] == text[newSize - 1 - tail]) ++tail;

  const std::size_t oldEnd = oldSize - tail, newEnd = newSize - tail;
  const int base = m_vecWidths[head];
  std::vector<int> middle = Measure(dc, text.data() + head, newEnd - head);
  for (int& w : middle) w += base;
  const int shift = (middle.empty() ? base : middle.back()) - m_vecWidths[oldEnd];
  // widths[k] for k in (head, oldEnd] belong to the replaced run; those after it move along.
  m_vecWidths.erase(m_vecWidths.begin() + std::ptrdiff_t(head + 1),
                    m_vecWidths.begin() + std::ptrdiff_t(oldEnd + 1));
  m_vecWidths.insert(m_vecWidths.begin() + std::ptrdiff_t(head + 1), middle.begin(), middle.end());
  for (std::size_t k = newEnd + 1; k < m_vecWidths.size(); ++k) m_vecWidths[k] += shift;
  m_strText.replace(head, oldEnd - head, text, head, newEnd - head);
}
