// Measuring. The pinned widths are the cross-machine contract: the gallery and the golden images
// are laid out with them, so a change here changes every picture.
#include <gtest/gtest.h>

#include <vector>

#include "tests/platform/text/TextTestSupport.h"

using namespace trellis::test;

namespace {

std::vector<int> PrefixWidths(HDC dc, const wchar_t* text) {
  const int n = static_cast<int>(std::wcslen(text));
  std::vector<int> widths(n, -1);
  SIZE size{};
  EXPECT_TRUE(GetTextExtentExPointW(dc, text, n, -1, nullptr, widths.data(), &size));
  EXPECT_EQ(size.cx, n ? widths.back() : 0);
  return widths;
}

struct Pinned {
  FontRequest font;
  const wchar_t* text;
  std::vector<int> widths;
};

}  // namespace

TEST(TextExtent, PinnedPrefixWidths) {
  const Pinned cases[] = {
      {{L"Tahoma", -12, FW_NORMAL},
       L"Trellis draws text",
       {7, 12, 19, 22, 25, 28, 34, 38, 46, 51, 58, 68, 74, 78, 83, 90, 97, 102}},
      {{L"Tahoma", -12, FW_BOLD},
       L"Trellis draws text",
       {8, 14, 22, 26, 30, 34, 41, 45, 54, 60, 68, 79, 86, 90, 96, 104, 112, 118}},
      {{L"Tahoma", -16, FW_NORMAL},
       L"Trellis draws text",
       {10, 17, 27, 31, 35, 39, 47, 52, 62, 69, 79, 92, 100, 105, 111, 121, 130, 136}},
      {{L"宋体", -12, FW_NORMAL}, L"文件编辑视图", {12, 24, 36, 48, 60, 72}},
      // WenQuanYi has no bold: the synthetic one is a pixel wider per character.
      {{L"宋体", -12, FW_BOLD}, L"文件编辑视图", {13, 26, 39, 52, 65, 78}},
      {{L"Tahoma", -12, FW_NORMAL}, L"OK 确定", {9, 17, 21, 33, 45}},
      {{L"Courier New", -12, FW_NORMAL}, L"Trellis", {7, 14, 21, 28, 35, 42, 49}},
  };
  Canvas canvas(10, 10);
  for (const Pinned& c : cases) {
    SelectedFont font(canvas.dc(), c.font);
    EXPECT_EQ(PrefixWidths(canvas.dc(), c.text), c.widths) << c.font.face << " " << c.text;
  }
}

// Control characters take no room; characters no face has take the missing-glyph box's, and
// so do values beyond Unicode. How many characters fit a width ("Trelli" is 28 wide), and the
// refusals of bad input. An empty text measures no width and one line's height.
TEST(TextExtent, GlyphlessCharactersFittingAndBadInput) {
  Canvas canvas(10, 10);
  SelectedFont font(canvas.dc(), {L"Tahoma", -12});
  EXPECT_EQ(Extent(canvas.dc(), L"a\x1\x7F\tb").cx, Extent(canvas.dc(), L"ab").cx);
  EXPECT_GT(Extent(canvas.dc(), L"\xE000").cx, 0);
  const wchar_t beyond[] = {static_cast<wchar_t>(0x110000), static_cast<wchar_t>(-5), 0};
  EXPECT_EQ(Extent(canvas.dc(), beyond).cx, 2 * Extent(canvas.dc(), L"\xE000").cx);
  const wchar_t* text = L"Trellis draws text";
  int widths[18] = {};
  SIZE size{};
  for (const auto& [max, fits] : {std::pair{28, 6}, std::pair{27, 5}, std::pair{0, 0}}) {
    int fit = -1;
    ASSERT_TRUE(GetTextExtentExPointW(canvas.dc(), text, 18, max, &fit, widths, &size));
    EXPECT_EQ(fit, fits);
    EXPECT_EQ((std::vector<LONG>{size.cx, size.cy}), (std::vector<LONG>{102, 14}));
  }
  EXPECT_TRUE(GetTextExtentPoint32W(canvas.dc(), nullptr, 0, &size));
  EXPECT_EQ((std::vector<LONG>{size.cx, size.cy}), (std::vector<LONG>{0, 14}));
  EXPECT_FALSE(GetTextExtentPoint32W(canvas.dc(), nullptr, 3, &size));
  EXPECT_FALSE(GetTextExtentPoint32W(canvas.dc(), L"abc", -1, &size));
  EXPECT_FALSE(GetTextExtentPoint32W(canvas.dc(), L"abc", 3, nullptr));
  EXPECT_FALSE(GetTextExtentPointW(nullptr, L"abc", 3, &size));
  HDC stale = CreateCompatibleDC(nullptr);
  DeleteDC(stale);
  EXPECT_FALSE(GetTextExtentExPointW(stale, L"abc", 3, 10, nullptr, nullptr, &size));
}
