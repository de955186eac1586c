// The platform's scroll bar as its parent and a user meet it: requests on presses, their
// repetition on the platform clock, page clicks, thumb drags, double clicks, and its pixels.
#include <vector>

#include "platform/win32/WinScrollBar.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 200;  // arrows 16, track 168
constexpr UINT kFirstDelay = 200, kRepeatDelay = 50;
// The bar's client (0, 0) on the screen.
constexpr int kX = 100 + 50, kY = 100 + 20;

class ScrollBarTest : public WindowTest {
 protected:
  // A bar of range 0..99, page 10 at position `pos`; with `follow`, the parent moves the bar as
  // each request asks, as a real owner does.
  void MakeBar(int pos, bool follow, DWORD style = SBS_VERT) {
    parent = Make(WS_POPUP | WS_VISIBLE, {100, 100, 400, 400});
    bar = CreateWindowExW(0, WC_SCROLLBARW, nullptr, WS_CHILD | WS_VISIBLE | style, 50, 20,
                          kWidth, kHeight, parent, nullptr, nullptr, nullptr);
    ASSERT_NE(bar, nullptr);
    SetState(0, 99, 10, pos);
    if (follow)
      On(parent, WM_VSCROLL, [this](WPARAM wParam, LPARAM) {
        int pos = Pos();
        switch (LOWORD(wParam)) {
          case SB_LINEUP: pos -= 1; break;
          case SB_LINEDOWN: pos += 1; break;
          case SB_PAGEUP: pos -= 10; break;
          case SB_PAGEDOWN: pos += 10; break;
          case SB_THUMBTRACK: pos = short(HIWORD(wParam)); break;
          default: break;
        }
        SetState(0, 99, 10, pos);
        return LRESULT(0);
      });
    screen.PumpUntilIdle();
    ClearLog();
  }
  void SetState(int min, int max, UINT page, int pos) {
    const SCROLLINFO si{sizeof(si), SIF_ALL, min, max, page, pos, 0};
    SetScrollInfo(bar, SB_CTL, &si, TRUE);
  }
  int Pos() {
    SCROLLINFO si{sizeof(si), SIF_POS, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &si);
    return si.nPos;
  }
  int TrackPos() {
    SCROLLINFO si{sizeof(si), SIF_TRACKPOS, 0, 0, 0, 0, 0};
    GetScrollInfo(bar, SB_CTL, &si);
    return si.nTrackPos;
  }
  // The requests the parent received, (code, position) each.
  std::vector<std::pair<WORD, int>> Requests() {
    std::vector<std::pair<WORD, int>> out;
    for (const Logged& l : Received({WM_VSCROLL, WM_HSCROLL})) {
      EXPECT_EQ(l.hwnd, parent);
      EXPECT_EQ(HWND(l.lParam), bar);
      out.push_back({LOWORD(l.wParam), short(HIWORD(l.wParam))});
    }
    return out;
  }
  int Count(WORD code) {
    int n = 0;
    for (const auto& r : Requests()) n += r.first == code;
    return n;
  }

  HWND parent = nullptr;
  HWND bar = nullptr;
};

