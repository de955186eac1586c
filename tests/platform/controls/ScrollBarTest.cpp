// The platform's scroll bar as its parent and a user meet it: requests on presses, their
// repetition on the platform clock, page clicks, thumb drags and lost captures.
#include <vector>

#include "platform/win32/WinScrollBar.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

constexpr int kHeight = 200;  // arrows 16, track 168
constexpr DWORD kFirstDelay = 200, kRepeatDelay = 50;
constexpr int kX = 100 + 50 + 8, kY = 100 + 20;  // the bar's middle column and top on the screen
using Requests = std::vector<std::pair<WORD, int>>;

class ScrollBarTest : public WindowTest {
 protected:
  // A bar of range 0..99, page 10 at position `pos`; with `follow`, the parent moves the bar as
  // each request asks, as a real owner does.
  void MakeBar(int pos, bool follow) {
    parent = Make(WS_POPUP | WS_VISIBLE, {100, 100, 400, 400});
    bar = CreateWindowExW(0, WC_SCROLLBARW, nullptr, WS_CHILD | WS_VISIBLE | SBS_VERT, 50, 20, 16,
                          kHeight, parent, nullptr, nullptr, nullptr);
    ASSERT_NE(bar, nullptr);
    SetPos(pos);
    if (follow)
      On(parent, WM_VSCROLL, [this](WPARAM wParam, LPARAM) {
        const int steps[] = {-1, 1, -10, 10};
        if (LOWORD(wParam) <= SB_PAGEDOWN) SetPos(Info(SIF_POS).nPos + steps[LOWORD(wParam)]);
        return LRESULT(0);
      });
    screen.PumpUntilIdle();
    ClearLog();
  }
  void SetPos(int pos) {
    const SCROLLINFO si{sizeof(si), SIF_ALL, 0, 99, 10, pos, 0};
    SetScrollInfo(bar, SB_CTL, &si, TRUE);
  }
  SCROLLINFO Info(UINT mask) {
    SCROLLINFO si{sizeof(si), mask, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &si);
    return si;
  }
  // The requests the parent received, (code, position) each.
  Requests Received() {
    Requests out;
    for (const Logged& l : WindowTest::Received({WM_VSCROLL})) {
      EXPECT_EQ(l.hwnd, parent);
      EXPECT_EQ(HWND(l.lParam), bar);
      out.push_back({LOWORD(l.wParam), short(HIWORD(l.wParam))});
    }
    return out;
  }
  int Count(WORD code) {
    int n = 0;
    for (const auto& r : Received()) n += r.first == code;
    return n;
  }

  HWND parent = nullptr;
  HWND bar = nullptr;
};

// The first repeat waits longer than the rest; off the arrow the repeat pauses, back on it goes
// on. The control does not move itself.
TEST_F(ScrollBarTest, HeldArrowRepeatsWhileThePointerStaysOnIt) {
  MakeBar(50, false);
  const int downY = kY + kHeight - 5;
  screen.MouseDown(kX, downY);
  screen.PumpUntilIdle();
  const struct {
    int y;
    DWORD wait;
    int lineDowns;
  } steps[] = {{downY, 0, 1},
               {downY, kFirstDelay - 1, 1},
               {downY, 1, 2},
               {downY, 3 * kRepeatDelay, 5},
               {kY + 100, 4 * kRepeatDelay, 5},
               {downY, kRepeatDelay, 6}};
  for (const auto& s : steps) {
    screen.MouseMove(kX, s.y);
    screen.AdvanceTime(s.wait);
    EXPECT_EQ(Count(SB_LINEDOWN), s.lineDowns) << s.wait;
  }
  screen.MouseUp(kX, downY);
  screen.PumpUntilIdle();
  screen.AdvanceTime(1000);
  EXPECT_EQ(Count(SB_LINEDOWN), 6);
  EXPECT_EQ(Received().back().first, SB_ENDSCROLL);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Info(SIF_POS).nPos, 50);
}

// A double click is a second press; losing the capture ends a press without SB_ENDSCROLL; a
// disabled bar ignores presses.
TEST_F(ScrollBarTest, DoubleClicksLostCapturesAndDisabledBars) {
  MakeBar(50, false);
  screen.Click(kX, kY + 3);
  screen.Click(kX, kY + 3);
  screen.MouseDown(kX, kY + 3);
  screen.PumpUntilIdle();
  SetCapture(parent);
  screen.AdvanceTime(1000);
  EXPECT_EQ(Count(SB_LINEUP), 3);
  EXPECT_EQ(Count(SB_ENDSCROLL), 2);
  ReleaseCapture();
  EnableWindow(bar, FALSE);
  ClearLog();
  screen.AdvanceTime(1000);
  screen.Click(kX, kY + 3);
  screen.PumpUntilIdle();
  EXPECT_TRUE(Received().empty());
}

}  // namespace
}  // namespace trellis::test
