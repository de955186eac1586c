// The platform's list box as a program and a user meet it: its messages and refusals, the
// notifications its parent does not receive, and its own scroll bar. Keys, hover and the wheel reach it
// through the drop list's tests; where rows go is the model's random sequence.
#include <climits>
#include <string>

#include "platform/win32/WinListBox.h"
#include "platform/win32/WinScrollBar.h"
#include "platform/window/Window.h"
#include "tests/platform/window/WindowTesting.h"

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

}  // namespace
}  // namespace trellis::test