TEST_F(ScrollBarTest, HeldArrowRepeatsWhileThePointerStaysOnIt) {
  MakeBar(50, false);
  const int downY = kY + kHeight - 5;
  screen.MouseDown(kX + 8, downY);
  screen.PumpUntilIdle();
  EXPECT_EQ(Count(SB_LINEDOWN), 1);
  screen.AdvanceTime(kFirstDelay - 1);
  EXPECT_EQ(Count(SB_LINEDOWN), 1);
  screen.AdvanceTime(1);
  EXPECT_EQ(Count(SB_LINEDOWN), 2);
  screen.AdvanceTime(3 * kRepeatDelay);
  EXPECT_EQ(Count(SB_LINEDOWN), 5);
  // Off the arrow the repeat pauses; back on, it goes on.
  screen.MouseMove(kX + 8, kY + 100);
  screen.AdvanceTime(4 * kRepeatDelay);
  EXPECT_EQ(Count(SB_LINEDOWN), 5);
  screen.MouseMove(kX + 8, downY);
  screen.AdvanceTime(kRepeatDelay);
  EXPECT_EQ(Count(SB_LINEDOWN), 6);
  screen.MouseUp(kX + 8, downY);
  screen.PumpUntilIdle();
  screen.AdvanceTime(1000);
  EXPECT_EQ(Count(SB_LINEDOWN), 6);
  EXPECT_EQ(Requests().back().first, SB_ENDSCROLL);
  EXPECT_EQ(GetCapture(), nullptr);
  // The control does not move itself.
  EXPECT_EQ(Pos(), 50);
}

TEST_F(ScrollBarTest, PageClicksRepeatUntilTheThumbReachesThePointer) {
  MakeBar(0, true);
  // Track 16..184, thumb 16 long: pixel 150 lies below it.
  screen.MouseDown(kX + 8, kY + 150);
  screen.PumpUntilIdle();
  EXPECT_EQ(Pos(), 10);
  screen.AdvanceTime(kFirstDelay + 20 * kRepeatDelay);
  screen.MouseUp(kX + 8, kY + 150);
  screen.PumpUntilIdle();
  // Stopped by the first page that brought the thumb's end past the pointer.
  const auto thumbEnd = [](int pos) { return 16 + (168 - 16) * pos / 90 + 16; };
  EXPECT_GT(thumbEnd(Pos()), 150);
  EXPECT_LE(thumbEnd(Pos() - 10), 150);
  EXPECT_EQ(Requests().back().first, SB_ENDSCROLL);
  ClearLog();
  screen.AdvanceTime(1000);
  screen.Click(kX + 8, kY + 20);  // above the thumb now
  screen.PumpUntilIdle();
  EXPECT_EQ(Requests().front().first, SB_PAGEUP);
}

TEST_F(ScrollBarTest, DraggingTheThumbTracksThenSetsThePosition) {
  MakeBar(0, false);
  screen.MouseDown(kX + 8, kY + 20);  // on the thumb (16..32)
  screen.PumpUntilIdle();
  EXPECT_TRUE(Requests().empty());
  screen.MouseMove(kX + 8, kY + 20 + 76);  // half the travel of 152
  screen.PumpUntilIdle();
  EXPECT_EQ(TrackPos(), 45);
  EXPECT_EQ(Pos(), 0);  // the owner has not answered
  screen.MouseMove(kX + 8, kY + 1000);
  screen.PumpUntilIdle();
  EXPECT_EQ(TrackPos(), 90);  // the last page, not the range's end
  screen.MouseUp(kX + 8, kY + 1000);
  screen.PumpUntilIdle();
  const std::vector<std::pair<WORD, int>> expected = {
      {SB_THUMBTRACK, 45}, {SB_THUMBTRACK, 90}, {SB_THUMBPOSITION, 90}, {SB_ENDSCROLL, 0}};
  EXPECT_EQ(Requests(), expected);
  EXPECT_EQ(TrackPos(), 0);  // no drag: the stored position
}

// A double click is a second press; losing the capture ends a press without SB_ENDSCROLL.
TEST_F(ScrollBarTest, DoubleClicksAndLostCaptures) {
  MakeBar(50, false);
  screen.Click(kX + 8, kY + 3);
  screen.Click(kX + 8, kY + 3);
  screen.MouseDown(kX + 8, kY + 3);
  screen.PumpUntilIdle();
  SetCapture(parent);
  screen.AdvanceTime(1000);
  EXPECT_EQ(Count(SB_LINEUP), 3);
  EXPECT_EQ(Count(SB_ENDSCROLL), 2);
  ReleaseCapture();
}

}  // namespace
}  // namespace trellis::test
