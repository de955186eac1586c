// Drawing runs of text: where ink goes, what colours it takes, what it must never touch, and the
// glyph cache behind it.
#include <gtest/gtest.h>

#include "platform/mfc/CDC.h"
#include "platform/text/GlyphRasterizer.h"
#include "tests/platform/text/TextTestSupport.h"

using namespace trellis::test;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

bool Inside(const RECT& inner, const RECT& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

bool SamePixels(const Canvas& a, const Canvas& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.At(x, y) != b.At(x, y)) return false;
  return true;
}

BOOL Draw(HDC dc, int x, int y, const wchar_t* text) {
  return TextOutW(dc, x, y, text, static_cast<int>(std::wcslen(text)));
}

}  // namespace

TEST(TextOutDrawing, InkStaysInTheTextCell) {
  Canvas canvas(120, 30);
  SelectedFont font(canvas.dc());
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextColor(canvas.dc(), kBlue);
  ASSERT_TRUE(Draw(canvas.dc(), 10, 8, L"Hello"));
  const SIZE size = Extent(canvas.dc(), L"Hello");
  const RECT ink = InkBounds(canvas);
  EXPECT_TRUE(Inside(ink, {10, 8, 10 + size.cx, 8 + size.cy}));
  // Cap height reaches well above the baseline, and the stems are dark.
  EXPECT_LE(ink.top, 8 + 3);
  int dark = 0;
  for (int y = ink.top; y < ink.bottom; ++y)
    for (int x = ink.left; x < ink.right; ++x) dark += GetRValue(canvas.At(x, y)) < 128;
  EXPECT_GT(dark, 20);
  // Only blends of white and blue: red and green move together.
  for (int y = ink.top; y < ink.bottom; ++y)
    for (int x = ink.left; x < ink.right; ++x) {
      const COLORREF c = canvas.At(x, y);
      EXPECT_EQ(GetRValue(c), GetGValue(c));
    }
}

TEST(TextOutDrawing, OpaqueFillsTheCellAndTransparentDoesNot) {
  Canvas opaque(80, 30), transparent(80, 30);
  SIZE size{};
  for (Canvas* canvas : {&opaque, &transparent}) {
    SelectedFont font(canvas->dc());
    SetBkColor(canvas->dc(), kRed);
    SetBkMode(canvas->dc(), canvas == &opaque ? OPAQUE : TRANSPARENT);
    Draw(canvas->dc(), 5, 5, L"Hi there");
    size = Extent(canvas->dc(), L"Hi there");
  }
  const RECT cell{5, 5, 5 + size.cx, 5 + size.cy};
  EXPECT_EQ(opaque.Count(kWhite, cell), 0);
  EXPECT_GT(opaque.Count(kRed, cell), size.cx * size.cy / 2);
  EXPECT_EQ(InkBounds(opaque).left, cell.left);
  EXPECT_EQ(InkBounds(opaque).bottom, cell.bottom);
  EXPECT_EQ(transparent.Count(kRed), 0);
  EXPECT_GT(transparent.Count(kWhite, cell), size.cx * size.cy / 2);
}

TEST(TextOutDrawing, NeverDrawsOutsideTheClip) {
  Canvas canvas(100, 30);
  SelectedFont font(canvas.dc(), {L"Tahoma", -20});
  SetBkMode(canvas.dc(), OPAQUE);
  SetBkColor(canvas.dc(), kRed);
  IntersectClipRect(canvas.dc(), 20, 5, 50, 15);
  Draw(canvas.dc(), 0, 0, L"WWWWWWWWWW");
  EXPECT_TRUE(Inside(InkBounds(canvas), {20, 5, 50, 15}));
  EXPECT_GT(InkCount(canvas, {20, 5, 50, 15}), 0);

  // ETO_CLIPPED narrows further to its rectangle, given in either corner order.
  Canvas clipped(100, 30);
  SelectedFont font2(clipped.dc(), {L"Tahoma", -20});
  const RECT box{60, 20, 30, 2};
  ExtTextOutW(clipped.dc(), 0, 0, ETO_CLIPPED, &box, L"WWWWWWWWWW", 10, nullptr);
  EXPECT_TRUE(Inside(InkBounds(clipped), {30, 2, 60, 20}));
  EXPECT_GT(InkCount(clipped, {30, 2, 60, 20}), 0);
}

TEST(TextOutDrawing, HonoursWindowAndViewportOrigins) {
  Canvas plain(80, 30), moved(80, 30);
  for (Canvas* canvas : {&plain, &moved}) {
    SelectedFont font(canvas->dc());
    if (canvas == &moved) {
      SetWindowOrgEx(canvas->dc(), 100, 50, nullptr);
      SetViewportOrgEx(canvas->dc(), 4, 2, nullptr);
      Draw(canvas->dc(), 100, 50, L"Origin");
    } else {
      Draw(canvas->dc(), 4, 2, L"Origin");
    }
  }
  EXPECT_GT(InkCount(plain, {0, 0, 80, 30}), 0);
  EXPECT_TRUE(SamePixels(plain, moved));
}

TEST(ExtTextOutDrawing, OpaqueRectangleWithoutText) {
  Canvas canvas(40, 20);
  SetBkColor(canvas.dc(), kRed);
  const RECT r{30, 15, 10, 5};  // corners swapped
  EXPECT_TRUE(ExtTextOutW(canvas.dc(), 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr));
  EXPECT_EQ(canvas.Count(kRed), 20 * 10);
  EXPECT_EQ(canvas.Count(kRed, {10, 5, 30, 15}), 20 * 10);

  // CDC::FillSolidRect goes through it; negative sizes extend left and up.
  CDC* dc = CDC::FromHandle(canvas.dc());
  dc->FillSolidRect(8, 4, -3, -2, kBlue);
  EXPECT_EQ(canvas.Count(kBlue), 6);
  EXPECT_EQ(canvas.Count(kBlue, {5, 2, 8, 4}), 6);
  CDC::DeleteTempMap();
}

