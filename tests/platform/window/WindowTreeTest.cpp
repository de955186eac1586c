// Creation, the window tree, z-order, geometry, destruction and stale handles.
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

class WindowTree : public WindowTest {};

constexpr DWORD kShownPopup = WS_POPUP | WS_VISIBLE;

TEST_F(WindowTree, CreationSendsItsMessagesInOrderWithTheCreateRecord) {
  void* const param = reinterpret_cast<void*>(0x1234);
  const void* seenParam = nullptr;
  On(nullptr, WM_CREATE, [&](WPARAM, LPARAM l) {
    seenParam = reinterpret_cast<const CREATESTRUCTW*>(l)->lpCreateParams;
    return LRESULT(0);
  });
  HWND w = CreateWindowExW(0, kLogClass, L"title", kShownPopup, 10, 20, 100, 50, nullptr, nullptr,
                           nullptr, param);
  ASSERT_TRUE(w);
  EXPECT_EQ(seenParam, param);
  EXPECT_EQ(MessagesTo(w, {WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}),
            (std::vector<UINT>{WM_NCCREATE, WM_CREATE, WM_SIZE, WM_MOVE, WM_SHOWWINDOW}));
  wchar_t text[16];
  EXPECT_EQ(GetWindowTextW(w, text, 16), 5);
  EXPECT_STREQ(text, L"title");
}

TEST_F(WindowTree, CreateRefusalDestroysTheWindowAndReturnsNull) {
  HWND seen = nullptr;
  On(nullptr, WM_CREATE, [&](WPARAM, LPARAM) { return LRESULT(-1); });
  On(nullptr, WM_NCDESTROY, [&](WPARAM, LPARAM) {
    seen = Received().back().hwnd;
    return LRESULT(0);
  });
  EXPECT_EQ(Make(kShownPopup, {0, 0, 10, 10}), nullptr);
  ASSERT_TRUE(seen);
  EXPECT_FALSE(IsWindow(seen));
  EXPECT_EQ(MessagesTo(seen, {WM_DESTROY, WM_NCDESTROY}), (std::vector<UINT>{WM_DESTROY, WM_NCDESTROY}));
}

TEST_F(WindowTree, BadCreationArgumentsAreRefused) {
  SetLastError(0);
  EXPECT_EQ(Make(kShownPopup, {0, 0, 10, 10}, nullptr, 0, L"NoSuchClass"), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_CANNOT_FIND_WND_CLASS);
  EXPECT_EQ(Make(WS_CHILD, {0, 0, 10, 10}), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_TLW_WITH_WSCHILD);
  EXPECT_EQ(Make(WS_CHILD, {0, 0, 10, 10}, reinterpret_cast<HWND>(0x5001)), nullptr);
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
  // A huge window is clamped, not allocated at face value, and paints without harm.
  HWND huge = CreateWindowExW(0, kLogClass, L"", kShownPopup, -5, -5, 1 << 30, -7, nullptr,
                              nullptr, nullptr, nullptr);
  ASSERT_TRUE(huge);
  RECT r;
  GetWindowRect(huge, &r);
  EXPECT_EQ(r.bottom - r.top, 0);
  EXPECT_LE(r.right - r.left, 1 << 15);
  EXPECT_TRUE(screen.PumpUntilIdle());
}

