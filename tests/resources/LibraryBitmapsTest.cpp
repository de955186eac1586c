#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "foundation/CTrellisApp.h"
#include "platform/mfc/CGdiObject.h"
#include "resources/TrellisResources.h"
#include "tests/support/Golden.h"
#include "tests/support/Pixels.h"

namespace {

using trellis::test::BitmapPixel;

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kGrey = RGB(128, 128, 128);
constexpr COLORREF kFlatField = RGB(112, 112, 112);
constexpr COLORREF kFlatMark = RGB(230, 230, 230);
constexpr COLORREF kArrowField = RGB(60, 60, 60);
constexpr COLORREF kArrowMark = RGB(200, 200, 200);
constexpr COLORREF kTrack = RGB(46, 46, 46);
constexpr COLORREF kThumb = RGB(120, 120, 120);

struct Probe {
  int x;
  int y;
  COLORREF colour;
};

struct LibraryBitmap {
  UINT id;
  int width;
  int height;
  std::vector<Probe> probes;
};

// Sizes and telling pixels of each picture: frame, field, and the mark drawn on it.
const std::vector<LibraryBitmap> kBitmaps = {
    {IDB_TREE_CHECK_NO, 13, 13, {{0, 0, kBlack}, {12, 6, kBlack}, {1, 1, kWhite}, {6, 7, kWhite}}},
    {IDB_TREE_CHECK_YES, 13, 13,
     {{0, 12, kBlack}, {1, 1, kWhite}, {5, 9, kBlack}, {9, 3, kBlack}, {3, 5, kBlack},
      {3, 3, kWhite}, {9, 9, kWhite}}},
    {IDB_TREE_CHECK_HALF, 13, 13, {{0, 0, kBlack}, {1, 1, kGrey}, {5, 9, kBlack}, {11, 11, kGrey}}},
    {IDB_TREE_CLOSE_LINE, 9, 9,
     {{0, 0, kGrey}, {8, 4, kGrey}, {1, 1, kWhite}, {4, 4, kBlack}, {2, 4, kBlack}, {4, 2, kBlack},
      {4, 6, kBlack}, {3, 3, kWhite}}},
    {IDB_TREE_OPEN_LINE, 9, 9,
     {{0, 0, kGrey}, {1, 1, kWhite}, {2, 4, kBlack}, {6, 4, kBlack}, {4, 2, kWhite},
      {4, 6, kWhite}}},
    {IDB_TREE_CLOSE_FLAT, 11, 11,
     {{0, 0, kFlatField}, {5, 5, kFlatMark}, {5, 2, kFlatMark}, {2, 5, kFlatMark}}},
    {IDB_TREE_OPEN_FLAT, 11, 11,
     {{0, 0, kFlatField}, {5, 5, kFlatMark}, {5, 2, kFlatField}, {8, 5, kFlatMark}}},
    {IDB_DROPLIST_ARROW, 13, 16, {}},  // the drop list arrows have a test of their own below
    {IDB_DROPLIST_ARROW_PUSHED, 13, 16, {}},
    {IDB_DROPLIST_ARROW_DISABLED, 13, 16, {}},
    {IDB_SCROLL_UP, 14, 14,
     {{0, 0, kArrowField}, {6, 5, kArrowMark}, {3, 8, kArrowMark}, {3, 5, kArrowField}}},
    {IDB_SCROLL_DOWN, 14, 14,
     {{0, 0, kArrowField}, {6, 8, kArrowMark}, {3, 5, kArrowMark}, {3, 8, kArrowField}}},
    {IDB_SCROLL_THUMB, 14, 10, {{0, 0, kTrack}, {6, 5, kThumb}}},
    {IDB_SCROLL_TRACK, 14, 1, {{6, 0, kTrack}}},
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

TEST_F(LibraryBitmaps, EachLoadsAtItsSizeWithItsLook) {
  for (const LibraryBitmap& expected : kBitmaps) {
    SCOPED_TRACE(expected.id);
    HBITMAP bitmap = Load(expected.id);
    ASSERT_NE(bitmap, nullptr);
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, expected.width);
    EXPECT_EQ(bm.bmHeight, expected.height);
    for (const Probe& p : expected.probes)
      EXPECT_EQ(BitmapPixel(bitmap, p.x, p.y), p.colour) << p.x << "," << p.y;
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
