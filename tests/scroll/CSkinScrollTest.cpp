// The skinned scroll bar as the drop window uses it: a child window beside a list, fed its
// range by UpdateScrollInfo, pressed, held, dragged and double-clicked through the headless
// screen, with the requests its parent receives and the picture it paints.
#include <algorithm>
#include <utility>
#include <vector>

#include "scroll/CSkinScroll.h"
#include "tests/platform/window/WindowTesting.h"
#include "tests/support/Golden.h"

namespace trellis::test {
namespace {

constexpr UINT kBarId = 0x1001;
constexpr DWORD kBarStyle = WS_CLIPSIBLINGS | WS_CLIPCHILDREN | SBS_VERT;
constexpr int kBarHeight = 360;
// The bar's client (0, 0) on the screen: parent at (100, 100), bar at (200, 0) in it.
constexpr int kX = 300, kY = 100;

class CSkinScrollTest : public WindowTest {
 protected:
  // A bar as the drop window makes one, with `rows` rows of which `page` show, at `pos`.
  void MakeBar(int rows, UINT page, int pos, int height = kBarHeight) {
    if (parent) DestroyWindow(parent);  // and the bar with it
    parent = Make(WS_POPUP | WS_VISIBLE, {100, 100, 400, 500});
    ASSERT_TRUE(bar.CreateEx(0, WC_SCROLLBARW, nullptr, WS_CHILD | kBarStyle, 200, 0, 14, height,
                             parent, reinterpret_cast<HMENU>(UINT_PTR(kBarId))));
    bar.ShowWindow(SW_SHOW);
    Feed(rows, page, pos);
    screen.PumpUntilIdle();
    ClearLog();
  }
  void Feed(int rows, UINT page, int pos) {
    SCROLLINFO si{28, SIF_ALL, 0, rows - 1, page, pos, -1};
    bar.UpdateScrollInfo(&si, TRUE);
  }
  SCROLLINFO Stored() {
    SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
    bar.SendMessage(SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&si));
    return si;
  }
  int Pos() { return Stored().nPos; }
  std::vector<std::pair<WORD, int>> Requests() {
    std::vector<std::pair<WORD, int>> out;
    for (const Logged& l : Received({WM_VSCROLL, WM_HSCROLL})) {
      EXPECT_EQ(l.message, UINT(WM_VSCROLL));
      EXPECT_EQ(HWND(l.lParam), bar.m_hWnd);
      out.push_back({LOWORD(l.wParam), HIWORD(l.wParam)});
    }
    return out;
  }
  int Count(WORD code) {
    int n = 0;
    for (const auto& r : Requests()) n += r.first == code;
    return n;
  }

