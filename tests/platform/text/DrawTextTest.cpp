// DrawText: the layout (prefixes, breaks, wrapping, tabs, ellipses), what it returns and
// measures, and whether it puts ink.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <tuple>

#include "platform/text/FontRegistry.h"
#include "platform/text/TextLayout.h"
#include "tests/platform/text/TextTestSupport.h"

using namespace trellis::test;
using platform::text::LayoutText;
using platform::text::TextLine;

namespace {

constexpr int kLine = 14;  // Tahoma -12: the cell height pinned in the font tests

platform::text::FontInstance& Tahoma12() {
  static const auto instance = platform::text::SharedInstance(LogFont({L"Tahoma", -12}));
  return *instance;
}

int Width(const wchar_t* text) {
  int width = 0;
  for (const wchar_t* p = text; *p; ++p) width += Tahoma12().Advance(static_cast<char32_t>(*p));
  return width;
}

// The canvas's pixels, top row first.
std::vector<BYTE> Rows(const Canvas& canvas) {
  BITMAPINFO info{};
  info.bmiHeader = {
      sizeof(BITMAPINFOHEADER), canvas.width(), -canvas.height(), 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<BYTE> bits(std::size_t(canvas.width()) * canvas.height() * 4);
  GetDIBits(canvas.dc(), canvas.bitmap(), 0, UINT(canvas.height()), bits.data(), &info,
            DIB_RGB_COLORS);
  return bits;
}

}  // namespace

// Prefixes, line breaks, word breaks (Chinese between characters, never before closing
// punctuation; a word wider than the line stays whole), tabs and end ellipses.
TEST(TextLayout, LinesForFormatAndWidth) {
  const int pair = Width(L"aa bb"), trellis = Width(L"Trellis...");
  const int tab = 8 * Tahoma12().Metrics().aveCharWidth + Width(L"c");
  const struct {
    const wchar_t* text;
    UINT format;
    int width;
    std::vector<std::wstring> lines;
    int firstWidth = -1;
  } cases[] = {
      {L"&File && &Edit&", DT_SINGLELINE, 1000, {L"File & Edit&"}},
      {L"&File", DT_SINGLELINE | DT_NOPREFIX, 1000, {L"&File"}},
      {L"one\ntwo\r\nthree\rfour\n", 0, 1000, {L"one", L"two", L"three", L"four"}},
      {L"a\n\nb", 0, 1000, {L"a", L"", L"b"}},
      {L"one\ntwo", DT_SINGLELINE, 1000, {L"one\ntwo"}},
      {L"aa bb cc dd", DT_WORDBREAK, pair, {L"aa bb", L"cc dd"}, pair},
      {L"aa bb  cc", DT_WORDBREAK, pair - 1, {L"aa", L"bb", L"cc"}},
      {L"incomprehensibilities ok", DT_WORDBREAK, 10, {L"incomprehensibilities", L"ok"}},
      {L"文件编辑，视图", DT_WORDBREAK, 36, {L"文件编", L"辑，视", L"图"}},
      {L"ab\tc", DT_SINGLELINE | DT_EXPANDTABS, 1000, {L"ab\tc"}, tab},
      {L"ab\tc", DT_SINGLELINE, 1000, {L"ab\tc"}, Width(L"abc")},
      {L"Trellis draws text", DT_SINGLELINE | DT_END_ELLIPSIS, trellis, {L"Trellis..."}, trellis},
      {L"Trellis draws text", DT_SINGLELINE | DT_END_ELLIPSIS, trellis - 1, {L"Trelli..."}},
      {L"Fits", DT_SINGLELINE | DT_END_ELLIPSIS, 1000, {L"Fits"}},
      // A prefix mark cut off with its character goes too.
      {L"Save &as copy", DT_SINGLELINE | DT_END_ELLIPSIS, Width(L"Sa..."), {L"Sa..."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << std::string(c.text, c.text + std::wcslen(c.text)));
    const auto lines = LayoutText(Tahoma12(), c.text, c.format, c.width);
    std::vector<std::wstring> texts;
    for (const TextLine& line : lines) texts.push_back(line.text);
    EXPECT_EQ(texts, c.lines);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].width, c.firstWidth < 0 ? lines[0].width : c.firstWidth);
    EXPECT_TRUE(!(c.format & DT_END_ELLIPSIS) || lines[0].marks.empty());
  }
  EXPECT_EQ(LayoutText(Tahoma12(), L"&File && &Edit&", DT_SINGLELINE, 1000)[0].marks,
            (std::vector<std::size_t>{0, 7}));
}

