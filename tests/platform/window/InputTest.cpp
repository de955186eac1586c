// Mouse routing, capture, activation, focus, disabled windows, double clicks and keys.
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

constexpr DWORD kShown = WS_POPUP | WS_VISIBLE;
using Input = WindowTest;

TEST_F(Input, CaptureTakesTheMouseEverywhereUntilReleased) {
  HWND a = Make(kShown, {0, 0, 100, 100});
  HWND b = Make(kShown, {200, 0, 300, 100});
  On(a, WM_LBUTTONDOWN, [a](WPARAM, LPARAM) {
    SetCapture(a);
    return LRESULT(0);
  });
  screen.PumpUntilIdle();
  ClearLog();
  // Queued together: the press's handler takes the capture before the rest is routed.
  screen.MouseDown(50, 50);
  screen.MouseMove(250, 50);
  screen.MouseUp(250, 50);
  screen.PumpUntilIdle();
  EXPECT_TRUE(MessagesTo(b, {WM_MOUSEMOVE, WM_LBUTTONUP}).empty());
  ASSERT_EQ(Sequence({WM_LBUTTONUP}), (Order{{a, WM_LBUTTONUP}}));
  EXPECT_EQ(GET_X_LPARAM(Received({WM_LBUTTONUP})[0].lParam), 250);  // outside a's client area
  EXPECT_EQ(GetCapture(), a);
  ClearLog();
  EXPECT_EQ(SetCapture(b), a);
  ReleaseCapture();
  EXPECT_EQ(GetCapture(), nullptr);
  const auto changed = Received({WM_CAPTURECHANGED});
  ASSERT_EQ(Sequence({WM_CAPTURECHANGED}), (Order{{a, WM_CAPTURECHANGED}, {b, WM_CAPTURECHANGED}}));
  EXPECT_EQ(HWND(changed[0].lParam), b);
  EXPECT_EQ(changed[1].lParam, 0);
  // Disabling or destroying the capture window lets go of the capture.
  SetCapture(a);
  EnableWindow(a, FALSE);
  EXPECT_EQ(GetCapture(), nullptr);
  SetCapture(b);
  DestroyWindow(b);
  EXPECT_EQ(GetCapture(), nullptr);
}

// A disabled window takes neither the focus nor the mouse: a press on a disabled child goes to its
// parent, a disabled top-level window hears nothing, and with no focus window keys go nowhere.
TEST_F(Input, FocusAndMouseSkipDisabledWindows) {
  HWND top = Make(kShown, {0, 0, 200, 200});
  HWND a = Make(WS_CHILD | WS_VISIBLE, {0, 0, 50, 50}, top);
  HWND b = Make(WS_CHILD | WS_VISIBLE, {50, 0, 100, 50}, top);
  HWND off = Make(kShown, {300, 0, 400, 100});
  SetFocus(a);
  ClearLog();
  EXPECT_EQ(SetFocus(b), a);
  const auto moves = Received({WM_SETFOCUS, WM_KILLFOCUS});
  ASSERT_EQ(Sequence({WM_SETFOCUS, WM_KILLFOCUS}), (Order{{a, WM_KILLFOCUS}, {b, WM_SETFOCUS}}));
  EXPECT_EQ(HWND(moves[0].wParam), b);  // each names the other
  EnableWindow(a, FALSE);
  EXPECT_EQ(SetFocus(a), nullptr);
  EnableWindow(b, FALSE);
  EnableWindow(off, FALSE);
  EXPECT_EQ(GetFocus(), nullptr);
  EXPECT_EQ(MessagesTo(b, {WM_KILLFOCUS, WM_ENABLE}), (std::vector<UINT>{WM_KILLFOCUS, WM_ENABLE}));
  screen.PumpUntilIdle();
  ClearLog();
  screen.KeyPress('B');
  screen.Click(60, 20);
  screen.Click(350, 50);
  screen.PumpUntilIdle();
  EXPECT_TRUE(MessagesTo(b, {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_SETCURSOR}).empty());
  EXPECT_TRUE(MessagesTo(off, {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_MOUSEACTIVATE}).empty());
  ASSERT_EQ(Sequence({WM_LBUTTONDOWN}), (Order{{top, WM_LBUTTONDOWN}}));
  EXPECT_EQ(GET_X_LPARAM(Received({WM_LBUTTONDOWN})[0].lParam), 60);
  EXPECT_TRUE(Received({WM_KEYDOWN, WM_CHAR}).empty());
}

