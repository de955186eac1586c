#include <gtest/gtest.h>

#include <set>

#include "foundation/CTrellisApp.h"
#include "platform/mfc/CGdiObject.h"
#include "resources/TrellisResources.h"
#include "tests/support/Golden.h"
#include "tests/support/Pixels.h"

namespace {

using trellis::test::BitmapPixel;

constexpr COLORREF kWhite = RGB(255, 255, 255);

struct LibraryBitmap {
  UINT id;
  int width;
  int height;
};

// Each picture at its size; what they look like is the golden image's to say.
const LibraryBitmap kBitmaps[] = {
    {IDB_TREE_CHECK_NO, 13, 13},       {IDB_TREE_CHECK_YES, 13, 13},
    {IDB_TREE_CHECK_HALF, 13, 13},     {IDB_TREE_CLOSE_LINE, 9, 9},
    {IDB_TREE_OPEN_LINE, 9, 9},        {IDB_TREE_CLOSE_FLAT, 11, 11},
    {IDB_TREE_OPEN_FLAT, 11, 11},      {IDB_DROPLIST_ARROW, 13, 16},
    {IDB_DROPLIST_ARROW_PUSHED, 13, 16}, {IDB_DROPLIST_ARROW_DISABLED, 13, 16},
    {IDB_SCROLL_UP, 14, 14},           {IDB_SCROLL_DOWN, 14, 14},
    {IDB_SCROLL_THUMB, 14, 10},        {IDB_SCROLL_TRACK, 14, 1},
};

// The arrows are greys, so one channel tells how light a pixel is.
bool IsGrey(COLORREF c) { return GetRValue(c) == GetGValue(c) && GetGValue(c) == GetBValue(c); }
bool IsLight(COLORREF c) { return IsGrey(c) && GetRValue(c) >= 0x80; }
bool IsDark(COLORREF c) { return IsGrey(c) && GetRValue(c) < 0x50; }

// The drop list's arrow: rows 6, 7 and 8 hold 5, 3 and 1 pixels centred on column 6.
bool InDropArrowTriangle(int x, int y) {
  const int half = 8 - y;
  return y >= 6 && y <= 8 && x >= 6 - half && x <= 6 + half;
}

class LibraryBitmaps : public ::testing::Test {
 protected:
  // Loads as the library does: inside its own module state.
  static HBITMAP Load(UINT id) {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    CBitmap bitmap;
    return bitmap.LoadBitmap(id) ? static_cast<HBITMAP>(bitmap.Detach()) : nullptr;
  }
};

}  // namespace

TEST_F(LibraryBitmaps, EachLoadsAtItsSize) {
  for (const LibraryBitmap& expected : kBitmaps) {
    HBITMAP bitmap = Load(expected.id);
    ASSERT_NE(bitmap, nullptr) << expected.id;
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    EXPECT_EQ(CSize(bm.bmWidth, bm.bmHeight), CSize(expected.width, expected.height)) << expected.id;
    DeleteObject(bitmap);
  }
}

TEST_F(LibraryBitmaps, DropListArrowsShowALightTriangleOnADarkField) {
  HBITMAP normal = Load(IDB_DROPLIST_ARROW);
  HBITMAP pushed = Load(IDB_DROPLIST_ARROW_PUSHED);
  HBITMAP disabled = Load(IDB_DROPLIST_ARROW_DISABLED);
  std::set<COLORREF> disabledField;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 13; ++x) {
      const COLORREF c = BitmapPixel(normal, x, y);
      const COLORREF d = BitmapPixel(disabled, x, y);
      EXPECT_EQ(BitmapPixel(pushed, x, y), c);
      // The drop list draws these with white as its transparent colour.
      EXPECT_NE(c, kWhite);
      EXPECT_NE(d, kWhite);
      if (InDropArrowTriangle(x, y)) {
        EXPECT_TRUE(IsLight(c) && IsLight(d)) << x << "," << y;
      } else {
        EXPECT_TRUE(IsDark(c) && IsDark(d)) << x << "," << y;
        disabledField.insert(d);
      }
    }
  }
  EXPECT_GE(disabledField.size(), 2u);  // mottled, not flat
  DeleteObject(normal);
  DeleteObject(pushed);
  DeleteObject(disabled);
}

// Every picture side by side, four times enlarged, so a change to any of them shows up for
// review as a changed golden image.
TEST_F(LibraryBitmaps, MatchTheirGoldenImage) {
  constexpr int kZoom = 4;
  constexpr int kGap = 2;
  int width = kGap;
  for (const LibraryBitmap& b : kBitmaps) width += b.width * kZoom + kGap;
  trellis::test::Canvas canvas(width, 16 * kZoom + 2 * kGap, RGB(255, 0, 255));
  HDC source = CreateCompatibleDC(canvas.dc());
  int x = kGap;
  for (const LibraryBitmap& b : kBitmaps) {
    HBITMAP bitmap = Load(b.id);
    HGDIOBJ old = SelectObject(source, bitmap);
    StretchBlt(canvas.dc(), x, kGap, b.width * kZoom, b.height * kZoom, source, 0, 0, b.width,
               b.height, SRCCOPY);
    SelectObject(source, old);
    DeleteObject(bitmap);
    x += b.width * kZoom + kGap;
  }
  DeleteDC(source);
  EXPECT_TRUE(trellis::test::MatchesGolden(canvas.bitmap(), "resources/library_bitmaps"));
}