TEST_F(WindowTree, ZOrderKeepsTheTopmostBandAbove) {
  HWND topmost = Make(kShownPopup, {0, 0, 100, 100}, nullptr, WS_EX_TOPMOST);
  HWND a = Make(kShownPopup, {0, 0, 100, 100});
  HWND b = Make(kShownPopup, {0, 0, 100, 100});
  const POINT p{50, 50};
  // A new ordinary window goes on top of the ordinary ones, still under the topmost one.
  EXPECT_EQ(WindowFromPoint(p), topmost);
  ShowWindow(topmost, SW_HIDE);
  EXPECT_EQ(WindowFromPoint(p), b);
  ShowWindow(topmost, SW_SHOWNA);
  SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(WindowFromPoint(p), topmost);
  SetWindowPos(a, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(WindowFromPoint(p), a);
  EXPECT_TRUE(GetWindowLongW(a, GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(a, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(WindowFromPoint(p), topmost);
  ShowWindow(topmost, SW_HIDE);
  EXPECT_EQ(WindowFromPoint(p), a);  // back at the top of the ordinary band
  SetWindowPos(a, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  EXPECT_EQ(WindowFromPoint(p), b);
  // The topmost flag moves only with the z-order.
  SetWindowLongW(b, GWL_EXSTYLE, WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongW(b, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(WindowTree, ChildrenAreHitInCreationOrderAndClippedToTheirParent) {
  HWND parent = Make(kShownPopup, {100, 100, 300, 300});
  HWND first = Make(WS_CHILD | WS_VISIBLE, {0, 0, 80, 80}, parent);
  HWND second = Make(WS_CHILD | WS_VISIBLE, {40, 40, 300, 300}, parent);
  EXPECT_EQ(WindowFromPoint({150, 150}), first);
  EXPECT_EQ(WindowFromPoint({190, 190}), second);
  // The part of a child outside its parent is not there.
  EXPECT_EQ(WindowFromPoint({320, 320}), GetDesktopWindow());
  EXPECT_EQ(GetParent(first), parent);
  EXPECT_TRUE(IsChild(parent, second));
  EXPECT_FALSE(IsChild(second, parent));
}

TEST_F(WindowTree, BordersAreOutsideTheClientArea) {
  HWND parent = Make(kShownPopup | WS_BORDER, {100, 50, 300, 250});
  HWND child = Make(WS_CHILD | WS_VISIBLE | WS_BORDER, {10, 20, 60, 70}, parent);
  RECT r;
  GetClientRect(parent, &r);
  EXPECT_EQ(r.right, 198);
  EXPECT_EQ(r.bottom, 198);
  GetWindowRect(child, &r);
  EXPECT_EQ(r.left, 111);  // parent frame + child position
  EXPECT_EQ(r.top, 71);
  POINT p{0, 0};
  ClientToScreen(child, &p);
  EXPECT_EQ(p.x, 112);
  EXPECT_EQ(p.y, 72);
  ScreenToClient(parent, &p);
  EXPECT_EQ(p.x, 11);
  POINT q{5, 5};
  const int offset = MapWindowPoints(child, parent, &q, 1);
  EXPECT_EQ(q.x, 16);
  EXPECT_EQ(q.y, 26);
  EXPECT_EQ(offset, MAKELONG(11, 21));
  POINT s{0, 0};
  MapWindowPoints(nullptr, child, &s, 1);
  EXPECT_EQ(s.x, -112);
}

TEST_F(WindowTree, DestroyGoesOwnedFirstThenDownThenBackUp) {
  HWND parent = Make(kShownPopup, {0, 0, 100, 100});
  HWND child = Make(WS_CHILD | WS_VISIBLE, {0, 0, 50, 50}, parent);
  HWND grandchild = Make(WS_CHILD | WS_VISIBLE, {0, 0, 20, 20}, child);
  HWND owned = Make(kShownPopup, {0, 0, 30, 30}, parent);
  ClearLog();
  EXPECT_TRUE(DestroyWindow(parent));
  std::vector<std::pair<HWND, UINT>> order;
  for (const Logged& l : Received({WM_DESTROY, WM_NCDESTROY})) order.push_back({l.hwnd, l.message});
  const std::vector<std::pair<HWND, UINT>> expected{
      {owned, WM_DESTROY},      {owned, WM_NCDESTROY},     {parent, WM_DESTROY},
      {child, WM_DESTROY},      {grandchild, WM_DESTROY},  {grandchild, WM_NCDESTROY},
      {child, WM_NCDESTROY},    {parent, WM_NCDESTROY}};
  EXPECT_EQ(order, expected);
  for (HWND h : {parent, child, grandchild, owned}) EXPECT_FALSE(IsWindow(h));
}

TEST_F(WindowTree, WindowIsAliveDuringItsDestroyMessages) {
  HWND w = Make(kShownPopup, {0, 0, 10, 10});
  HWND child = Make(WS_CHILD, {0, 0, 5, 5}, w);
  bool aliveInDestroy = false, childAliveInNcDestroy = false;
  On(w, WM_DESTROY, [&](WPARAM, LPARAM) {
    aliveInDestroy = IsWindow(w) && IsWindow(child);
    // No new children while going.
    EXPECT_EQ(Make(WS_CHILD, {0, 0, 1, 1}, w), nullptr);
    return LRESULT(0);
  });
  On(w, WM_NCDESTROY, [&](WPARAM, LPARAM) {
    childAliveInNcDestroy = IsWindow(child);
    EXPECT_FALSE(DestroyWindow(w));  // already going
    return LRESULT(0);
  });
  DestroyWindow(w);
  EXPECT_TRUE(aliveInDestroy);
  EXPECT_FALSE(childAliveInNcDestroy);
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
    EXPECT_FALSE(IsWindowVisible(bad));
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

TEST_F(WindowTree, AScreenResizeTellsTopLevelWindowsOnceAndKeepsPaintingInBounds) {
  HWND top = Make(kShownPopup, {10, 10, 110, 60});
  HWND child = Make(WS_CHILD | WS_VISIBLE, {0, 0, 20, 20}, top);
  HWND hidden = Make(WS_POPUP, {0, 0, 20, 20});
  ClearLog();
  // The same size, then sizes no surface may have, change nothing.
  for (const SIZE size : {SIZE{640, 480}, SIZE{0, 480}, SIZE{640, -1}, SIZE{1 << 20, 1 << 20}})
    screen.Resize(size.cx, size.cy);
  EXPECT_TRUE(Received({WM_DISPLAYCHANGE}).empty());
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 640);
  EXPECT_EQ(GetSystemMetrics(-1234), 0);

  HDC desktop = GetDC(nullptr);
  screen.Resize(300, 200);
  const auto told = Received({WM_DISPLAYCHANGE});
  ASSERT_EQ(told.size(), 2u);  // hidden windows too, as every top-level window hears it
  for (const Logged& m : told) {
    EXPECT_TRUE(m.hwnd == top || m.hwnd == hidden);
    EXPECT_EQ(m.lParam, MAKELPARAM(300, 200));
  }
  EXPECT_TRUE(MessagesTo(child, {WM_DISPLAYCHANGE}).empty());
  EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), 300);
  EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), 200);

  // A desktop context taken before the change draws within the new size.
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
