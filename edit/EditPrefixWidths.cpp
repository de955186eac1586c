#include "edit/EditPrefixWidths.h"

#include "platform/win32/WinGdi.h"

void EditPrefixWidths::Clear() {
  m_vecWidths.assign(1, 0);
  m_known.fill({});
}

bool EditPrefixWidths::MeasureInto(HDC dc, const wchar_t* text, std::size_t count, int* out) {
  SIZE size{};
  if (count == 0 ||
      ::GetTextExtentExPointW(dc, text, static_cast<int>(count), -1, nullptr, out, &size))
    return true;
  for (std::size_t k = 0; k < count; ++k) out[k] = 0;
  return false;
}

std::vector<int> EditPrefixWidths::MeasureAll(HDC dc, std::wstring_view text) {
  std::vector<int> widths(text.size() + 1, 0);
  MeasureInto(dc, text.data(), text.size(), widths.data() + 1);
  return widths;
}

void EditPrefixWidths::Measure(HDC dc, std::wstring_view text) {
  m_vecWidths.assign(text.size() + 1, 0);
  if (MeasureInto(dc, text.data(), text.size(), m_vecWidths.data() + 1))
    RememberAdvances(text, m_vecWidths.data() + 1);
}

void EditPrefixWidths::RememberAdvances(std::wstring_view text, const int* widths) {
  for (std::size_t k = 0; k < text.size(); ++k) {
    const int advance = widths[k] - (k > 0 ? widths[k - 1] : 0);
    m_known[std::size_t(text[k]) % kKnownCount] = {text[k], advance};
  }
}

bool EditPrefixWidths::UpdateFromKnownAdvances(std::wstring_view text,
                                               const EditTextModel::Change& change) {
  const std::size_t count = text.size() - change.tail - change.head;
  std::vector<int> run(count);
  int width = 0;
  for (std::size_t k = 0; k < count; ++k) {
    const wchar_t ch = text[change.head + k];
    const KnownAdvance& known = m_known[std::size_t(ch) % kKnownCount];
    if (known.ch != ch || known.advance < 0) return false;
    run[k] = width += known.advance;
  }
  Splice(text.size(), change, run);
  return true;
}

void EditPrefixWidths::Update(HDC dc, std::wstring_view text, const EditTextModel::Change& change) {
  std::vector<int> run(text.size() - change.tail - change.head);
  if (MeasureInto(dc, text.data() + change.head, run.size(), run.data()))
    RememberAdvances(text.substr(change.head, run.size()), run.data());
  Splice(text.size(), change, run);
}

void EditPrefixWidths::Splice(std::size_t newLength, const EditTextModel::Change& change,
                              std::span<const int> run) {
  std::vector<int>& all = m_vecWidths;
  const std::size_t head = change.head, tail = change.tail;
  const std::size_t oldEnd = all.size() - 1 - tail, newEnd = newLength - tail;
  const int base = all[head];
  const int shift = (run.empty() ? base : base + run.back()) - all[oldEnd];
  // widths[k] for k in (head, oldEnd] belong to the replaced run and give way to the new run's;
  // those after it move along by the difference in count and in width, in one pass that walks
  // away from where they move to, so that none is overwritten before it is read.
  const std::ptrdiff_t after = std::ptrdiff_t(oldEnd) + 1;
  const std::ptrdiff_t moved = std::ptrdiff_t(newEnd) - std::ptrdiff_t(oldEnd);
  const std::ptrdiff_t last = std::ptrdiff_t(all.size());
  if (moved > 0) all.resize(all.size() + std::size_t(moved));
  int* const w = all.data();
  if (moved > 0) {
    for (std::ptrdiff_t k = last - 1; k >= after; --k) w[k + moved] = w[k] + shift;
  } else {
    for (std::ptrdiff_t k = after; k < last; ++k) w[k + moved] = w[k] + shift;
    all.erase(all.end() + moved, all.end());
  }
  for (std::size_t k = 0; k < run.size(); ++k) all[head + 1 + k] = base + run[k];
}
