#include "edit/EditPrefixWidths.h"

#include <algorithm>
#include <cwchar>

#include "platform/win32/WinGdi.h"

namespace {

// Texts are compared a block at a time first: the library's compare of a block costs about what
// a loop spends on a few characters, and an edit leaves thousands of them alike.
constexpr std::size_t kCompareBlock = 64;

// How many characters the two texts of at least `n` characters share at their start.
std::size_t CommonHead(const wchar_t* a, const wchar_t* b, std::size_t n) {
  std::size_t same = 0;
  while (same + kCompareBlock <= n && std::wmemcmp(a + same, b + same, kCompareBlock) == 0)
    same += kCompareBlock;
  while (same < n && a[same] == b[same]) ++same;
  return same;
}

// How many characters the texts ending just before `aEnd` and `bEnd` share at their end, at
// most `n`.
std::size_t CommonTail(const wchar_t* aEnd, const wchar_t* bEnd, std::size_t n) {
  std::size_t same = 0;
  while (same + kCompareBlock <= n &&
         std::wmemcmp(aEnd - same - kCompareBlock, bEnd - same - kCompareBlock, kCompareBlock) == 0)
    same += kCompareBlock;
  while (same < n && aEnd[-1 - std::ptrdiff_t(same)] == bEnd[-1 - std::ptrdiff_t(same)]) ++same;
  return same;
}

}  // namespace

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
  const std::size_t head = CommonHead(m_strText.data(), text.data(), std::min(oldSize, newSize));
  if (head == oldSize && head == newSize) return;
  // The common end may not overlap the common start in either text.
  const std::size_t tail = CommonTail(m_strText.data() + oldSize, text.data() + newSize,
                                      std::min(oldSize, newSize) - head);

  const std::size_t oldEnd = oldSize - tail, newEnd = newSize - tail;
  const int base = m_vecWidths[head];
  std::vector<int> middle = Measure(dc, text.data() + head, newEnd - head);
  for (int& w : middle) w += base;
  const int shift = (middle.empty() ? base : middle.back()) - m_vecWidths[oldEnd];
  // widths[k] for k in (head, oldEnd] belong to the replaced run and give way to the middle's;
  // those after it move along by the difference in count, then by the difference in width.
  std::vector<int>& all = m_vecWidths;
  const std::ptrdiff_t after = std::ptrdiff_t(oldEnd) + 1;
  const std::ptrdiff_t moved = std::ptrdiff_t(newEnd) - std::ptrdiff_t(oldEnd);
  if (moved > 0) {
    all.resize(all.size() + std::size_t(moved));
    std::copy_backward(all.begin() + after, all.end() - moved, all.end());
  } else if (moved < 0) {
    std::copy(all.begin() + after, all.end(), all.begin() + after + moved);
    all.resize(all.size() - std::size_t(-moved));
  }
  for (auto it = all.begin() + after + moved; it != all.end(); ++it) *it += shift;
  std::copy(middle.begin(), middle.end(), all.begin() + std::ptrdiff_t(head + 1));
  m_strText.replace(head, oldEnd - head, text, head, newEnd - head);
}
