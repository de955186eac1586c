// The platform's list box as a program and a user meet it: its messages and refusals, the
// notifications its parent does not receive, and its own scroll bar. Keys, hover and the wheel reach it
// through the drop list's tests; where rows go is the model's random sequence.
#include <climits>
#include <random>
#include <string>

#include "platform/win32/WinListBox.h"
#include "platform/win32/WinScrollBar.h"
#include "platform/window/Window.h"
#include "tests/platform/window/WindowTesting.h"
#include "tests/support/Pixels.h"

namespace trellis::test {
namespace {

constexpr int kRowHeight = 20;
constexpr UINT kListId = 77;
constexpr int kListX = 110, kListY = 110;  // the list's client (0, 0) on the screen

class ListBoxTest : public WindowTest {
 protected:
  // A parent at screen (100, 100) and a list in it, 200 x 10 rows, with `rows` rows.
  void MakeList(DWORD style, int rows) {
    parent = Make(WS_POPUP | WS_VISIBLE, {100, 100, 400, 400});
    list = Make(WS_CHILD | WS_VISIBLE | style, {10, 10, 210, 10 + 10 * kRowHeight}, parent, 0,
                WC_LISTBOXW, kListId);
    ASSERT_NE(list, nullptr);
    Send(LB_SETITEMHEIGHT, 0, kRowHeight);
    for (int i = 0; i < rows; ++i) Send(LB_ADDSTRING, 0, LPARAM(L"Row"));
    screen.PumpUntilIdle();
    ClearLog();
  }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(list, message, wParam, lParam);
  }

  HWND parent = nullptr;
  HWND list = nullptr;
};

TEST_F(ListBoxTest, RefusesBadIndexesAndPointersWithLbErrAndChangesNothing) {
  MakeList(LBS_NOTIFY | LBS_HASSTRINGS, 3);
  Send(LB_SETCURSEL, 1);
  wchar_t buffer[64];
  RECT rect;
  const struct {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
  } refused[] = {
      {LB_DELETESTRING, 3, 0},          {LB_DELETESTRING, WPARAM(-1), 0},
      {LB_GETTEXT, 3, LPARAM(buffer)},  {LB_GETTEXT, WPARAM(INT_MIN), LPARAM(buffer)},
      {LB_GETTEXTLEN, WPARAM(-1), 0},   {LB_GETTEXTLEN, WPARAM(INT_MAX), 0},
      {LB_SETTOPINDEX, 3, 0},           {LB_GETITEMRECT, WPARAM(-1), LPARAM(&rect)},
      {LB_SETCURSEL, 3, 0},             {LB_SETCURSEL, WPARAM(INT_MIN), 0},
      {LB_INSERTSTRING, 4, LPARAM(L"x")}, {LB_INSERTSTRING, WPARAM(INT_MIN), LPARAM(L"x")},
      {LB_ADDSTRING, 0, 0},             {LB_INSERTSTRING, 0, 0},
      {LB_GETTEXT, 0, 0},               {LB_GETITEMRECT, 0, 0},
      {LB_SETITEMHEIGHT, 0, 0},         {LB_SETITEMHEIGHT, 0, 256},
  };
  for (const auto& r : refused) {
    SCOPED_TRACE(testing::Message() << std::hex << r.message << " " << r.wParam);
    EXPECT_EQ(Send(r.message, r.wParam, r.lParam), LB_ERR);
    EXPECT_EQ(Send(LB_GETCOUNT), 3);
    EXPECT_EQ(Send(LB_GETCURSEL), 1);
    EXPECT_EQ(Send(LB_GETITEMHEIGHT), kRowHeight);
  }
  // -1 clears the selection and still answers LB_ERR, as the platform documents.
  EXPECT_EQ(Send(LB_SETCURSEL, WPARAM(-1)), LB_ERR);
  EXPECT_EQ(Send(LB_GETCURSEL), LB_ERR);
  // None of it was the user's doing: no notifications.
  EXPECT_TRUE(Received({WM_COMMAND}).empty());
}

// The bar shows only while rows do not fit, narrows the rows and follows the list. WM_VSCROLL
// carries 16 bits of position: a long list reads its own bar's whole track position.
TEST_F(ListBoxTest, ItsOwnBarAppearsWhenRowsDoNotFitAndReachesEveryRow) {
  MakeList(LBS_HASSTRINGS | WS_VSCROLL, 5);
  const platform::Window* w = platform::FindWindowObject(list);
  ASSERT_EQ(w->children.size(), 1u);
  HWND bar = w->children.front()->Handle();
  const int barWidth = GetSystemMetrics(SM_CXVSCROLL), barX = kListX + 200 - barWidth / 2;
  RECT rect{};
  for (const bool fits : {true, false}) {
    screen.PumpUntilIdle();
    EXPECT_EQ(IsWindowVisible(bar), !fits);
    Send(LB_GETITEMRECT, 0, LPARAM(&rect));
    EXPECT_EQ(rect.right, fits ? 200 : 200 - barWidth);
    for (int i = 0; fits && i < 99995; ++i) Send(LB_ADDSTRING, 0, LPARAM(L"More"));
  }
  Send(LB_SETTOPINDEX, 12);
  SCROLLINFO si{sizeof(si), SIF_POS | SIF_PAGE | SIF_RANGE, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &si));
  EXPECT_EQ((std::vector<int>{si.nPos, int(si.nPage), si.nMax}),
            (std::vector<int>{12, 10, 99999}));
  Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40000));
  EXPECT_EQ(Send(LB_GETTOPINDEX), 40000);
  // A held arrow steps at once, again after the first delay (200 ms), then every 50 ms while the
  // pointer stays on it; off it the repeat pauses; a lost capture ends the press.
  Send(LB_SETTOPINDEX, 0);
  const int arrowY = kListY + 10 * kRowHeight - 3;
  screen.MouseDown(barX, arrowY);
  const struct {
    int y;
    DWORD wait;
    int top;
  } held[] = {{arrowY, 0, 1}, {arrowY, 199, 1}, {arrowY, 1, 2}, {arrowY, 150, 5},
              {kListY + 100, 200, 5}, {arrowY, 50, 6}};
  for (const auto& h : held) {
    screen.MouseMove(barX, h.y);
    screen.AdvanceTime(h.wait);
    EXPECT_EQ(Send(LB_GETTOPINDEX), h.top) << h.wait;
  }
  SetCapture(parent);
  screen.AdvanceTime(1000);
  EXPECT_EQ(Send(LB_GETTOPINDEX), 6);
  ReleaseCapture();
  screen.MouseUp(barX, arrowY);
  screen.AdvanceTime(1000);
  const int below = kListY + 10 * kRowHeight + 50;
  screen.MouseDown(barX, kListY + barWidth + 2);  // the thumb
  screen.MouseMove(barX, below);
  screen.PumpUntilIdle();
  EXPECT_EQ(Send(LB_GETTOPINDEX), 100000 - 10);
  screen.MouseUp(barX, below);
  screen.PumpUntilIdle();
  EXPECT_EQ(Send(LB_GETTOPINDEX), 100000 - 10);
  Send(LB_RESETCONTENT);
  EXPECT_FALSE(IsWindowVisible(bar));
}