// Clicking an inactive window activates and raises it. A second press is a double click within
// the time and 2 pixels, only for a class that asks; a third press starts over; each button has
// its own.
TEST_F(Input, ClicksActivateAndDoubleClicksNeedTheClassTimeAndDistance) {
  HWND w = Make(kShown, {0, 0, 200, 200});
  HWND plain = Make(kShown, {150, 150, 400, 250}, nullptr, 0, kPlainClass);  // no CS_DBLCLKS
  screen.PumpUntilIdle();
  ClearLog();
  screen.Click(20, 20);
  screen.PumpUntilIdle();
  EXPECT_EQ(GetActiveWindow(), w);
  EXPECT_EQ(WindowFromPoint({175, 175}), w);
  EXPECT_EQ(Sequence({WM_MOUSEACTIVATE, WM_ACTIVATE, WM_KILLFOCUS, WM_SETFOCUS, WM_LBUTTONDOWN}),
            (Order{{w, WM_MOUSEACTIVATE}, {plain, WM_ACTIVATE}, {w, WM_ACTIVATE},
                   {plain, WM_KILLFOCUS}, {w, WM_SETFOCUS}, {w, WM_LBUTTONDOWN}}));
  EXPECT_EQ(LOWORD(Received({WM_ACTIVATE}).back().wParam), WA_CLICKACTIVE);
  constexpr auto kLeft = platform::MouseButton::Left, kRight = platform::MouseButton::Right;
  const struct {
    int x, y;
    DWORD wait;
    platform::MouseButton button;
    UINT expected;
  } clicks[] = {
      {50, 50, 1000, kLeft, WM_LBUTTONDOWN},  {52, 48, 500, kLeft, WM_LBUTTONDBLCLK},
      {52, 48, 0, kLeft, WM_LBUTTONDOWN},
      {52, 48, 501, kLeft, WM_LBUTTONDOWN},   // too late
      {55, 48, 0, kLeft, WM_LBUTTONDOWN},     // too far
      {350, 200, 0, kLeft, WM_LBUTTONDOWN},   {350, 200, 0, kLeft, WM_LBUTTONDOWN},
      {60, 60, 1000, kRight, WM_RBUTTONDOWN}, {60, 60, 0, kRight, WM_RBUTTONDBLCLK},
  };
  for (const auto& c : clicks) {
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y << " after " << c.wait);
    ClearLog();
    screen.AdvanceTime(c.wait);
    screen.Click(c.x, c.y, c.button);
    screen.PumpUntilIdle();
    EXPECT_EQ(Sequence({WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_RBUTTONDBLCLK}),
              (Order{{c.x < 200 ? w : plain, c.expected}}));
  }
}

TEST_F(Input, KeysGoToTheFocusWindowAndTranslateToCharacters) {
  Make(kShown, {0, 0, 100, 100});
  ClearLog();
  screen.KeyPress('A');
  screen.KeyDown(VK_LSHIFT);
  screen.KeyPress('A');
  screen.KeyPress('1');
  screen.KeyUp(VK_LSHIFT);
  screen.KeyDown(VK_DOWN);
  screen.KeyDown(VK_DOWN);  // held: a repeat
  screen.KeyUp(VK_DOWN);
  screen.TypeText(L"中");
  screen.PumpUntilIdle();
  std::wstring typed;
  for (const Logged& l : Received({WM_CHAR})) typed += wchar_t(l.wParam);
  EXPECT_EQ(typed, L"aA!中");
  const auto keys = Received({WM_KEYDOWN, WM_KEYUP});
  ASSERT_GE(keys.size(), 4u);
  EXPECT_EQ(keys[2].wParam, VK_SHIFT);  // the side-neutral code
  // The held key repeats: it was down, is extended and counts one; then it is released.
  EXPECT_EQ(keys[keys.size() - 2].lParam & (1 << 30 | 1 << 24 | 0xFFFF), 1 << 30 | 1 << 24 | 1);
  EXPECT_TRUE(keys.back().lParam & (1u << 31));
}

}  // namespace
}  // namespace trellis::test
