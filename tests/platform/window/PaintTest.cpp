// Invalid areas, paint clipping, erasing, frames and composing the screen.
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kFrame = RGB(100, 100, 100);

class Painting : public WindowTest {
 protected:
  // The pixel of a window's client area, through the composed screen.
  COLORREF ClientPixel(HWND hwnd, int x, int y) {
    POINT p{x, y};
    ClientToScreen(hwnd, &p);
    return screen.PixelAt(p.x, p.y);
  }
};

TEST_F(Painting, ChildrenRepaintAfterAParentThatPaintsOverThem) {
  for (DWORD clip : {DWORD(0), WS_CLIPCHILDREN}) {
    HWND parent = Make(WS_POPUP | WS_VISIBLE | clip, {0, 0, 200, 200});
    // In the middle, so clipping by rectangles cannot cut it out of the parent's paint.
    HWND child = Make(WS_CHILD | WS_VISIBLE, {50, 50, 100, 100}, parent);
    PaintWith(parent, kRed);
    PaintWith(child, kGreen);
    screen.PumpUntilIdle();
    EXPECT_EQ(ClientPixel(child, 10, 10), kGreen);
    InvalidateRect(parent, nullptr, TRUE);
    screen.PumpUntilIdle();
    EXPECT_EQ(ClientPixel(child, 10, 10), kGreen) << "clip " << clip;
    EXPECT_EQ(ClientPixel(parent, 10, 10), kRed);
    // Moving the child uncovers its parent.
    MoveWindow(child, 100, 100, 50, 50, TRUE);
    screen.PumpUntilIdle();
    EXPECT_EQ(ClientPixel(parent, 60, 60), kRed);
    EXPECT_EQ(ClientPixel(parent, 110, 110), kGreen);
    DestroyWindow(parent);
  }
}

// A window's DC follows its window: shrinking the window shrinks what the DC may touch, a
// child's DC is clipped to its parent's client area, and a dead window's DC draws nothing.
TEST_F(Painting, WindowDcsAreClippedToWhatTheWindowShowsAndDieWithIt) {
  HWND parent = Make(WS_POPUP | WS_VISIBLE | WS_BORDER, {0, 0, 100, 100});
  HWND child = Make(WS_CHILD | WS_VISIBLE, {80, 80, 200, 200}, parent);
  HWND w = Make(WS_POPUP | WS_VISIBLE, {200, 0, 300, 100});
  screen.PumpUntilIdle();
  HDC childDc = GetDC(child), dc = GetDC(w);
  MoveWindow(w, 200, 0, 20, 20, TRUE);
  HBRUSH brush = CreateSolidBrush(kBlue);
  const RECT all{0, 0, 200, 200};
  for (HDC each : {childDc, dc}) {
    RECT box{};
    GetClipBox(each, &box);
    EXPECT_EQ(box.right, each == dc ? 20 : 18);  // 98 wide client, child at 80
    EXPECT_TRUE(FillRect(each, &all, brush));
  }
  EXPECT_EQ(screen.PixelAt(98, 98), kBlue);
  EXPECT_EQ(screen.PixelAt(99, 99), kFrame);
  EXPECT_EQ(screen.PixelAt(219, 19), kBlue);
  EXPECT_NE(screen.PixelAt(220, 19), kBlue);
  DestroyWindow(w);
  EXPECT_TRUE(FillRect(dc, &all, brush));  // draws nothing, harms nothing
  EXPECT_EQ(ReleaseDC(w, dc), 1);
  EXPECT_EQ(ReleaseDC(w, dc), 0);
  ReleaseDC(child, childDc);
  DeleteObject(brush);
}

}  // namespace
}  // namespace trellis::test