// Searching wraps round from the row after wParam, ignoring case; LB_SELECTSTRING selects what
// it finds; item values stay with their rows; a storage hint only makes room; multiple
// selection is refused as the platform refuses it to a single-selection list.
TEST_F(ListBoxTest, SearchesSelectionQueriesAndValuesAnswerAsDocumented) {
  MakeList(LBS_HASSTRINGS | LBS_NOTIFY, 0);
  for (const wchar_t* text : {L"apple", L"Banana", L"apricot", L"band", L"Apple"})
    Send(LB_ADDSTRING, 0, LPARAM(text));
  const struct {
    UINT message;
    int after;
    const wchar_t* text;
    LRESULT answer;
  } searches[] = {
      {LB_FINDSTRING, -1, L"ap", 0},       {LB_FINDSTRING, 0, L"AP", 2},
      {LB_FINDSTRING, 2, L"ap", 4},        {LB_FINDSTRING, 4, L"ap", 0},
      {LB_FINDSTRING, -1, L"ban", 1},      {LB_FINDSTRING, -1, L"cherry", LB_ERR},
      {LB_FINDSTRINGEXACT, -1, L"BAN", LB_ERR}, {LB_FINDSTRINGEXACT, 1, L"banana", 1},
      {LB_FINDSTRINGEXACT, 0, L"apple", 4}, {LB_FINDSTRING, -1, nullptr, LB_ERR},
      {LB_SELECTSTRING, 1, L"ban", 3},     {LB_SELECTSTRING, -1, L"kiwi", LB_ERR},
  };
  for (const auto& f : searches) {
    SCOPED_TRACE(testing::Message() << std::hex << f.message << " " << f.after);
    EXPECT_EQ(Send(f.message, WPARAM(f.after), LPARAM(f.text)), f.answer);
  }
  EXPECT_EQ(Send(LB_GETCURSEL), 3);
  EXPECT_EQ(Send(LB_GETCARETINDEX), 3);
  EXPECT_EQ((std::vector<LRESULT>{Send(LB_GETSEL, 3), Send(LB_GETSEL, 2), Send(LB_GETSEL, 5)}),
            (std::vector<LRESULT>{1, 0, LB_ERR}));
  const std::pair<UINT, WPARAM> multiple[] = {{LB_SETSEL, TRUE}, {LB_GETSELCOUNT, 0},
      {LB_GETSELITEMS, 5}, {LB_SELITEMRANGE, TRUE}, {LB_SELITEMRANGEEX, 0}, {LB_SETCOUNT, 9}};
  int items[5] = {};
  for (const auto& [message, wParam] : multiple)
    EXPECT_EQ(Send(message, wParam, LPARAM(items)), LB_ERR) << std::hex << message;
  EXPECT_EQ(Send(LB_GETCOUNT), 5);
  EXPECT_EQ(Send(LB_GETCURSEL), 3);
  // A storage hint makes room beyond the rows there are and touches none of them.
  EXPECT_GE(Send(LB_INITSTORAGE, 1000, 64), 1005);
  EXPECT_EQ(Send(LB_GETCOUNT), 5);
  EXPECT_EQ(Send(LB_GETCURSEL), 3);
  EXPECT_EQ(Send(LB_FINDSTRINGEXACT, WPARAM(-1), LPARAM(L"band")), 3);
  EXPECT_EQ(Send(LB_SETITEMDATA, 1, 0xBEEF), LB_OKAY);
  EXPECT_EQ(Send(LB_SETITEMDATA, 5, 1), LB_ERR);
  Send(LB_INSERTSTRING, 0, LPARAM(L"fig"));
  EXPECT_EQ((std::vector<LRESULT>{Send(LB_GETITEMDATA, 0), Send(LB_GETITEMDATA, 2)}),
            (std::vector<LRESULT>{0, 0xBEEF}));
  EXPECT_EQ(Send(LB_SETITEMDATA, WPARAM(-1), 7), LB_OKAY);
  EXPECT_EQ((std::vector<LRESULT>{Send(LB_GETITEMDATA, 0), Send(LB_GETITEMDATA, 5),
                                  Send(LB_GETITEMDATA, 6)}),
            (std::vector<LRESULT>{7, 7, LB_ERR}));
  // None of it was the user's doing.
  EXPECT_TRUE(Received({WM_COMMAND}).empty());
  // Rows without texts are found by their values.
  DestroyWindow(parent);
  MakeList(LBS_OWNERDRAWFIXED, 0);
  for (const LPARAM value : {10, 20, 10}) Send(LB_ADDSTRING, 0, value);
  EXPECT_EQ(Send(LB_FINDSTRING, 0, 10), 2);
  EXPECT_EQ(Send(LB_FINDSTRINGEXACT, WPARAM(-1), 20), 1);
  EXPECT_EQ(Send(LB_FINDSTRING, WPARAM(-1), 30), LB_ERR);
}

