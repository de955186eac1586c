// Creation, the window tree, z-order, geometry, destruction and stale handles.
#include <algorithm>

#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

using WindowTree = WindowTest;

constexpr DWORD kShownPopup = WS_POPUP | WS_VISIBLE;

// A refusal in WM_CREATE destroys the window before CreateWindowEx returns null.
TEST_F(WindowTree, BadCreationArgumentsAndRefusalsGiveNull) {
  SetLastError(0);
  EXPECT_EQ(Make(kShownPopup, {0, 0, 10, 10}, nullptr, 0, L"NoSuchClass"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
  EXPECT_EQ(Make(WS_CHILD, {0, 0, 10, 10}), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_TLW_WITH_WSCHILD);
  EXPECT_EQ(Make(WS_CHILD, {0, 0, 10, 10}, reinterpret_cast<HWND>(0x5001)), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  // A huge window is clamped, not allocated at face value, and paints without harm.
  HWND huge = Make(kShownPopup, {-5, -5, 1 << 30, -12});
  ASSERT_TRUE(huge);
  RECT r;
  GetWindowRect(huge, &r);
  EXPECT_EQ(r.bottom - r.top, 0);
  EXPECT_LE(r.right - r.left, 1 << 15);
  EXPECT_TRUE(screen.PumpUntilIdle());

  On(nullptr, WM_CREATE, [&](WPARAM, LPARAM) { return LRESULT(-1); });
  ClearLog();
  EXPECT_EQ(Make(kShownPopup, {0, 0, 10, 10}), nullptr);
  const HWND refused = Received().front().hwnd;
  EXPECT_FALSE(IsWindow(refused));
  EXPECT_EQ(MessagesTo(refused, {WM_DESTROY, WM_NCDESTROY}),
            (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
}

// Children are hit in creation order and clipped to their parent; borders lie outside the
// client area, and points map through them.
TEST_F(WindowTree, ChildrenAreHitInOrderAndPointsMapThroughBorders) {
  HWND parent = Make(kShownPopup | WS_BORDER, {100, 100, 300, 300});
  HWND first = Make(WS_CHILD | WS_VISIBLE | WS_BORDER, {10, 20, 90, 90}, parent);
  HWND second = Make(WS_CHILD | WS_VISIBLE, {40, 40, 300, 300}, parent);
  EXPECT_EQ(WindowFromPoint({150, 150}), first);
  EXPECT_EQ(WindowFromPoint({195, 195}), second);
  EXPECT_EQ(WindowFromPoint({320, 320}), GetDesktopWindow());
  EXPECT_TRUE(IsChild(parent, second));
  EXPECT_FALSE(IsChild(second, parent));
  RECT r;
  GetClientRect(parent, &r);
  EXPECT_EQ(r.right, 198);
  GetWindowRect(first, &r);
  EXPECT_EQ(r.left, 111);  // parent frame + child position
  POINT p{5, 5};
  EXPECT_EQ(MapWindowPoints(first, parent, &p, 1), MAKELONG(11, 21));
  EXPECT_EQ((std::vector<LONG>{p.x, p.y}), (std::vector<LONG>{16, 26}));
  ClientToScreen(parent, &p);
  EXPECT_EQ(p.x, 117);
  ScreenToClient(first, &p);
  EXPECT_EQ(p.x, 5);
}

TEST_F(WindowTree, DestroyGoesOwnedFirstThenDownThenBackUp) {
  HWND parent = Make(kShownPopup, {0, 0, 100, 100});
  HWND child = Make(WS_CHILD | WS_VISIBLE, {0, 0, 50, 50}, parent);
  HWND grandchild = Make(WS_CHILD | WS_VISIBLE, {0, 0, 20, 20}, child);
  HWND owned = Make(kShownPopup, {0, 0, 30, 30}, parent);
  On(parent, WM_DESTROY, [&](WPARAM, LPARAM) {
    EXPECT_TRUE(IsWindow(parent) && IsWindow(child));
    EXPECT_EQ(Make(WS_CHILD, {0, 0, 1, 1}, parent), nullptr);  // no new children while going
    return LRESULT(0);
  });
  On(parent, WM_NCDESTROY, [&](WPARAM, LPARAM) {
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(DestroyWindow(parent));  // already going
    return LRESULT(0);
  });
  ClearLog();
  EXPECT_TRUE(DestroyWindow(parent));
  EXPECT_EQ(Sequence({WM_DESTROY, WM_NCDESTROY}),
            (Order{{owned, WM_DESTROY}, {owned, WM_NCDESTROY}, {parent, WM_DESTROY},
                   {child, WM_DESTROY}, {grandchild, WM_DESTROY}, {grandchild, WM_NCDESTROY},
                   {child, WM_NCDESTROY}, {parent, WM_NCDESTROY}}));
  for (HWND h : {parent, child, grandchild, owned}) EXPECT_FALSE(IsWindow(h));
}

TEST_F(WindowTree, StaleAndMadeUpHandlesAreRefused) {
  HWND w = Make(kShownPopup, {0, 0, 10, 10});
  DestroyWindow(w);
  HWND fresh = Make(kShownPopup, {0, 0, 10, 10});  // may reuse the slot, never the handle
  EXPECT_NE(fresh, w);
  for (HWND bad : {w, reinterpret_cast<HWND>(0x7FFF1), static_cast<HWND>(nullptr)}) {
    RECT r{1, 2, 3, 4};
    SetLastError(0);
    EXPECT_FALSE(GetWindowRect(bad, &r));
    EXPECT_EQ(r.left, 1);
    EXPECT_EQ(SendMessageW(bad, WM_USER, 0, 0), 0);
    EXPECT_FALSE(SetWindowPos(bad, nullptr, 0, 0, 1, 1, 0));
    EXPECT_FALSE(ShowWindow(bad, SW_SHOW));
    EXPECT_FALSE(DestroyWindow(bad));
    EXPECT_EQ(SetCapture(bad), nullptr);
    if (!bad) continue;  // null means "no window" to the calls below
    EXPECT_EQ(SetFocus(bad), nullptr);
    EXPECT_EQ(SetTimer(bad, 1, 10, nullptr), 0u);
    EXPECT_EQ(GetDC(bad), nullptr);
    EXPECT_FALSE(PostMessageW(bad, WM_USER, 0, 0));
    EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  }
  EXPECT_FALSE(DestroyWindow(GetDesktopWindow()));
  EXPECT_FALSE(GetWindowRect(fresh, nullptr));
}

// The same size, and sizes no surface may have, change nothing. Every top-level window hears
// of a change, hidden ones too, and a desktop context taken before it draws within the new size.
TEST_F(WindowTree, AScreenResizeTellsTopLevelWindowsOnceAndKeepsPaintingInBounds) {
  HWND top = Make(kShownPopup, {10, 10, 110, 60});
  Make(WS_CHILD | WS_VISIBLE, {0, 0, 20, 20}, top);
  HWND hidden = Make(WS_POPUP, {0, 0, 20, 20});
  ClearLog();
  for (const SIZE size : {SIZE{640, 480}, SIZE{0, 480}, SIZE{640, -1}, SIZE{1 << 20, 1 << 20}})
    screen.Resize(size.cx, size.cy);
  EXPECT_TRUE(Received({WM_DISPLAYCHANGE}).empty());
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);

  HDC desktop = GetDC(nullptr);
  screen.Resize(300, 200);
  std::vector<std::pair<HWND, LPARAM>> told;
  for (const Logged& m : Received({WM_DISPLAYCHANGE})) told.push_back({m.hwnd, m.lParam});
  std::sort(told.begin(), told.end());
  EXPECT_EQ(told, (std::vector<std::pair<HWND, LPARAM>>{
                      {std::min(top, hidden), MAKELPARAM(300, 200)},
                      {std::max(top, hidden), MAKELPARAM(300, 200)}}));
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 200);
  RECT all{0, 0, 1000, 1000};
  HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
  FillRect(desktop, &all, brush);
  DeleteObject(brush);
  ReleaseDC(nullptr, desktop);
  EXPECT_EQ(screen.PixelAt(299, 199), RGB(1, 2, 3));
  EXPECT_EQ(screen.PixelAt(300, 100), CLR_INVALID);
}

}  // namespace
}  // namespace trellis::test
