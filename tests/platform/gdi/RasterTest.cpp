// Raster rules of lines, how the GDI refuses bad handles and sizes, where block copies of whole
// rows land, and reading pixels back as DIB rows. Fills, rectangles, pixels and block transfers
// in general are checked against a reference in RasterDifferentialTest.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/HandleTable.h"
#include "platform/mfc/CGdiObject.h"
#include "tests/support/Pixels.h"

using trellis::test::Canvas;

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
}  // namespace

// The end point is left out in every direction (so the next line draws it), a zero-length line
// draws nothing, and a line far past the surface stops early within the clip and origin.
TEST(Lines, EndPointIsExcludedAndClipAndOriginApply) {
  HPEN pen = CreatePen(PS_SOLID, 1, kRed);
  {
    Canvas c(20, 20), d(20, 20);
    SelectObject(c.dc(), pen);
    MoveToEx(c.dc(), 2, 2, nullptr);
    const struct {
      POINT to;
      int total;
      COLORREF atEnd;
    } steps[] = {{{2, 2}, 0, kWhite}, {{10, 2}, 8, kWhite}, {{10, 9}, 15, kWhite}, {{3, 2}, 22, kRed}};
    for (const auto& s : steps) {
      LineTo(c.dc(), s.to.x, s.to.y);
      EXPECT_EQ(c.Count(kRed), s.total) << s.to.x << "," << s.to.y;
      EXPECT_EQ(c.At(s.to.x, s.to.y), s.atEnd);
      EXPECT_EQ(c.At(10, 2), s.total > 8 ? kRed : kWhite);
    }

    SelectObject(d.dc(), pen);
    SetWindowOrgEx(d.dc(), 5, 5, nullptr);    // logical (5,5) is device (0,0)
    IntersectClipRect(d.dc(), 5, 5, 10, 30);  // logical; device x 0..4
    MoveToEx(d.dc(), 0, 6, nullptr);
    LineTo(d.dc(), 100000000, 6);
    EXPECT_EQ(d.Count(kRed, {0, 1, 5, 2}), 5);
    EXPECT_EQ(d.Count(kRed), 5);
    RECT box{};
    EXPECT_EQ(GetClipBox(d.dc(), &box), SIMPLEREGION);
    EXPECT_EQ((std::vector<LONG>{box.left, box.right, box.bottom}), (std::vector<LONG>{5, 10, 25}));
  }
  EXPECT_TRUE(DeleteObject(pen));  // two DCs held it, and both let go as they died
}

// A deleted brush, a made-up DC, a pen where a DC belongs: each call refuses with its documented
// answer. Stock objects survive any number of deletes. Huge, negative and monochrome bitmaps are
// refused without leaking; a zero size gives the platform's one-pixel bitmap.
TEST(Handles, BadHandlesAndSizesAreRefusedWithoutLeaking) {
  Canvas c(4, 4);
  const std::size_t live = platform::Handles().LiveCount();
  HBRUSH brush = CreateSolidBrush(kRed);
  ASSERT_TRUE(DeleteObject(brush));
  EXPECT_FALSE(DeleteObject(brush));
  RECT r{0, 0, 4, 4};
  EXPECT_EQ(FillRect(c.dc(), &r, brush), 0);
  EXPECT_EQ(FillRect(c.dc(), nullptr, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))), 0);
  EXPECT_EQ(SelectObject(c.dc(), brush), nullptr);
  EXPECT_EQ(SelectObject(reinterpret_cast<HDC>(0x12345), GetStockObject(BLACK_PEN)), nullptr);
  EXPECT_EQ(SetBkColor(nullptr, kRed), CLR_INVALID);
  EXPECT_FALSE(DeleteDC(reinterpret_cast<HDC>(GetStockObject(BLACK_PEN))));
  EXPECT_FALSE(LineTo(nullptr, 1, 1));
  EXPECT_FALSE(BitBlt(c.dc(), 0, 0, 1, 1, nullptr, 0, 0, SRCCOPY));
  EXPECT_TRUE(DeleteObject(GetStockObject(WHITE_BRUSH)));
  EXPECT_EQ(GetObjectType(GetStockObject(WHITE_BRUSH)), OBJ_BRUSH);
  EXPECT_EQ(CreateCompatibleBitmap(c.dc(), 100000, 100000), nullptr);
  EXPECT_EQ(CreateCompatibleBitmap(c.dc(), -1, 10), nullptr);
  EXPECT_EQ(CreateBitmap(1 << 20, 1 << 20, 1, 32, nullptr), nullptr);
  EXPECT_EQ(CreateBitmap(4, 4, 1, 1, nullptr), nullptr);
  EXPECT_EQ(platform::Handles().LiveCount(), live);
  HBITMAP tiny = CreateCompatibleBitmap(c.dc(), 0, 5);
  BITMAP bm{};
  ASSERT_EQ(GetObjectW(tiny, sizeof bm, &bm), int(sizeof bm));
  EXPECT_EQ((std::vector<LONG>{bm.bmWidth, bm.bmHeight}), (std::vector<LONG>{1, 1}));
  EXPECT_EQ(GetObjectW(tiny, 3, &bm), 0);  // buffer too small
  DeleteObject(tiny);
}

