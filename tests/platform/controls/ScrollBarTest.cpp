// The platform's scroll bar control as a program meets it: the position and range calls, showing
// and arrow enabling, and SIF_DISABLENOSCROLL's hold on the window's enabled state. Where the
// state's rules clamp a position is ScrollStateTest's; presses reach it through the list box.
#include "platform/win32/WinScrollBar.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

class ScrollBarTest : public WindowTest {
 protected:
  // A parent at screen (100, 100) and a vertical bar in it, 20 x 200, range 0..99, page 10.
  void SetUp() override {
    parent = Make(WS_POPUP | WS_VISIBLE, {100, 100, 400, 400});
    bar = Make(WS_CHILD | WS_VISIBLE | SBS_VERT, {10, 10, 30, 210}, parent, 0, WC_SCROLLBARW);
    ASSERT_NE(bar, nullptr);
    const SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE, 0, 99, 10, 0, 0};
    SetScrollInfo(bar, SB_CTL, &si, TRUE);
    screen.PumpUntilIdle();
    ClearLog();
  }
  int Requests() const { return int(Received({WM_VSCROLL}).size()); }
  void Click(int y) {
    screen.MouseDown(120, 110 + y);
    screen.MouseUp(120, 110 + y);
    screen.PumpUntilIdle();
  }

  HWND parent = nullptr;
  HWND bar = nullptr;
};

// Each call answers as documented, in sequence: SetScrollPos the previous position, a range
// that moves the position clamps it, and every call refuses another bar than SB_CTL.
TEST_F(ScrollBarTest, PositionAndRangeCallsAnswerAsDocumented) {
  const struct {
    bool range;         // SetScrollRange(min, max), else SetScrollPos(pos)
    int pos, min, max;
    int answer;
    int nowPos, nowMin, nowMax;
  } steps[] = {
      {false, 40, 0, 0, 0, 40, 0, 99},
      {false, 95, 0, 0, 40, 90, 0, 99},  // the page ends at the range's end
      {false, -5, 0, 0, 90, 0, 0, 99},
      {false, 30, 0, 0, 0, 30, 0, 99},
      {true, 0, 50, 200, TRUE, 50, 50, 200},
      {true, 0, 0, 20, TRUE, 11, 0, 20},
      {true, 0, -1, 0x7FFFFFFF, FALSE, 11, 0, 20},  // wider than 0x7FFFFFFF
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(testing::Message() << s.range << " " << s.pos << " " << s.min << " " << s.max);
    const int answer = s.range ? SetScrollRange(bar, SB_CTL, s.min, s.max, TRUE)
                               : SetScrollPos(bar, SB_CTL, s.pos, TRUE);
    EXPECT_EQ(answer, s.answer);
    int min = -1, max = -1;
    EXPECT_TRUE(GetScrollRange(bar, SB_CTL, &min, &max));
    EXPECT_EQ((std::vector<int>{GetScrollPos(bar, SB_CTL), min, max}),
              (std::vector<int>{s.nowPos, s.nowMin, s.nowMax}));
  }
  EXPECT_EQ(GetLastError(), ERROR_INVALID_SCROLLBAR_RANGE);
  // SBM_SETRANGE answers the previous position only when the range moved it.
  EXPECT_EQ(SendMessageW(bar, SBM_SETRANGE, 0, 30), 0);
  EXPECT_EQ(SendMessageW(bar, SBM_SETRANGE, 0, 5), 11);
  int min = 0, max = 0;
  const int otherBar = SB_CTL + 1;
  EXPECT_EQ(SetScrollPos(bar, otherBar, 3, TRUE), 0);
  EXPECT_EQ(GetScrollPos(bar, otherBar), 0);
  EXPECT_FALSE(SetScrollRange(bar, otherBar, 0, 3, TRUE));
  EXPECT_FALSE(GetScrollRange(bar, otherBar, &min, &max));
  EXPECT_FALSE(ShowScrollBar(bar, otherBar, FALSE));
  EXPECT_FALSE(EnableScrollBar(bar, otherBar, ESB_DISABLE_BOTH));
  EXPECT_FALSE(GetScrollRange(nullptr, SB_CTL, &min, &max));
  // None of it was the user's doing: the parent heard nothing.
  EXPECT_EQ(Requests(), 0);
}

