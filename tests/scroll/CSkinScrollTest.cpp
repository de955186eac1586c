// The skinned scroll bar as the drop window uses it: a child window beside a list, fed its
// range by UpdateScrollInfo, pressed, held, dragged and double-clicked through the headless
// screen, with the requests its parent receives and the picture it paints.
#include <climits>
#include <functional>
#include <tuple>
#include <utility>
#include <vector>

#include "scroll/CSkinScroll.h"
#include "tests/platform/window/WindowTesting.h"
#include "tests/support/Golden.h"
#include "tests/support/Pixels.h"
#include "tests/support/Reentry.h"

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
    SCROLLINFO si{28, SIF_ALL, 0, rows - 1, page, pos, -1};
    bar.UpdateScrollInfo(&si, TRUE);
    screen.PumpUntilIdle();
    ClearLog();
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
      EXPECT_TRUE(l.message == WM_VSCROLL && HWND(l.lParam) == bar.m_hWnd);
      out.push_back({LOWORD(l.wParam), HIWORD(l.wParam)});
    }
    return out;
  }
  HWND parent = nullptr;
  CSkinScroll bar;
};

// One scripted session of holding, clicking, dragging and double clicking, pinned request by
// request: the down arrow scrolls at once and every kRepeatElapse ms while the pointer stays on
// it, pausing off it; the thumb drags to the last page at most; a double click is one line.
TEST_F(CSkinScrollTest, RequestSequenceOfATypicalSession) {
  MakeBar(25, 20, 0);
  const int x = kX + 7, down = kY + kBarHeight - 7, tick = CSkinScroll::kRepeatElapse;
  const auto settle = [&] {
    screen.PumpUntilIdle();
    screen.AdvanceTime(1000);  // no repeat, and no double click with the next press
  };
  screen.MouseDown(x, down);
  screen.PumpUntilIdle();
  screen.AdvanceTime(tick * 2);
  screen.MouseMove(x, kY + 100);  // off the arrow: paused
  screen.AdvanceTime(tick * 3);
  screen.MouseMove(x, down);
  screen.AdvanceTime(tick);
  screen.MouseUp(x, down);
  settle();
  EXPECT_EQ(Pos(), 4);
  screen.Click(x, kY + 20);  // the track above the thumb, then below it
  settle();
  screen.Click(x, kY + bar.GetThumbRect().bottom + 20);
  settle();
  const int grip = kY + bar.GetThumbRect().top + 5;
  screen.MouseDown(x, grip);
  for (const auto& [dx, y] : {std::pair{0, grip - 34}, {-300, kY + 2000}, {-300, kY - 2000},
                               {0, grip}})
    screen.MouseMove(x + dx, y);
  screen.MouseUp(x, grip);
  settle();
  screen.Click(x, kY + 7);
  screen.Click(x, kY + 7);
  settle();
  const std::vector<std::pair<WORD, int>> expected = {
      {SB_LINEDOWN, 0},   {SB_LINEDOWN, 0},   {SB_LINEDOWN, 0},   {SB_LINEDOWN, 0},
      {SB_PAGEUP, 0},     {SB_PAGEDOWN, 0},   {SB_THUMBTRACK, 3}, {SB_THUMBTRACK, 5},
      {SB_THUMBTRACK, 0}, {SB_THUMBTRACK, 5}, {SB_LINEUP, 0}};
  EXPECT_EQ(Requests(), expected);
  EXPECT_EQ(Pos(), 4);
  EXPECT_EQ(GetCapture(), nullptr);
}

class SkinScrollReentry : public CSkinScrollTest, public ReentryCase {};

const struct {
  const char* name;
  WORD code;
  int nth, x, y;
} kProvocations[] = {
    {"LineUpByArrow", SB_LINEUP, 1, 7, 7},
    {"LineDownByArrow", SB_LINEDOWN, 1, 7, kBarHeight - 7},
    {"LineDownByRepeat", SB_LINEDOWN, 2, 7, kBarHeight - 7},
    {"PageUpByTrack", SB_PAGEUP, 1, 7, 20},
    {"PageDownByTrack", SB_PAGEDOWN, 1, 7, kBarHeight - 20},
    {"ThumbTrackByDrag", SB_THUMBTRACK, 1, 7, -1},  // on the thumb, then dragged
};

