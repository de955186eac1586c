// Drawing runs of text: where ink goes, what colours it takes, what it must never touch, and the
// glyph cache behind it.
#include <gtest/gtest.h>

#include <climits>

#include "tests/platform/text/TextTestSupport.h"

using namespace trellis::test;

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

bool Inside(const RECT& inner, const RECT& outer) {
  RECT both{};
  return UnionRect(&both, &inner, &outer) && EqualRect(&both, &outer);
}

}  // namespace

// Ink stays in the text cell, only in blends of white and the text colour; opaque mode fills the
// cell with the background colour, transparent mode leaves it.
TEST(TextOutDrawing, InkStaysInTheCellAndOpaqueFillsIt) {
  for (int mode : {TRANSPARENT, OPAQUE}) {
    SCOPED_TRACE(mode);
    Canvas canvas(120, 30);
    SelectedFont font(canvas.dc());
    SetBkMode(canvas.dc(), mode);
    SetBkColor(canvas.dc(), kRed);
    SetTextColor(canvas.dc(), kBlue);
    ASSERT_TRUE(TextOutW(canvas.dc(), 10, 8, L"Hello", 5));
    const SIZE size = Extent(canvas.dc(), L"Hello");
    const RECT cell{10, 8, 10 + size.cx, 8 + size.cy};
    const RECT ink = InkBounds(canvas);
    EXPECT_TRUE(Inside(ink, cell));
    if (mode == OPAQUE) {
      EXPECT_TRUE(EqualRect(&ink, &cell));
      EXPECT_EQ(canvas.Count(kWhite, cell), 0);
      EXPECT_GT(canvas.Count(kRed, cell), size.cx * size.cy / 2);
      continue;
    }
    EXPECT_EQ(canvas.Count(kRed), 0);
    EXPECT_LE(ink.top, 8 + 3);  // cap height reaches well above the baseline
    int dark = 0;
    for (int y = ink.top; y < ink.bottom; ++y)
      for (int x = ink.left; x < ink.right; ++x) {
        const COLORREF c = canvas.At(x, y);
        dark += GetRValue(c) < 128;
        EXPECT_EQ(GetRValue(c), GetGValue(c));
      }
    EXPECT_GT(dark, 20);
  }
}

TEST(TextOutDrawing, NeverDrawsOutsideTheClip) {
  Canvas canvas(100, 30);
  SelectedFont font(canvas.dc(), {L"Tahoma", -20});
  SetBkMode(canvas.dc(), OPAQUE);
  SetBkColor(canvas.dc(), kRed);
  IntersectClipRect(canvas.dc(), 20, 5, 50, 15);
  TextOutW(canvas.dc(), 0, 0, L"WWWWWWWWWW", 10);
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
