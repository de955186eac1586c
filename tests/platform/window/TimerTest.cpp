// Timers on the platform clock: nothing sleeps, the test moves time.
#include "platform/window/Desktop.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

class Timers : public WindowTest {
 protected:
  // The clock reading at each WM_TIMER of `id` delivered to `hwnd`.
  void RecordTicks(HWND hwnd) {
    On(hwnd, WM_TIMER, [this](WPARAM id, LPARAM) {
      ticks.push_back({id, GetTickCount64()});
      return LRESULT(0);
    });
  }
  std::vector<std::pair<WPARAM, ULONGLONG>> ticks;
};

TEST_F(Timers, FireOnTheClockOncePerPeriodUntilRestartedOrKilled) {
  HWND w = Make(WS_POPUP, {0, 0, 10, 10});
  RecordTicks(w);
  const ULONGLONG start = screen.Now();
  EXPECT_EQ(SetTimer(w, 256, 100, nullptr), 256u);
  screen.AdvanceTime(99);
  EXPECT_TRUE(ticks.empty());
  screen.AdvanceTime(1);
  screen.AdvanceTime(300);
  ASSERT_EQ(ticks.size(), 4u);
  for (std::size_t i = 0; i < ticks.size(); ++i) {
    EXPECT_EQ(ticks[i].first, 256u);
    EXPECT_EQ(ticks[i].second, start + 100 * (i + 1));
  }
  // Setting it again restarts the period; killing stops it.
  ticks.clear();
  screen.AdvanceTime(80);
  SetTimer(w, 256, 100, nullptr);
  screen.AdvanceTime(80);
  EXPECT_TRUE(ticks.empty());
  screen.AdvanceTime(20);
  EXPECT_EQ(ticks.size(), 1u);
  EXPECT_TRUE(KillTimer(w, 256));
  EXPECT_FALSE(KillTimer(w, 256));
  screen.AdvanceTime(1000);
  EXPECT_EQ(ticks.size(), 1u);
}

TEST_F(Timers, TimersOfADestroyedWindowVanish) {
  HWND w = Make(WS_POPUP, {0, 0, 10, 10});
  SetTimer(w, 1, 50, nullptr);
  DestroyWindow(w);
  ClearLog();
  screen.AdvanceTime(500);
  EXPECT_TRUE(Received({WM_TIMER}).empty());
  EXPECT_FALSE(KillTimer(w, 1));
  EXPECT_EQ(GetLastError(), ERROR_INVALID_WINDOW_HANDLE);
}

TEST_F(Timers, ShortElapsesAreClampedAndLateTimersFireOnce) {
  HWND w = Make(WS_POPUP, {0, 0, 10, 10});
  RecordTicks(w);
  const ULONGLONG start = screen.Now();
  SetTimer(w, 7, 0, nullptr);
  screen.AdvanceTime(10);
  ASSERT_EQ(ticks.size(), 1u);
  EXPECT_EQ(ticks[0].second, start + 10);
  // A timer that missed many periods (the clock jumped with nobody pumping) fires once.
  ticks.clear();
  KillTimer(w, 7);
  SetTimer(w, 8, 20, nullptr);
  platform::Desktop::Current().SetNow(screen.Now() + 200);
  screen.PumpUntilIdle();
  EXPECT_EQ(ticks.size(), 1u);
}

struct ProcCall {
  HWND hwnd;
  UINT_PTR id;
};
std::vector<ProcCall> g_procCalls;

}  // namespace
}  // namespace trellis::test
