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

TEST_F(Painting, APopUpReachesBeyondItsHostWindow) {
  HWND host = Make(WS_POPUP | WS_VISIBLE, {100, 100, 300, 200});
  // Like a drop-down list: a WS_CHILD of the desktop, below the host's bottom edge.
  HWND popup = Make(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_CLIPSIBLINGS, {150, 180, 250, 320},
                    GetDesktopWindow(), WS_EX_TOOLWINDOW);
  SetWindowPos(popup, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  PaintWith(host, kRed);
  PaintWith(popup, kBlue);
  screen.PumpUntilIdle();
  EXPECT_EQ(screen.PixelAt(110, 110), kRed);
  EXPECT_EQ(screen.PixelAt(200, 190), kBlue);   // over the host
  EXPECT_EQ(screen.PixelAt(200, 300), kBlue);   // beyond it
  EXPECT_EQ(screen.PixelAt(150, 250), kFrame);  // the platform's frame
  EXPECT_EQ(screen.PixelAt(249, 250), kFrame);
  EXPECT_NE(screen.PixelAt(260, 250), kBlue);   // the desktop
  // The pop-up is not activated and does not steal the host's place.
  EXPECT_NE(GetActiveWindow(), popup);
  ShowWindow(popup, SW_HIDE);
  screen.PumpUntilIdle();
  EXPECT_EQ(screen.PixelAt(200, 190), kRed);
}

TEST_F(Painting, PaintIsClippedToTheInvalidArea) {
  HWND w = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  PaintWith(w, kRed);
  screen.PumpUntilIdle();
  PaintWith(w, kBlue);
  RECT part{10, 10, 20, 30};
  InvalidateRect(w, &part, FALSE);
  RECT other{50, 50, 60, 60};
  InvalidateRect(w, &other, FALSE);
  RECT update{};
  EXPECT_TRUE(GetUpdateRect(w, &update, FALSE));
  EXPECT_EQ(update.left, 10);  // the bounding box of both
  EXPECT_EQ(update.bottom, 60);
  screen.PumpUntilIdle();
  EXPECT_EQ(ClientPixel(w, 15, 15), kBlue);
  EXPECT_EQ(ClientPixel(w, 55, 55), kBlue);
  EXPECT_EQ(ClientPixel(w, 5, 5), kRed);
  EXPECT_EQ(ClientPixel(w, 70, 70), kRed);
  EXPECT_FALSE(GetUpdateRect(w, &update, FALSE));
}

TEST_F(Painting, EraseComesWithBeginPaintWhenAsked) {
  HWND w = Make(WS_POPUP | WS_VISIBLE, {0, 0, 50, 50});
  screen.PumpUntilIdle();
  BOOL mustErase = TRUE;
  RECT painted{};
  On(w, WM_PAINT, [&](WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    BeginPaint(w, &ps);
    mustErase = ps.fErase;
    painted = ps.rcPaint;
    EndPaint(w, &ps);
    return LRESULT(0);
  });
  RECT part{5, 5, 10, 10};
  ClearLog();
  InvalidateRect(w, &part, TRUE);
  screen.PumpUntilIdle();
  EXPECT_EQ(MessagesTo(w, {WM_PAINT, WM_ERASEBKGND}), (std::vector<UINT>{WM_PAINT, WM_ERASEBKGND}));
  EXPECT_FALSE(mustErase);  // the class brush erased it
  EXPECT_EQ(painted.right, 10);
  EXPECT_EQ(ClientPixel(w, 7, 7), kBackground);
  // Without a class brush nobody erased: the painter is told to.
  HWND plain = Make(WS_POPUP | WS_VISIBLE, {0, 0, 50, 50}, nullptr, 0, kPlainClass);
  On(plain, WM_PAINT, [&](WPARAM, LPARAM) {
    PAINTSTRUCT ps;
    BeginPaint(plain, &ps);
    mustErase = ps.fErase;
    EndPaint(plain, &ps);
    return LRESULT(0);
  });
  screen.PumpUntilIdle();
  EXPECT_TRUE(mustErase);
}

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

TEST_F(Painting, AWindowDcFollowsItsWindowAndDiesWithIt) {
  HWND w = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  screen.PumpUntilIdle();
  HDC dc = GetDC(w);
  RECT box{};
  GetClipBox(dc, &box);
  EXPECT_EQ(box.right, 100);
  // Shrinking the window shrinks what the DC may touch: no drawing past the new surface.
  MoveWindow(w, 0, 0, 20, 20, TRUE);
  GetClipBox(dc, &box);
  EXPECT_EQ(box.right, 20);
  const RECT all{0, 0, 100, 100};
  HBRUSH brush = CreateSolidBrush(kBlue);
  EXPECT_TRUE(FillRect(dc, &all, brush));
  EXPECT_EQ(screen.PixelAt(19, 19), kBlue);
  DestroyWindow(w);
  EXPECT_TRUE(FillRect(dc, &all, brush));  // draws nothing, harms nothing
  EXPECT_EQ(ReleaseDC(w, dc), 1);
  EXPECT_EQ(ReleaseDC(w, dc), 0);
  DeleteObject(brush);
}

TEST_F(Painting, ChildDcsAreClippedToTheParentsClientArea) {
  HWND parent = Make(WS_POPUP | WS_VISIBLE | WS_BORDER, {0, 0, 100, 100});
  HWND child = Make(WS_CHILD | WS_VISIBLE, {80, 80, 200, 200}, parent);
  screen.PumpUntilIdle();
  HDC dc = GetDC(child);
  RECT box{};
  GetClipBox(dc, &box);
  EXPECT_EQ(box.right, 18);  // 98 wide client, child at 80
  HBRUSH brush = CreateSolidBrush(kBlue);
  const RECT all{0, 0, 200, 200};
  FillRect(dc, &all, brush);
  EXPECT_EQ(screen.PixelAt(98, 98), kBlue);
  EXPECT_EQ(screen.PixelAt(99, 99), kFrame);
  DeleteObject(brush);
  ReleaseDC(child, dc);
}

}  // namespace
}  // namespace trellis::test