// A prefix's underline is the only ink DT_HIDEPREFIX leaves out and DT_PREFIXONLY puts in.
TEST(DrawTextCall, HidePrefixAndPrefixOnlySplitTheTextFromItsUnderlines) {
  Canvas plain(120, 30), marked(120, 30), hidden(120, 30), alone(120, 30);
  const std::tuple<Canvas*, const wchar_t*, UINT> drawings[] = {
      {&plain, L"File", 0}, {&marked, L"&File", 0}, {&hidden, L"&File", DT_HIDEPREFIX},
      {&alone, L"&File", DT_PREFIXONLY}};
  for (const auto& [canvas, text, format] : drawings) {
    SelectedFont font(canvas->dc());
    RECT r{5, 5, 115, 25};
    DrawTextW(canvas->dc(), text, -1, &r, DT_SINGLELINE | format);
  }
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 120; ++x) {
      EXPECT_EQ(hidden.At(x, y), plain.At(x, y)) << x << "," << y;
      // Where the underline is, the marked text has it too.
      const bool underline = alone.At(x, y) != RGB(255, 255, 255);
      EXPECT_TRUE(!underline || marked.At(x, y) == alone.At(x, y)) << x << "," << y;
    }
  }
  EXPECT_GT(InkCount(alone, {0, 0, 120, 30}), 0);
}

// What DrawText answers and what it does to the rectangle, edge cases included: an empty text
// succeeds with one line's height; a single line placed with DT_VCENTER or DT_BOTTOM answers
// where it ends below the rectangle's top, measured or drawn, and 1 rather than 0.
TEST(DrawTextCall, AnswersAndRectanglesFollowThePlatform) {
  constexpr RECT kBox{10, 20, 200, 100};
  constexpr RECT kPoint{10, 20, 10, 20};
  constexpr UINT kCalcLine = DT_CALCRECT | DT_SINGLELINE;
  const int single = Width(L"Trellis draws text");
  const struct {
    const wchar_t* text;
    int count;
    UINT format;
    RECT in;
    int answer;
    RECT out;
  } cases[] = {
      {L"Mid", -1, DT_SINGLELINE | DT_VCENTER, kBox, 33 + kLine, kBox},
      {L"Low", -1, DT_SINGLELINE | DT_BOTTOM, kBox, 80, kBox},
      {L"Top", -1, DT_VCENTER, kBox, kLine, kBox},  // DT_VCENTER places single lines only
      {L"Trellis draws text", -1, kCalcLine | DT_VCENTER, kBox, 33 + kLine,
       {10, 20, 10 + single, 34}},
      {L"Trellis draws text", -1, kCalcLine | DT_BOTTOM, kBox, 80, {10, 20, 10 + single, 34}},
      {L"Trellis draws text", -1, kCalcLine | DT_BOTTOM, {10, 20, 200, 20 + kLine}, kLine,
       {10, 20, 10 + single, 34}},
      {L"Trellis draws text", -1, kCalcLine | DT_BOTTOM, kPoint, 1, {10, 20, 10 + single, 34}},
      {L"Trellis draws text", -1, kCalcLine | DT_VCENTER, {0, kLine, 0, 0}, 1,
       {0, kLine, single, 2 * kLine}},
      {L"Trellis draws text", -1, kCalcLine | DT_END_ELLIPSIS, kPoint, kLine, {10, 20, 10 + single, 34}},
      {L"aa bb c", -1, DT_CALCRECT | DT_WORDBREAK, {0, 0, Width(L"aa bb") + 3, 0}, 2 * kLine,
       {0, 0, Width(L"aa bb"), 2 * kLine}},
      {L"&&&File", -1, kCalcLine, kPoint, kLine, {10, 20, 10 + Width(L"&File"), 34}},
      {L"abcdef", 3, kCalcLine, kPoint, kLine, {10, 20, 10 + Width(L"abc"), 34}},
      // Nothing to lay out.
      {L"", -1, DT_SINGLELINE | DT_VCENTER, kBox, kLine, kBox},
      {L"", -1, DT_CALCRECT, kBox, kLine, kPoint},
      {L"", -1, kCalcLine, kBox, kLine, {10, 20, 10, 20 + kLine}},
      // Refused.
      {nullptr, -1, 0, kBox, 0, kBox},
      {L"abc", -2, kCalcLine, kBox, 0, kBox},
  };
  for (const auto& c : cases) {
    Canvas canvas(220, 120);
    SelectedFont font(canvas.dc());
    SetBkColor(canvas.dc(), RGB(255, 0, 0));  // opaque: any drawing shows
    RECT r = c.in;
    const std::wstring label = std::wstring(c.text ? c.text : L"(null)") + L" count " +
                               std::to_wstring(c.count) + L" format " + std::to_wstring(c.format);
    EXPECT_EQ(DrawTextW(canvas.dc(), c.text, c.count, &r, c.format), c.answer) << label;
    EXPECT_TRUE(EqualRect(&r, &c.out)) << label << ": " << r.left << "," << r.top << ","
                                       << r.right << "," << r.bottom;
    const bool draws = !(c.format & DT_CALCRECT) && c.answer && c.count != 0 && c.text[0];
    EXPECT_EQ(InkCount(canvas, {0, 0, 220, 120}) > 0, draws) << label;
  }
  RECT r = kBox;
  EXPECT_EQ(DrawTextW(nullptr, L"a", -1, &r, DT_CALCRECT), 0);
  // Huge rectangles do no harm.
  Canvas canvas(20, 20);
  SelectedFont font(canvas.dc());
  RECT huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  EXPECT_GT(DrawTextW(canvas.dc(), L"big", -1, &huge, DT_SINGLELINE | DT_VCENTER | DT_CENTER), 0);
  RECT far{INT_MAX - 5, INT_MAX - 5, INT_MAX, INT_MAX};
  EXPECT_EQ(DrawTextW(canvas.dc(), L"far\nfar", -1, &far, DT_CALCRECT), 2 * kLine);
}

