// DrawText with random texts (lone surrogates, values past the last code point, very long runs
// included), flags and rectangles. Measuring gives whole lines, one per paragraph unless words
// wrap, one in all with DT_SINGLELINE, and the width GetTextExtentPoint32W gives where no layout
// rule applies; partial widths agree with prefixes; drawing answers what measuring did and
// leaves no ink outside its rectangle unless told not to clip.
#include <algorithm>
#include <array>
#include <cwchar>
#include <vector>

#include "tests/fuzz/FuzzInput.h"
#include "tests/platform/text/TextTestSupport.h"

namespace {

constexpr UINT kFlags[] = {DT_CENTER,    DT_RIGHT,     DT_VCENTER, DT_BOTTOM,  DT_WORDBREAK,
                           DT_SINGLELINE, DT_EXPANDTABS, DT_NOCLIP,  DT_NOPREFIX, DT_END_ELLIPSIS};
constexpr int kMargin = 20;
constexpr std::size_t kMaxDrawn = 4000;  // longer texts are measured only, which is the slow part

// Lines of text broken at "\r\n", "\r" or "\n"; a break at the very end starts no line.
int Paragraphs(std::wstring_view text) {
  int lines = 1;  // "\r\n" counts at its "\n"
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] == L'\n' || (text[i] == L'\r' && text.substr(i + 1, 1) != L"\n")) lines += i + 1 < text.size();
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace trellis::test;
  FuzzInput in(data, size);
  UINT format = 0;
  for (std::uint64_t bits = in.Bits(2), i = 0; i < std::size(kFlags); ++i)
    if (bits >> i & 1) format |= kFlags[i];
  const int width = int(in.Pick(-20, 160)), height = int(in.Pick(-5, 40));
  const bool terminated = in.Flag();
  const int repeat = in.Byte() >= 0xF0 ? int(in.Pick(2, 60)) : 1;
  std::wstring text, piece = in.Text(200);
  for (int i = 0; i < repeat; ++i) text += piece;
  const std::wstring_view used = terminated ? std::wstring_view(text.c_str()) : text;
  const int count = terminated ? -1 : int(text.size());

  static const HFONT font = CreateFontIndirectW(std::array{LogFont({})}.data());
  Canvas canvas(160 + 2 * kMargin, 40 + 2 * kMargin);
  SelectObject(canvas.dc(), font);
  const auto extent = [&](std::wstring_view s) {
    SIZE size{};
    return GetTextExtentPoint32W(canvas.dc(), s.data(), int(s.size()), &size) ? size.cx : -1;
  };
  const int line = Metrics(canvas.dc()).tmHeight;
  const bool single = format & DT_SINGLELINE, placed = single && (format & (DT_VCENTER | DT_BOTTOM));

  RECT measured{0, 0, width, height};
  const int answer = DrawTextW(canvas.dc(), text.c_str(), count, &measured, format | DT_CALCRECT);
  if (count == 0)  // nothing to lay out: one line's height, the rectangle left alone
    return FUZZ_CHECK(answer == line && measured.right == width && measured.bottom == height), 0;
  const int lines = (measured.bottom - measured.top) / line;
  FUZZ_CHECK(answer != 0 && measured.left == 0 && measured.top == 0 && measured.right >= 0 &&
             measured.bottom == lines * line && lines >= int(!used.empty()));
  FUZZ_CHECK(placed || answer == measured.bottom || (used.empty() && answer == line));
  const bool plainLines = (format & DT_NOPREFIX) || used.find(L'&') == std::wstring_view::npos;
  if (!used.empty() && plainLines) {
    const int paragraphs = single ? 1 : Paragraphs(used);
    FUZZ_CHECK((format & DT_WORDBREAK) && !single ? lines >= paragraphs : lines == paragraphs);
    const bool tabs = (format & DT_EXPANDTABS) && used.find(L'\t') != std::wstring_view::npos;
    if (paragraphs == 1 && !tabs && !(format & DT_WORDBREAK)) FUZZ_CHECK(measured.right == extent(used));
  }
  if (text.size() > kMaxDrawn) return 0;
  // Every prefix measures what the partial widths say, and they never shrink, so a caret placed
  // by prefix width lands where the text is drawn.
  std::vector<int> partial(text.size() + 1);
  SIZE whole{};
  FUZZ_CHECK(GetTextExtentExPointW(canvas.dc(), text.data(), int(text.size()), -1, nullptr, partial.data(), &whole));
  for (std::size_t i = 1; i < text.size(); i += 1 + text.size() / 16)  // a sample: each is a walk
    FUZZ_CHECK(extent({text.data(), i}) == partial[i - 1]);
  FUZZ_CHECK(text.empty() || (whole.cx == partial[text.size() - 1] && std::is_sorted(partial.begin(), partial.end() - 1)));

  RECT box{kMargin, kMargin, kMargin + width, kMargin + height};
  const int drawn = DrawTextW(canvas.dc(), text.c_str(), count, &box, format);
  FUZZ_CHECK(drawn != 0 && (placed || drawn == answer));  // 0 is the answer of failure
  if (format & DT_NOCLIP) return 0;
  const RECT inside{kMargin, kMargin, kMargin + std::max(width, 0), kMargin + std::max(height, 0)};
  FUZZ_CHECK(InkCount(canvas, {0, 0, canvas.width(), canvas.height()}) == InkCount(canvas, inside));
  return 0;
}