  HWND parent = nullptr;
  CSkinScroll bar;
};

// Where the thumb goes is SkinScrollGeometry's table and the golden image's; here the parts
// follow the window's size.
TEST_F(CSkinScrollTest, ThePartsFollowTheWindowsSize) {
  MakeBar(25, 20, 0);
  EXPECT_EQ(bar.GetDownRect(), CRect(0, kBarHeight - 14, 14, kBarHeight));
  bar.MoveWindow(200, 0, 14, 200);
  EXPECT_EQ(bar.GetDownRect(), CRect(0, 186, 14, 200));
  EXPECT_EQ(bar.GetTrackRect(), CRect(0, 14, 14, 186));
}

TEST_F(CSkinScrollTest, HeldDownArrowScrollsNowAndEveryHundredMilliseconds) {
  MakeBar(100, 20, 0);
  const int x = kX + 7, y = kY + kBarHeight - 7;
  screen.MouseDown(x, y);
  screen.PumpUntilIdle();
  EXPECT_EQ(Count(SB_LINEDOWN), 1);
  EXPECT_EQ(Pos(), 1);
  screen.AdvanceTime(CSkinScroll::kRepeatElapse * 3);
  EXPECT_EQ(Count(SB_LINEDOWN), 4);
  EXPECT_EQ(Pos(), 4);
  // Off the arrow the repeat pauses without ending.
  screen.MouseMove(x, kY + 100);
  screen.AdvanceTime(CSkinScroll::kRepeatElapse * 3);
  EXPECT_EQ(Count(SB_LINEDOWN), 4);
  screen.MouseMove(x, y);
  screen.AdvanceTime(CSkinScroll::kRepeatElapse);
  EXPECT_EQ(Count(SB_LINEDOWN), 5);
  screen.MouseUp(x, y);
  screen.PumpUntilIdle();
  screen.AdvanceTime(1000);
  EXPECT_EQ(Count(SB_LINEDOWN), 5);
  EXPECT_EQ(Pos(), 5);
  // No closing requests: the bar reports lines, pages and thumb moves only.
  EXPECT_EQ(Count(SB_ENDSCROLL) + Count(SB_THUMBPOSITION), 0);
  EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(CSkinScrollTest, TrackClicksScrollAPageAndTheThumbDragsToTheLastPageAtMost) {
  MakeBar(25, 20, 0);
  const CRect thumb = bar.GetThumbRect();
  screen.Click(kX + 7, kY + thumb.bottom + 20);
  screen.PumpUntilIdle();
  EXPECT_EQ(Pos(), 5);
  screen.AdvanceTime(1000);
  screen.Click(kX + 7, kY + 20);
  screen.PumpUntilIdle();
  EXPECT_EQ(Pos(), 0);
  screen.AdvanceTime(1000);
  screen.MouseDown(kX + 7, kY + thumb.top + 5);
  screen.MouseMove(kX + 7, kY + thumb.top + 5 + 34);
  screen.PumpUntilIdle();
  EXPECT_EQ(Pos(), 2);
  screen.MouseMove(kX + 7, kY + 2000);
  screen.PumpUntilIdle();
  EXPECT_EQ(Pos(), 5);
  screen.MouseMove(kX + 7, kY - 2000);
  screen.MouseUp(kX + 7, kY - 2000);
  screen.PumpUntilIdle();
  EXPECT_EQ(Pos(), 0);
  const std::vector<std::pair<WORD, int>> expected = {{SB_PAGEDOWN, 0}, {SB_PAGEUP, 0},
      {SB_THUMBTRACK, 2}, {SB_THUMBTRACK, 5}, {SB_THUMBTRACK, 0}};
  EXPECT_EQ(Requests(), expected);
}

TEST_F(CSkinScrollTest, DoubleClickOnAnArrowScrollsOneLinePerClick) {
  MakeBar(100, 20, 10);
  screen.Click(kX + 7, kY + kBarHeight - 7);
  screen.Click(kX + 7, kY + kBarHeight - 7);
  screen.PumpUntilIdle();
  EXPECT_EQ(Count(SB_LINEDOWN), 1);
  EXPECT_EQ(Pos(), 11);
}

// An empty list, a bar shorter than its two arrows, and a page wider than the range: the bar
// lays out, paints and takes input without dividing by nothing.
TEST_F(CSkinScrollTest, DegenerateBarsStillWork) {
  MakeBar(0, 0, 0);
  EXPECT_EQ(bar.ScrollBy(SB_PAGEDOWN), 0);
  MakeBar(25, 20, 0, 20);  // arrows overlap, no track
  EXPECT_TRUE(bar.GetThumbRect().IsRectEmpty());
  screen.MouseDown(kX + 7, kY + 10);
  screen.MouseMove(kX + 7, kY + 300);
  screen.MouseUp(kX + 7, kY + 300);
  screen.PumpUntilIdle();
  EXPECT_GE(Pos(), 0);
  EXPECT_LE(Pos(), 5);
  EXPECT_EQ(bar.UpdateScrollInfo(nullptr, TRUE), 0);
  // A long list keeps a thumb the user can take: as long as its image.
  MakeBar(100000, 20, 50000);
  EXPECT_EQ(bar.GetThumbRect().Height(), 10);
  screen.PumpUntilIdle();
}

TEST_F(CSkinScrollTest, PictureMatchesItsGoldenImage) {
  MakeBar(25, 20, 3, 120);
  screen.PumpUntilIdle();
  const platform::Surface& composed = screen.Composed();
  platform::Surface picture;
  ASSERT_TRUE(picture.Allocate(14, 120));
  for (int y = 0; y < 120; ++y)
    std::copy_n(composed.Row(kY + y) + kX, 14, picture.Row(y));
  EXPECT_TRUE(MatchesGolden(picture, "scroll/skin_scroll"));
}

}  // namespace
}  // namespace trellis::test