// LB_GETITEMRECT fills the rectangle of any row and answers whether any of it is in sight.
TEST_F(ListBoxTest, ItemRectAnswersOneOnlyForRowsInSight) {
  MakeList(LBS_HASSTRINGS, 30);
  Send(LB_SETTOPINDEX, 10);
  const struct {
    int row, top, answer;
  } rows[] = {{9, -kRowHeight, 0}, {10, 0, 1}, {19, 9 * kRowHeight, 1}, {20, 10 * kRowHeight, 0},
              {0, -10 * kRowHeight, 0}, {29, 19 * kRowHeight, 0}};
  for (const auto& r : rows) {
    RECT rect{};
    EXPECT_EQ(Send(LB_GETITEMRECT, r.row, LPARAM(&rect)), r.answer) << r.row;
    EXPECT_EQ(rect.top, r.top) << r.row;
    EXPECT_EQ(rect.bottom - rect.top, kRowHeight) << r.row;
  }
  // A row partly shown counts: shrink the list so that row 15 is cut through.
  MoveWindow(list, 10, 10, 200, 5 * kRowHeight + kRowHeight / 2, TRUE);
  RECT rect{};
  EXPECT_EQ(Send(LB_GETITEMRECT, 15, LPARAM(&rect)), 1);
  EXPECT_EQ(Send(LB_GETITEMRECT, 16, LPARAM(&rect)), 0);
}