TEST(ExtTextOutDrawing, AdvancesFromTheDxArray) {
  Canvas canvas(120, 20);
  SelectedFont font(canvas.dc());
  const INT dx[] = {40, 40, 40};
  ASSERT_TRUE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, L"lll", 3, dx));
  // Each 'l' stem sits 40 pixels after the previous one.
  int stems[3] = {-1, -1, -1};
  for (int x = 0; x < 120; ++x)
    if (InkCount(canvas, {x, 0, x + 1, 20}) > 0 && stems[x / 40] < 0) stems[x / 40] = x;
  EXPECT_EQ(stems[1] - stems[0], 40);
  EXPECT_EQ(stems[2] - stems[1], 40);
}

TEST(TextOutDrawing, UnderlineAndStrikeOutSpanTheRun) {
  Canvas canvas(80, 20);
  SelectedFont font(canvas.dc(), {L"Tahoma", -12, FW_NORMAL, false, true, true});
  SetTextColor(canvas.dc(), kBlue);
  SetBkMode(canvas.dc(), TRANSPARENT);
  Draw(canvas.dc(), 0, 0, L"a b");
  const int width = Extent(canvas.dc(), L"a b").cx;
  int fullRows = 0;
  for (int y = 0; y < 20; ++y) fullRows += canvas.Count(kBlue, {0, y, width, y + 1}) == width;
  EXPECT_EQ(fullRows, 2);
  EXPECT_EQ(InkCount(canvas, {width, 0, 80, 20}), 0);
}

TEST(TextOutDrawing, ChineseTextDrawsInk) {
  Canvas canvas(80, 20);
  SelectedFont font(canvas.dc(), {L"宋体", -12});
  Draw(canvas.dc(), 0, 2, L"你好世界");
  const int perGlyph = 12;
  for (int i = 0; i < 4; ++i)
    EXPECT_GT(InkCount(canvas, {i * perGlyph, 0, (i + 1) * perGlyph, 20}), 15) << i;
  EXPECT_EQ(InkCount(canvas, {4 * perGlyph, 0, 80, 20}), 0);
}

TEST(TextOutDrawing, MissingGlyphsDrawTheBoxAndAdvance) {
  Canvas canvas(60, 20);
  SelectedFont font(canvas.dc());
  Draw(canvas.dc(), 0, 0, L"\xE000\x1");
  const int width = Extent(canvas.dc(), L"\xE000").cx;
  EXPECT_GT(InkCount(canvas, {0, 0, width, 20}), 0);
  EXPECT_EQ(InkCount(canvas, {width, 0, 60, 20}), 0);
}

TEST(GlyphCache, DrawingAgainRasterisesNothing) {
  Canvas canvas(200, 20);
  {
    SelectedFont font(canvas.dc(), {L"Tahoma", -17, FW_BOLD, true});
    const auto before = platform::text::GlyphsRasterised();
    Draw(canvas.dc(), 0, 0, L"cache me");
    const auto afterFirst = platform::text::GlyphsRasterised();
    EXPECT_EQ(afterFirst - before, 6u);  // c a h e m and the space
    Draw(canvas.dc(), 0, 0, L"cache me");
    Draw(canvas.dc(), 50, 0, L"mace");
    EXPECT_EQ(platform::text::GlyphsRasterised(), afterFirst);
  }
  // A new font of the same description reuses the glyphs; measuring rasterises nothing.
  const auto before = platform::text::GlyphsRasterised();
  SelectedFont again(canvas.dc(), {L"Arial", 17, FW_BOLD, true});
  Draw(canvas.dc(), 0, 0, L"each");
  Extent(canvas.dc(), L"zyx");
  EXPECT_EQ(platform::text::GlyphsRasterised(), before);
}

TEST(TextOutDrawing, RefusesBadInput) {
  Canvas canvas(20, 20);
  EXPECT_FALSE(TextOutW(nullptr, 0, 0, L"a", 1));
  EXPECT_FALSE(TextOutW(canvas.dc(), 0, 0, nullptr, 1));
  EXPECT_FALSE(TextOutW(canvas.dc(), 0, 0, L"a", -1));
  EXPECT_TRUE(TextOutW(canvas.dc(), 0, 0, nullptr, 0));
  EXPECT_FALSE(ExtTextOutW(nullptr, 0, 0, ETO_OPAQUE, nullptr, nullptr, 0, nullptr));
  EXPECT_FALSE(ExtTextOutW(canvas.dc(), 0, 0, 0, nullptr, nullptr, 2, nullptr));
  // Far-away positions draw nothing and do not fail.
  EXPECT_TRUE(TextOutW(canvas.dc(), INT_MAX, INT_MIN, L"far", 3));
  EXPECT_TRUE(TextOutW(canvas.dc(), INT_MIN, 0, L"far", 3));
  EXPECT_EQ(canvas.Count(kWhite), 400);
  // A DC without a bitmap of its own draws into its one-pixel stock bitmap without harm.
  HDC bare = CreateCompatibleDC(nullptr);
  EXPECT_TRUE(TextOutW(bare, 0, 0, L"x", 1));
  DeleteDC(bare);
}