// Selected objects cannot be deleted, a bitmap sits in one DC at a time, and deleting a DC or
// restoring a saved state lets go of what it had selected.
TEST(Handles, SelectedObjectsAreHeldUntilTheirDcLetsGo) {
  HDC a = CreateCompatibleDC(nullptr), b = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(a, 4, 4);
  HGDIOBJ old = SelectObject(a, bitmap);
  ASSERT_NE(old, nullptr);
  EXPECT_EQ(SelectObject(b, bitmap), nullptr);
  EXPECT_FALSE(DeleteObject(bitmap));
  SelectObject(a, old);
  EXPECT_NE(SelectObject(b, bitmap), nullptr);
  DeleteDC(b);
  EXPECT_TRUE(DeleteObject(bitmap));
  HPEN pen = CreatePen(PS_SOLID, 1, kRed);
  const int level = SaveDC(a);
  HGDIOBJ stock = SelectObject(a, pen);
  SetBkColor(a, kRed);
  EXPECT_FALSE(DeleteObject(pen));
  ASSERT_TRUE(RestoreDC(a, level));
  EXPECT_EQ(GetCurrentObject(a, OBJ_PEN), stock);
  EXPECT_EQ(GetBkColor(a), kWhite);
  EXPECT_TRUE(DeleteObject(pen));
  EXPECT_FALSE(RestoreDC(a, 1));  // nothing saved any more
  DeleteDC(a);
}

// A copy spanning whole rows of two surfaces as wide as each other is taken as one block; any
// other shape row by row. Each case fills the source with a different colour per pixel and
// checks every destination pixel: the copied rectangle holds the source, the rest is untouched.
TEST(BitBlt, BlocksOfWholeRowsAndPartsOfRowsLandWhereTheyBelong) {
  const struct {
    int dstWidth, srcWidth;
    RECT to;  // destination rectangle as x, y, cx, cy
    POINT from;
    RECT clip;  // device clip of the destination; empty for none
  } cases[] = {
      {7, 7, {0, 0, 7, 5}, {0, 0}, {}},            // every row, end to end
      {7, 7, {0, 1, 7, 3}, {0, 2}, {}},            // whole rows in the middle, shifted
      {7, 7, {0, 0, 9, 9}, {0, 0}, {}},            // more than either surface holds
      {7, 7, {-2, 0, 9, 5}, {0, 0}, {}},           // whole rows reached from outside
      {7, 7, {0, 0, 6, 5}, {1, 0}, {}},            // one column short
      {9, 7, {0, 0, 7, 5}, {0, 0}, {}},            // a wider destination
      {7, 9, {0, 0, 7, 5}, {0, 0}, {}},            // a wider source
      {7, 7, {0, 0, 7, 5}, {0, 0}, {0, 1, 7, 4}},  // whole rows clipped above and below
      {7, 7, {0, 0, 7, 5}, {0, 0}, {1, 0, 7, 5}},  // clipped on the left
  };
  const auto source = [](int x, int y) { return RGB(10 + x, 20 + y, 30); };
  for (const auto& c : cases) {
    Canvas from(c.srcWidth, 5), to(c.dstWidth, 5);
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < c.srcWidth; ++x) SetPixel(from.dc(), x, y, source(x, y));
    if (c.clip.right > c.clip.left)
      IntersectClipRect(to.dc(), c.clip.left, c.clip.top, c.clip.right, c.clip.bottom);
    ASSERT_TRUE(BitBlt(to.dc(), c.to.left, c.to.top, c.to.right, c.to.bottom, from.dc(), c.from.x,
                       c.from.y, SRCCOPY));
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < c.dstWidth; ++x) {
        const int sx = x - c.to.left + c.from.x, sy = y - c.to.top + c.from.y;
        const bool inClip = c.clip.right <= c.clip.left || (x >= c.clip.left && x < c.clip.right &&
                                                            y >= c.clip.top && y < c.clip.bottom);
        const bool copied = inClip && x >= c.to.left && x < c.to.left + c.to.right &&
                            y >= c.to.top && y < c.to.top + c.to.bottom && sx >= 0 &&
                            sx < c.srcWidth && sy >= 0 && sy < 5;
        ASSERT_EQ(to.At(x, y), copied ? source(sx, sy) : kWhite)
            << "case " << (&c - cases) << " at " << x << "," << y;
      }
  }
}