// A press whose release went elsewhere ends when the focus leaves: the capture is let go (when
// still held) and, with LBS_NOTIFY, the parent hears LBN_SELCHANGE before LBN_KILLFOCUS.
TEST_F(ListBoxTest, APressNeverReleasedEndsWhenTheFocusLeaves) {
  for (const bool captureStolen : {false, true}) {
    for (const DWORD notify : {DWORD(LBS_NOTIFY), DWORD(0)}) {
      SCOPED_TRACE(testing::Message() << "stolen " << captureStolen << " notify " << notify);
      MakeList(LBS_HASSTRINGS | notify, 5);
      HWND other = Make(WS_POPUP | WS_VISIBLE, {500, 100, 550, 150});
      screen.MouseDown(kListX + 20, kListY + 2 * kRowHeight + 5);
      screen.PumpUntilIdle();
      EXPECT_EQ(Send(LB_GETCURSEL), 2);
      ASSERT_EQ(GetCapture(), list);
      if (captureStolen) SetCapture(other);
      ClearLog();
      SetFocus(other);
      EXPECT_EQ(GetCapture(), captureStolen ? other : nullptr);
      std::vector<WPARAM> heard;
      for (const Logged& m : Received({WM_COMMAND})) heard.push_back(HIWORD(m.wParam));
      const std::vector<WPARAM> expected =
          notify ? std::vector<WPARAM>{LBN_SELCHANGE, LBN_KILLFOCUS}
                 : std::vector<WPARAM>{LBN_KILLFOCUS};
      EXPECT_EQ(heard, expected);
      // The press is over: the release that finally comes tells nothing more.
      ReleaseCapture();
      ClearLog();
      screen.MouseUp(kListX + 20, kListY + 2 * kRowHeight + 5);
      screen.PumpUntilIdle();
      EXPECT_TRUE(Received({WM_COMMAND}).empty());
      DestroyWindow(other);
      DestroyWindow(parent);
    }
  }
}

// Scrolling copies the rows that stay and repaints those that came in: after every step of a
// seeded random sequence (wheel, keys, clicks, drags past the edges, the bar, top and selection
// set by the program) the list looks exactly as a full repaint draws it, drawn by the list or
// by its owner, with a cut row at the bottom.
TEST_F(ListBoxTest, ScrolledPixelsEqualAFullRepaint) {
  constexpr unsigned kSeed = 20261207;
  std::mt19937 random(kSeed);
  const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  const UINT keys[] = {VK_DOWN, VK_UP, VK_NEXT, VK_PRIOR, VK_HOME, VK_END};
  for (DWORD drawing : {DWORD(LBS_HASSTRINGS), DWORD(LBS_OWNERDRAWFIXED)}) {
    SCOPED_TRACE(drawing);
    parent = Make(WS_POPUP | WS_VISIBLE, {100, 100, 400, 400});
    // The owner paints each row in a colour of its own, darker when selected, framed with focus.
    On(parent, WM_DRAWITEM, [](WPARAM, LPARAM lParam) {
      const auto* d = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
      const int shade = (d->itemState & ODS_SELECTED) ? 2 : 5;
      HBRUSH brush = CreateSolidBrush(RGB(d->itemID * 37 % 256 / shade, 90, 200));
      FillRect(d->hDC, &d->rcItem, brush);
      DeleteObject(brush);
      if (d->itemState & ODS_FOCUS)
        FrameRect(d->hDC, &d->rcItem, HBRUSH(GetStockObject(BLACK_BRUSH)));
      return LRESULT(TRUE);
    });
    const int height = 10 * kRowHeight + 7;
    list = Make(WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_NOTIFY | drawing,
                {10, 10, 210, 10 + height}, parent, 0, WC_LISTBOXW, kListId);
    Send(LB_SETITEMHEIGHT, 0, kRowHeight);
    for (int i = 0; i < 60; ++i)
      Send(LB_ADDSTRING, 0, LPARAM((L"Row " + std::to_wstring(i)).c_str()));
    screen.PumpUntilIdle();
    const RECT shown{kListX, kListY, kListX + 200, kListY + height};
    const int barX = kListX + 200 - GetSystemMetrics(SM_CXVSCROLL) / 2;
    for (int step = 0; step < 250; ++step) {
      const int op = pick(7), x = kListX + pick(150), y = kListY + pick(height);
      switch (op) {
        case 0:
          screen.MouseMove(x, y);
          screen.MouseWheel(pick(2) ? WHEEL_DELTA : -WHEEL_DELTA);
          break;
        case 1: screen.KeyPress(keys[pick(6)]); break;
        case 2: screen.Click(x, y); break;
        case 3:  // a press dragged past an edge, a row at a time
          screen.MouseDown(x, y);
          screen.MouseMove(x, pick(2) ? kListY - 5 : kListY + height + 5);
          screen.PumpUntilIdle();
          screen.MouseUp(x, y);
          break;
        case 4:
          screen.Click(barX, y);
          screen.AdvanceTime(1000);
          break;
        case 5: Send(LB_SETTOPINDEX, WPARAM(pick(60))); break;
        default: Send(LB_SETCURSEL, WPARAM(pick(61) - 1)); break;
      }
      screen.PumpUntilIdle();
      const std::vector<COLORREF> scrolled = Colors(ScreenPart(screen, shown));
      InvalidateRect(list, nullptr, FALSE);
      screen.PumpUntilIdle();
      ASSERT_EQ(scrolled, Colors(ScreenPart(screen, shown)))
          << "seed " << kSeed << ", step " << step << ", op " << op;
    }
    DestroyWindow(parent);
  }
}

}  // namespace
}  // namespace trellis::test
