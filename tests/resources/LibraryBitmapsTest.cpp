#include <gtest/gtest.h>

#include "foundation/CTrellisApp.h"
#include "platform/mfc/CGdiObject.h"
#include "resources/TrellisResources.h"
#include "tests/support/Golden.h"
#include "tests/support/Pixels.h"

namespace {

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

// Loads as the library does: inside its own module state.
HBITMAP Load(UINT id) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  CBitmap bitmap;
  return bitmap.LoadBitmap(id) ? static_cast<HBITMAP>(bitmap.Detach()) : nullptr;
}

}  // namespace

// Every picture at its size, side by side and four times enlarged, so a change to any of them
// shows up for review as a changed golden image.
TEST(LibraryBitmaps, EachLoadsAtItsSizeAndMatchesTheGoldenImage) {
  constexpr int kZoom = 4;
  constexpr int kGap = 2;
  int width = kGap;
  for (const LibraryBitmap& b : kBitmaps) width += b.width * kZoom + kGap;
  trellis::test::Canvas canvas(width, 16 * kZoom + 2 * kGap, RGB(255, 0, 255));
  HDC source = CreateCompatibleDC(canvas.dc());
  int x = kGap;
  for (const LibraryBitmap& b : kBitmaps) {
    HBITMAP bitmap = Load(b.id);
    ASSERT_NE(bitmap, nullptr) << b.id;
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    EXPECT_EQ(CSize(bm.bmWidth, bm.bmHeight), CSize(b.width, b.height)) << b.id;
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
