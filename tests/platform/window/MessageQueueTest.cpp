// Sending and posting, the queue's order, the end of the loop, and timers on the
// platform clock (nothing sleeps: the test moves time).
#include "platform/window/Desktop.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

using MessageQueue = WindowTest;

// Send runs at once, nested sends too; posts wait for the pump. Posted messages come before
// input and input before paint; messages for a window destroyed meanwhile are dropped.
TEST_F(MessageQueue, SendRunsNowPostWaitsAndInputComesBeforePaint) {
  HWND w = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  HWND gone = Make(WS_POPUP, {0, 0, 10, 10});
  On(w, WM_APP, [w](WPARAM, LPARAM) {
    PostMessageW(w, WM_APP + 1, 0, 0);
    SendMessageW(w, WM_APP + 2, 0, 0);
    return LRESULT(5);
  });
  screen.PumpUntilIdle();
  ClearLog();
  EXPECT_EQ(SendMessageW(w, WM_APP, 0, 0), 5);
  EXPECT_EQ(MessagesTo(w), (std::vector<UINT>{WM_APP, WM_APP + 2}));
  InvalidateRect(w, nullptr, FALSE);
  screen.MouseMove(10, 10);
  PostMessageW(w, WM_APP + 3, 0, 0);
  PostMessageW(gone, WM_APP, 0, 0);
  DestroyWindow(gone);
  EXPECT_TRUE(screen.PumpUntilIdle());
  EXPECT_EQ(MessagesTo(w, {WM_APP, WM_APP + 1, WM_APP + 2, WM_APP + 3, WM_MOUSEMOVE, WM_PAINT}),
            (std::vector<UINT>{WM_APP, WM_APP + 2, WM_APP + 1, WM_APP + 3, WM_MOUSEMOVE, WM_PAINT}));
  EXPECT_EQ(MessagesTo(gone, {WM_APP}), std::vector<UINT>{});
}

// Headless, an empty queue can never fill by itself: GetMessage fails instead of hanging, and
// so does a pump whose message reposts itself.
TEST_F(MessageQueue, QuitEndsTheLoopAndNothingHangs) {
  HWND w = Make(WS_POPUP, {0, 0, 10, 10});
  PostMessageW(w, WM_APP, 0, 0);
  PostQuitMessage(3);
  MSG msg{};
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), TRUE);
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE);
  EXPECT_EQ(msg.wParam, 3u);
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), -1);
  PostQuitMessage(4);
  EXPECT_FALSE(screen.PumpUntilIdle());
  EXPECT_EQ(screen.QuitCode(), 4);
  On(w, WM_APP, [w](WPARAM, LPARAM) {
    PostMessageW(w, WM_APP, 0, 0);
    return LRESULT(0);
  });
  PostMessageW(w, WM_APP, 0, 0);
  EXPECT_FALSE(screen.PumpUntilIdle());
}

// Once per period on the clock; setting it again restarts the period, killing stops it. A zero
// elapse is clamped to the least one; a timer that missed many periods (the clock jumped with
// nobody pumping) fires once; a destroyed window's timers vanish.
TEST_F(MessageQueue, TimersFireOnTheClockOncePerPeriodUntilRestartedKilledOrDead) {
  HWND w = Make(WS_POPUP, {0, 0, 10, 10});
  HWND dead = Make(WS_POPUP, {0, 0, 10, 10});
  std::vector<std::pair<WPARAM, ULONGLONG>> ticks;  // the clock reading at each WM_TIMER
  On(w, WM_TIMER, [&ticks](WPARAM id, LPARAM) {
    ticks.push_back({id, GetTickCount64()});
    return LRESULT(0);
  });
  ULONGLONG start = screen.Now();
  EXPECT_EQ(SetTimer(w, 256, 100, nullptr), 256u);
  screen.AdvanceTime(99);
  EXPECT_TRUE(ticks.empty());
  screen.AdvanceTime(301);
  EXPECT_EQ(ticks, (decltype(ticks){{256, start + 100}, {256, start + 200}, {256, start + 300},
                                    {256, start + 400}}));
  ticks.clear();
  screen.AdvanceTime(80);
  SetTimer(w, 256, 100, nullptr);
  screen.AdvanceTime(99);
  EXPECT_TRUE(ticks.empty());
  screen.AdvanceTime(1);
  EXPECT_EQ(ticks.size(), 1u);
  EXPECT_TRUE(KillTimer(w, 256));
  EXPECT_FALSE(KillTimer(w, 256));
  screen.AdvanceTime(1000);
  EXPECT_EQ(ticks.size(), 1u);

  ticks.clear();
  start = screen.Now();
  SetTimer(w, 7, 0, nullptr);
  SetTimer(dead, 1, 50, nullptr);
  DestroyWindow(dead);
  screen.AdvanceTime(10);
  EXPECT_EQ(ticks, (decltype(ticks){{7, start + 10}}));
  ticks.clear();
  KillTimer(w, 7);
  SetTimer(w, 8, 20, nullptr);
  platform::Desktop::Current().SetNow(screen.Now() + 200);
  screen.PumpUntilIdle();
  EXPECT_EQ(ticks.size(), 1u);
  EXPECT_TRUE(MessagesTo(dead, {WM_TIMER}).empty());
  EXPECT_FALSE(KillTimer(dead, 1));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

}  // namespace
}  // namespace trellis::test
