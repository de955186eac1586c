#include "platform/text/TextLayout.h"

#include <algorithm>

#include "platform/text/TextMeasure.h"
#include "platform/win32/WinUser.h"

namespace platform::text {

namespace {

constexpr wchar_t kPrefix = L'&';
constexpr std::wstring_view kEllipsis = L"...";
constexpr int kTabStopChars = 8;  // tab stops every eight average character widths

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\x3000'; }
bool IsLineBreak(wchar_t c) { return c == L'\r' || c == L'\n'; }

// Ideographic scripts break between any two characters.
bool IsIdeographic(wchar_t c) {
  const char32_t cp = CodePoint(c);
  return (cp >= 0x2E80 && cp <= 0x9FFF) || (cp >= 0xAC00 && cp <= 0xD7AF) ||
         (cp >= 0xF900 && cp <= 0xFAFF) || (cp >= 0xFF00 && cp <= 0xFFEF) ||
         (cp >= 0x20000 && cp <= 0x3FFFF);
}

// Closing punctuation stays with the character before it rather than start a line.
bool IsNoLineStart(wchar_t c) {
  constexpr std::wstring_view kClosing = L",.;:!?)]}、。，．：；？！）」』】〉》";
  return kClosing.find(c) != std::wstring_view::npos;
}

class Layouter {
 public:
  Layouter(FontInstance& font, unsigned format, std::int64_t width)
      : m_font(font),
        m_format(format),
        m_width(width),
        m_tabWidth(std::max(1, kTabStopChars * font.Metrics().aveCharWidth)) {}

  std::vector<TextLine> Run(std::wstring_view text) {
    StripPrefixes(text);
    const std::size_t n = m_text.size();
    if (m_format & DT_SINGLELINE) {
      LayoutParagraph(0, n);
    } else {
      std::size_t start = 0;
      for (std::size_t i = 0; i < n; ++i) {
        if (!IsLineBreak(m_text[i])) continue;
        LayoutParagraph(start, i);
        if (m_text[i] == L'\r' && i + 1 < n && m_text[i + 1] == L'\n') ++i;
        start = i + 1;
      }
      if (start < n) LayoutParagraph(start, n);
    }
    if (m_lines.empty()) m_lines.emplace_back();
    return std::move(m_lines);
  }

 private:
  // "&&" is a literal '&'; "&x" draws x underlined. A lone '&' at the very end stays visible.
  void StripPrefixes(std::wstring_view text) {
    if ((m_format & DT_NOPREFIX) || text.find(kPrefix) == std::wstring_view::npos) {
      m_text.assign(text);
      return;
    }
    m_text.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == kPrefix && i + 1 < text.size()) {
        ++i;
        if (text[i] != kPrefix) m_marks.push_back(m_text.size());
      }
      m_text.push_back(text[i]);
    }
  }

  void LayoutParagraph(std::size_t begin, std::size_t end) {
    if ((m_format & DT_WORDBREAK) && !(m_format & DT_SINGLELINE)) return Wrap(begin, end);
    // The whole paragraph goes on one line, perhaps with an ellipsis: room for all of it at once.
    // Wrapped lines are left to grow, as a reservation for the rest of the paragraph on every
    // line made a long text cost memory and time by the square of its length.
    m_line.text.reserve(end - begin + kEllipsis.size());
    m_line.advances.reserve(end - begin + kEllipsis.size());
    Append(begin, end);
    FinishLine(false);
  }

  bool CanBreakBefore(std::size_t i) const {
    const wchar_t c = m_text[i];
    if (IsSpace(c)) return true;
    return (IsIdeographic(c) || IsIdeographic(m_text[i - 1])) && !IsNoLineStart(c);
  }

  // Greedy wrapping: a word moves to the next line when it would pass the right edge, and the
  // spaces where a line breaks are dropped. A word wider than the whole line stays whole.
  void Wrap(std::size_t begin, std::size_t end) {
    bool lineHasWord = false;
    std::size_t i = begin;
    while (i < end) {
      std::size_t wordEnd = i;
      if (!IsSpace(m_text[i])) do
          ++wordEnd;
        while (wordEnd < end && !CanBreakBefore(wordEnd));
      std::size_t spaceEnd = wordEnd;
      while (spaceEnd < end && IsSpace(m_text[spaceEnd])) ++spaceEnd;
      const std::int64_t wordWidth = RunWidth(m_font, m_text.data() + i, wordEnd - i);
      if (lineHasWord && wordEnd > i && m_line.width + wordWidth > m_width) {
        FinishLine(true);
        lineHasWord = false;
      }
      Append(i, spaceEnd);
      lineHasWord = lineHasWord || wordEnd > i;
      i = spaceEnd;
    }
    FinishLine(false);
  }

  // Adds m_text[begin, end) to the current line.
  void Append(std::size_t begin, std::size_t end) {
    const std::size_t at = m_line.text.size();
    m_line.text.append(m_text, begin, end - begin);
    m_line.advances.resize(at + (end - begin));
    const bool tabs = m_format & DT_EXPANDTABS;
    int* advance = m_line.advances.data() + at;
    for (std::size_t i = begin; i < end; ++i, ++advance) {
      const wchar_t c = m_text[i];
      *advance = tabs && c == L'\t' ? m_tabWidth - static_cast<int>(m_line.width % m_tabWidth)
                                    : m_font.Advance(CodePoint(c));
      m_line.width += *advance;
    }
    for (; m_nextMark < m_marks.size() && m_marks[m_nextMark] < end; ++m_nextMark)
      if (m_marks[m_nextMark] >= begin) m_line.marks.push_back(at + m_marks[m_nextMark] - begin);
  }

  void FinishLine(bool trimSpaces) {
    if (trimSpaces)
      while (!m_line.text.empty() && IsSpace(m_line.text.back())) PopBack();
    if ((m_format & DT_END_ELLIPSIS) && m_line.width > m_width) AddEllipsis();
    m_lines.push_back(std::move(m_line));
    m_line = TextLine{};
  }

  // Takes characters off the end until the line and "..." fit, then adds the "...".
  void AddEllipsis() {
    const std::int64_t ellipsis = RunWidth(m_font, kEllipsis.data(), kEllipsis.size());
    while (!m_line.text.empty() && m_line.width + ellipsis > m_width) PopBack();
    for (wchar_t c : kEllipsis) {
      const int advance = m_font.Advance(CodePoint(c));
      m_line.text.push_back(c);
      m_line.advances.push_back(advance);
      m_line.width += advance;
    }
  }

  void PopBack() {
    m_line.width -= m_line.advances.back();
    m_line.advances.pop_back();
    m_line.text.pop_back();
    if (!m_line.marks.empty() && m_line.marks.back() >= m_line.text.size()) m_line.marks.pop_back();
  }

  FontInstance& m_font;
  unsigned m_format = 0;
  std::int64_t m_width = 0;
  int m_tabWidth = 1;
  std::wstring m_text;
  std::vector<std::size_t> m_marks;  // positions in m_text, ascending
  std::size_t m_nextMark = 0;
  TextLine m_line;
  std::vector<TextLine> m_lines;
};

}  // namespace

std::vector<TextLine> LayoutText(FontInstance& font, std::wstring_view text, unsigned format,
                                 std::int64_t width) {
  return Layouter(font, format, width).Run(text);
}

}  // namespace platform::text