TEST_P(SkinScrollReentry, TheParentMayActInsideEveryRequest) {
  const auto& p = kProvocations[Row()];
  MakeBar(100, 20, 40);
  int seen = 0;
  On(parent, WM_VSCROLL, [&](WPARAM wParam, LPARAM) -> LRESULT {
    if (LOWORD(wParam) != p.code || ++seen != p.nth) return 0;
    Carry([&] { bar.DestroyWindow(); }, [&] { DestroyWindow(std::exchange(parent, nullptr)); },
          [&] {
            SCROLLINFO si{sizeof(si), SIF_ALL, 0, 4, 2, 0, 0};
            bar.UpdateScrollInfo(&si, TRUE);
            bar.EnableWindow(FALSE);
          });
    return 0;
  });
  const int y = kY + (p.y < 0 ? bar.GetThumbRect().CenterPoint().y : p.y);
  const int to = p.y < 0 ? y + 30 : y;
  screen.MouseDown(kX + p.x, y);
  screen.MouseMove(kX + p.x, to);
  screen.AdvanceTime(CSkinScroll::kRepeatElapse * 3);
  screen.MouseUp(kX + p.x, to);
  screen.PumpUntilIdle();
  screen.AdvanceTime(1000);
  ASSERT_GE(seen, p.nth);
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_TRUE(React() != Reaction::Change || (Pos() >= 0 && Pos() <= 3)) << Pos();
  if (parent) {  // still routing input
    ClearLog();
    screen.Click(kX - 50, kY + 50);
    screen.PumpUntilIdle();
    EXPECT_EQ(MessagesTo(parent, {WM_LBUTTONDOWN}).size(), 1u);
  }
}

INSTANTIATE_TEST_SUITE_P(SkinScroll, SkinScrollReentry, ReentryCases(kProvocations),
                         ReentryCaseNames(kProvocations));

// Every entry point taking a record, an action or a message argument, with what a careless
// owner passes: each is refused (or re-clamps) and leaves range, page, position and thumb.
TEST_F(CSkinScrollTest, BadArgumentsAreRefusedAndChangeNothing) {
  MakeBar(25, 20, 3);
  SCROLLINFO wrongSize{0, SIF_ALL, 0, 99, 5, 50, 0}, noMask{sizeof(SCROLLINFO), 0, 0, 9, 1, 7, 0};
  const std::tuple<const char*, std::function<LRESULT()>, LRESULT> rows[] = {
      {"UpdateScrollInfo(null)", [&] { return bar.UpdateScrollInfo(nullptr, TRUE); }, 0},
      {"UpdateScrollInfo(size 0)", [&] { return bar.UpdateScrollInfo(&wrongSize, TRUE); }, 0},
      {"UpdateScrollInfo(no mask)", [&] { return bar.UpdateScrollInfo(&noMask, TRUE); }, 1},
      {"RecalcLayout(null)", [&] { return bar.RecalcLayout(nullptr); }, 0},
      {"ScrollBy(-1)", [&] { return bar.ScrollBy(-1); }, 3},
      {"ScrollBy(4)", [&] { return bar.ScrollBy(4); }, 3},
      {"ScrollBy(INT_MIN)", [&] { return bar.ScrollBy(INT_MIN); }, 3},
      {"ScrollBy(INT_MAX)", [&] { return bar.ScrollBy(INT_MAX); }, 3},
      {"SBM_SETSCROLLINFO(null)", [&] { return bar.SendMessage(SBM_SETSCROLLINFO, 1, 0); }, 0},
      {"SBM_SETSCROLLINFO(size 0)",
       [&] { return bar.SendMessage(SBM_SETSCROLLINFO, 1, LPARAM(&wrongSize)); }, 0},
      {"SBM_GETSCROLLINFO(null)", [&] { return bar.SendMessage(SBM_GETSCROLLINFO, 0, 0); }, 0},
  };
  const auto state = [&] {
    const SCROLLINFO si = Stored();
    return std::tuple{si.nMin, si.nMax, si.nPage, si.nPos, bar.GetThumbRect()};
  };
  const auto before = state();
  for (const auto& [call, run, result] : rows) {
    EXPECT_EQ(run(), result) << call;
    EXPECT_EQ(state(), before) << call;
  }
}

// The thumb's place is ScrollThumb's; here the parts follow the window as it is
// resized, and the picture is pinned.
TEST_F(CSkinScrollTest, PartsFollowTheWindowAndThePictureMatchesItsGoldenImage) {
  MakeBar(25, 20, 3);
  bar.MoveWindow(200, 0, 14, 120);
  screen.PumpUntilIdle();
  EXPECT_EQ(bar.GetDownRect(), CRect(0, 106, 14, 120));
  EXPECT_EQ(bar.GetTrackRect(), CRect(0, 14, 14, 106));
  EXPECT_TRUE(MatchesGolden(ScreenPart(screen, {kX, kY, kX + 14, kY + 120}), "scroll/skin_scroll"));
}

}  // namespace
}  // namespace trellis::test