// ShowScrollBar shows and hides the control; EnableScrollBar disables arrows, which then ignore
// presses, and answers FALSE when they were so already.
TEST_F(ScrollBarTest, ShowAndArrowCallsReachTheWindowAndItsPresses) {
  EXPECT_TRUE(ShowScrollBar(bar, SB_CTL, FALSE));
  EXPECT_FALSE(IsWindowVisible(bar));
  EXPECT_TRUE(ShowScrollBar(bar, SB_CTL, TRUE));
  EXPECT_TRUE(IsWindowVisible(bar));
  const int upArrow = 3, downArrow = 197, pageArea = 150;
  const struct {
    UINT arrows;
    BOOL answer;
    int requestsUp, requestsDown, requestsPage;  // presses that reach the parent
  } cases[] = {
      {ESB_DISABLE_UP, TRUE, 0, 2, 2},   {ESB_DISABLE_UP, FALSE, 0, 2, 2},
      {ESB_DISABLE_DOWN, TRUE, 2, 0, 2}, {ESB_DISABLE_BOTH, TRUE, 0, 0, 0},
      {ESB_ENABLE_BOTH, TRUE, 2, 2, 2},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.arrows);
    EXPECT_EQ(EnableScrollBar(bar, SB_CTL, c.arrows), c.answer);
    const int expected[] = {c.requestsUp, c.requestsDown, c.requestsPage};
    const int at[] = {upArrow, downArrow, pageArea};
    for (int i = 0; i < 3; ++i) {
      ClearLog();
      Click(at[i]);
      EXPECT_EQ(Requests(), expected[i]) << at[i];  // the request and SB_ENDSCROLL
    }
  }
}

// SIF_DISABLENOSCROLL disables a visible bar, when asked to redraw, while the page covers the
// range, and enables it again once it does not. Without the redraw flag the window waits for
// the next request that redraws; an invisible bar keeps its window state.
TEST_F(ScrollBarTest, DisableNoScrollHoldsTheWindowStateOnlyWhenRedrawing) {
  constexpr UINT kAsk = SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL;
  const struct {
    const char* step;
    bool visible;
    UINT mask;
    int max;
    BOOL redraw;
    bool enabled;  // the window afterwards
  } steps[] = {
      {"covered, redrawn", true, kAsk, 9, TRUE, false},
      {"scrolls again, not redrawn", true, kAsk, 99, FALSE, false},
      {"a later redraw applies it", true, SIF_POS, 0, TRUE, true},
      {"covered, not redrawn", true, kAsk, 5, FALSE, true},
      {"covered, redrawn while hidden", false, kAsk, 5, TRUE, true},
      {"scrolls, without the flag", true, SIF_RANGE, 99, TRUE, true},
      {"covered, without the flag", true, SIF_RANGE | SIF_PAGE, 9, TRUE, true},
      {"range of one row, no page", true, kAsk, 0, TRUE, false},
      {"scrolls, redrawn", true, kAsk, 99, TRUE, true},
  };
  for (const auto& s : steps) {
    SCOPED_TRACE(s.step);
    ShowWindow(bar, s.visible ? SW_SHOWNA : SW_HIDE);
    const UINT page = s.max == 0 ? 0 : 10;
    const SCROLLINFO si{sizeof(si), s.mask, 0, s.max, page, 0, 0};
    SetScrollInfo(bar, SB_CTL, &si, s.redraw);
    EXPECT_EQ(IsWindowEnabled(bar), s.enabled);
  }
}

}  // namespace
}  // namespace trellis::test