// A single line with nothing to take out, expand or cut is drawn without the layout; a text of
// one paragraph drawn as many lines goes through it. Over seeded texts, alignments, clips and
// background modes the two give the same pixels and the same answer.
TEST(DrawTextCall, OneLineDrawsAsTheLayoutWould) {
  std::mt19937 rng(20261207);
  const auto pick = [&](int n) { return int(rng() % unsigned(n)); };
  constexpr UINT kAligns[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
  for (int round = 0; round < 150; ++round) {
    const UINT format = kAligns[pick(3)] | (pick(2) ? DT_NOPREFIX : 0) | (pick(3) ? 0 : DT_NOCLIP) |
                        (pick(3) ? 0 : DT_END_ELLIPSIS) | (pick(3) ? 0 : DT_EXPANDTABS);
    // A prefix only where it stands as it is; tabs as they are or expanded.
    const std::wstring alphabet =
        std::wstring(L"aWiq 09.,-文字编辑\x3000\t") + ((format & DT_NOPREFIX) ? L"&" : L"");
    std::wstring text;
    const int length = pick(4) == 0 ? 250 + pick(20) : pick(30);  // some past any short buffer
    for (int i = 0; i < length; ++i)
      text.push_back(alphabet[std::size_t(pick(int(alphabet.size())))]);
    const RECT box{pick(40) - 20, pick(20) - 5, 60 + pick(200), 20 + pick(20)};
    const bool opaque = pick(2);
    SCOPED_TRACE(testing::Message() << "round " << round << " format " << format);
    Canvas single(220, 40), layout(220, 40);
    int answers[2] = {};
    Canvas* canvases[2] = {&single, &layout};
    for (int k = 0; k < 2; ++k) {
      SelectedFont font(canvases[k]->dc());
      SetBkMode(canvases[k]->dc(), opaque ? OPAQUE : TRANSPARENT);
      SetBkColor(canvases[k]->dc(), RGB(200, 220, 0));
      // With room for the whole text, an ellipsis never comes in either way.
      RECT r = box;
      if (format & DT_END_ELLIPSIS) r.right = r.left + 10000;
      answers[k] =
          DrawTextW(canvases[k]->dc(), text.c_str(), -1, &r, format | (k ? 0 : DT_SINGLELINE));
    }
    EXPECT_EQ(answers[0], answers[1]);
    ASSERT_EQ(Rows(single), Rows(layout));
  }
}