// A bitmap's dimension is a record kept for whoever sets it, in 0.1 mm, not its size in pixels;
// a handle that is no bitmap is refused.
TEST(Bitmaps, DimensionIsARecordKeptBesideTheSize) {
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.CreateBitmap(7, 5, 1, 32, nullptr));
  EXPECT_EQ(bitmap.GetBitmapDimension(), CSize(0, 0));
  EXPECT_EQ(bitmap.SetBitmapDimension(185, 132), CSize(0, 0));
  EXPECT_EQ(bitmap.SetBitmapDimension(20, 10), CSize(185, 132));
  EXPECT_EQ(bitmap.GetBitmapDimension(), CSize(20, 10));
  BITMAP bm{};
  ASSERT_TRUE(bitmap.GetBitmap(&bm));
  EXPECT_EQ(CSize(bm.bmWidth, bm.bmHeight), CSize(7, 5));
  SIZE size{1, 1};
  HBRUSH brush = CreateSolidBrush(kRed);
  EXPECT_FALSE(GetBitmapDimensionEx(reinterpret_cast<HBITMAP>(brush), &size));
  EXPECT_FALSE(SetBitmapDimensionEx(reinterpret_cast<HBITMAP>(brush), 1, 1, &size));
  EXPECT_EQ(size.cx, 1);
  DeleteObject(brush);
}

TEST(GetDIBits, RowsComeBottomUpUnlessAskedTopDown) {
  Canvas c(3, 2);
  SetPixel(c.dc(), 0, 0, kRed);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 3, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<BYTE> bits(2 * 12, 0xAA);  // 24-bit rows pad to 12 bytes
  ASSERT_EQ(GetDIBits(c.dc(), c.bitmap(), 0, 2, bits.data(), &info, DIB_RGB_COLORS), 2);
  // Bottom-up: the top row (with the red pixel, blue-green-red) comes second; the first is white.
  EXPECT_EQ((std::vector<BYTE>{bits[12], bits[14], bits[0], bits[2]}), (std::vector<BYTE>{0, 255, 255, 255}));
  // Asking with no buffer and no bit count describes the bitmap.
  BITMAPINFO describe{};
  describe.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  ASSERT_EQ(GetDIBits(c.dc(), c.bitmap(), 0, 0, nullptr, &describe, DIB_RGB_COLORS), 1);
  EXPECT_EQ((std::vector<LONG>{describe.bmiHeader.biWidth, describe.bmiHeader.biBitCount}),
            (std::vector<LONG>{3, 32}));
  // A mismatched width is refused rather than read past the rows.
  info.bmiHeader.biWidth = 4;
  EXPECT_EQ(GetDIBits(c.dc(), c.bitmap(), 0, 2, bits.data(), &info, DIB_RGB_COLORS), 0);
}
