// The platform's list box as a program and a user meet it: its messages and refusals, the
// notifications its parent receives, mouse, keys, typing and the wheel through the headless
// screen, and the pixels of its rows.
#include <algorithm>
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
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kHighlight = RGB(0, 120, 215);

class ListBoxTest : public WindowTest {
 protected:
  // A parent at screen (100, 100) and a list in it at (10, 10), 200 x `height`, `rows` rows
  // "Row 0", "Row 1", ... of kRowHeight pixels.
  HWND MakeList(DWORD style, int rows, int height = 10 * kRowHeight) {
    parent = Make(WS_POPUP | WS_VISIBLE, {100, 100, 400, 400});
    list = CreateWindowExW(0, WC_LISTBOXW, nullptr, WS_CHILD | WS_VISIBLE | style, 10, 10, 200,
                           height, parent, reinterpret_cast<HMENU>(UINT_PTR(kListId)), nullptr,
                           nullptr);
    EXPECT_NE(list, nullptr);
    Send(LB_SETITEMHEIGHT, 0, kRowHeight);
    for (int i = 0; i < rows; ++i) Add(L"Row " + std::to_wstring(i));
    screen.PumpUntilIdle();
    ClearLog();
    return list;
  }
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return SendMessageW(list, message, wParam, lParam);
  }
  LRESULT Add(const std::wstring& text) {
    return Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
  }
  std::wstring Text(int index) {
    wchar_t buffer[64] = {};
    return Send(LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(buffer)) == LB_ERR ? L"<err>"
                                                                                       : buffer;
  }
  // Screen point of a row's left part.
  POINT RowPoint(int visibleRow) { return {100 + 10 + 30, 100 + 10 + visibleRow * kRowHeight + 5}; }
  // The notification codes the parent received from the list, in order.
  std::vector<WORD> Notifications() {
    std::vector<WORD> codes;
    for (const Logged& l : Received({WM_COMMAND}))
      if (l.hwnd == parent && LOWORD(l.wParam) == kListId && HWND(l.lParam) == list)
        codes.push_back(HIWORD(l.wParam));
    return codes;
  }

  HWND parent = nullptr;
  HWND list = nullptr;
};

TEST_F(ListBoxTest, RefusesBadIndexesWithLbErrAndChangesNothing) {
  MakeList(LBS_NOTIFY | LBS_HASSTRINGS, 3);
  Send(LB_SETCURSEL, 1);
  wchar_t buffer[64];
  RECT rect;
  const std::wstring text = L"x";
  for (int bad : {-1, 3, INT_MIN, INT_MAX}) {
    SCOPED_TRACE(bad);
    const WPARAM i = WPARAM(bad);
    EXPECT_EQ(Send(LB_DELETESTRING, i), LB_ERR);
    EXPECT_EQ(Send(LB_GETTEXT, i, LPARAM(buffer)), LB_ERR);
    EXPECT_EQ(Send(LB_GETTEXTLEN, i), LB_ERR);
    EXPECT_EQ(Send(LB_SETTOPINDEX, i), LB_ERR);
    EXPECT_EQ(Send(LB_GETITEMRECT, i, LPARAM(&rect)), LB_ERR);
    if (bad != -1) {
      EXPECT_EQ(Send(LB_SETCURSEL, i), LB_ERR);
      EXPECT_EQ(Send(LB_GETCURSEL), 1);
    }
    if (bad != -1 && bad != 3) {
      EXPECT_EQ(Send(LB_INSERTSTRING, i, LPARAM(text.c_str())), LB_ERR);
    }
  }
  EXPECT_EQ(Send(LB_GETCOUNT), 3);
  // Null strings and null buffers.
  EXPECT_EQ(Send(LB_ADDSTRING, 0, 0), LB_ERR);
  EXPECT_EQ(Send(LB_INSERTSTRING, 0, 0), LB_ERR);
  EXPECT_EQ(Send(LB_GETTEXT, 0, 0), LB_ERR);
  EXPECT_EQ(Send(LB_GETITEMRECT, 0, 0), LB_ERR);
  EXPECT_EQ(Send(LB_GETCOUNT), 3);
  // Heights a fixed row cannot have.
  for (int bad : {0, 256, 0x10000}) EXPECT_EQ(Send(LB_SETITEMHEIGHT, 0, bad), LB_ERR);
  EXPECT_EQ(Send(LB_GETITEMHEIGHT), kRowHeight);
  // -1 clears the selection and still answers LB_ERR, as the platform documents.
  EXPECT_EQ(Send(LB_SETCURSEL, WPARAM(-1)), LB_ERR);
  EXPECT_EQ(Send(LB_GETCURSEL), LB_ERR);
  // None of it was the user's doing: no notifications.
  EXPECT_TRUE(Notifications().empty());
}

TEST_F(ListBoxTest, GeometryMessages) {
  MakeList(LBS_HASSTRINGS, 30);
  RECT rect{};
  ASSERT_EQ(Send(LB_GETITEMRECT, 2, LPARAM(&rect)), 1);
  EXPECT_EQ(rect.top, 2 * kRowHeight);
  EXPECT_EQ(rect.bottom, 3 * kRowHeight);
  EXPECT_EQ(rect.right, 200);
  // Selecting a row below the view scrolls it in as the last whole row.
  EXPECT_EQ(Send(LB_SETCURSEL, 15), 15);
  EXPECT_EQ(Send(LB_GETTOPINDEX), 6);
  EXPECT_EQ(Send(LB_SETTOPINDEX, 25), LB_OKAY);
  EXPECT_EQ(Send(LB_GETTOPINDEX), 20);  // the last page stays full
  ASSERT_EQ(Send(LB_GETITEMRECT, 19, LPARAM(&rect)), 1);
  EXPECT_EQ(rect.top, -kRowHeight);

  // Which row a point hits is the model's; the message packs "outside" into the high word.
  EXPECT_EQ(Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 45)), MAKELONG(22, 0));
  EXPECT_EQ(Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(300, 45)), MAKELONG(22, 1));
  Send(LB_RESETCONTENT);
  EXPECT_EQ(Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 5)), 0x1FFFF);
}

TEST_F(ListBoxTest, ClickSelectsFocusesAndNotifiesAtTheRelease) {
  MakeList(LBS_NOTIFY | LBS_HASSTRINGS, 5);
  const POINT p = RowPoint(2);
  screen.MouseDown(p.x, p.y);
  screen.PumpUntilIdle();
  EXPECT_EQ(Send(LB_GETCURSEL), 2);
  EXPECT_EQ(GetFocus(), list);
  EXPECT_EQ(GetCapture(), list);
  EXPECT_EQ(Notifications(), std::vector<WORD>{LBN_SETFOCUS});
  // Dragging moves the selection with the pointer.
  screen.MouseMove(p.x, RowPoint(4).y);
  screen.PumpUntilIdle();
  EXPECT_EQ(Send(LB_GETCURSEL), 4);
  screen.MouseUp(p.x, RowPoint(4).y);
  screen.PumpUntilIdle();
  EXPECT_EQ(GetCapture(), nullptr);
  EXPECT_EQ(Notifications(), (std::vector<WORD>{LBN_SETFOCUS, LBN_SELCHANGE}));
  // A double click tells the parent; its second press selects nothing new.
  screen.AdvanceTime(GetDoubleClickTime() + 1);
  ClearLog();
  screen.Click(p.x, p.y);
  screen.Click(p.x, p.y);
  screen.PumpUntilIdle();
  EXPECT_EQ(Notifications(), (std::vector<WORD>{LBN_SELCHANGE, LBN_DBLCLK}));
  EXPECT_EQ(Send(LB_GETCURSEL), 2);
}

// Where each key goes is ListBoxModel.NavigationKeys' table; here keys reach it, the view follows,
// and only keys that changed the selection are reported.
TEST_F(ListBoxTest, KeysMoveTheSelectionAndScrollIt) {
  MakeList(LBS_NOTIFY | LBS_HASSTRINGS, 50);  // ten rows to a page
  SetFocus(list);
  const struct {
    UINT vk;
    int selected, top;
  } steps[] = {{VK_DOWN, 0, 0}, {VK_NEXT, 9, 0}, {VK_DOWN, 10, 1}, {VK_END, 49, 40},
               {VK_DOWN, 49, 40}};
  for (const auto& s : steps) {
    screen.KeyPress(s.vk);
    screen.PumpUntilIdle();
    EXPECT_EQ(Send(LB_GETCURSEL), s.selected) << s.vk;
    EXPECT_EQ(Send(LB_GETTOPINDEX), s.top) << s.vk;
  }
  const std::vector<WORD> codes = Notifications();
  EXPECT_EQ(std::count(codes.begin(), codes.end(), LBN_SELCHANGE), 4);
}

TEST_F(ListBoxTest, WithVScrollAChildBarAppearsWhenRowsDoNotFit) {
  MakeList(LBS_HASSTRINGS | WS_VSCROLL, 5);
  const platform::Window* w = platform::FindWindowObject(list);
  ASSERT_EQ(w->children.size(), 1u);
  HWND bar = w->children.front()->Handle();
  EXPECT_FALSE(IsWindowVisible(bar));
  RECT rect{};
  Send(LB_GETITEMRECT, 0, LPARAM(&rect));
  EXPECT_EQ(rect.right, 200);
  for (int i = 5; i < 30; ++i) Add(L"More " + std::to_wstring(i));
  screen.PumpUntilIdle();
  EXPECT_TRUE(IsWindowVisible(bar));
  const int barWidth = GetSystemMetrics(SM_CXVSCROLL);
  Send(LB_GETITEMRECT, 0, LPARAM(&rect));
  EXPECT_EQ(rect.right, 200 - barWidth);
  // Its down arrow scrolls the list; the bar follows the list.
  screen.Click(100 + 10 + 200 - barWidth / 2, 100 + 10 + 10 * kRowHeight - 3);
  screen.PumpUntilIdle();
  EXPECT_EQ(Send(LB_GETTOPINDEX), 1);
  Send(LB_SETTOPINDEX, 12);
  SCROLLINFO si{sizeof(si), SIF_POS | SIF_PAGE | SIF_RANGE, 0, 0, 0, 0, 0};
  ASSERT_TRUE(GetScrollInfo(bar, SB_CTL, &si));
  EXPECT_EQ(si.nPos, 12);
  EXPECT_EQ(si.nPage, 10u);
  EXPECT_EQ(si.nMax, 29);
  Send(LB_RESETCONTENT);
  EXPECT_FALSE(IsWindowVisible(bar));
}

// WM_VSCROLL carries 16 bits of position: a long list reads its own bar's whole track position.
TEST_F(ListBoxTest, ThumbDragsReachEveryRowOfALongList) {
  MakeList(LBS_HASSTRINGS | WS_VSCROLL, 100000);
  Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 40000));
  EXPECT_EQ(Send(LB_GETTOPINDEX), 40000);
  Send(LB_SETTOPINDEX, 0);
  screen.PumpUntilIdle();
  const int barX = 100 + 10 + 200 - GetSystemMetrics(SM_CXVSCROLL) / 2;
  const int thumbY = 100 + 10 + GetSystemMetrics(SM_CXVSCROLL) + 2;
  screen.MouseDown(barX, thumbY);
  screen.MouseMove(barX, 100 + 10 + 10 * kRowHeight + 50);
  screen.PumpUntilIdle();
  EXPECT_EQ(Send(LB_GETTOPINDEX), 100000 - 10);
  screen.MouseUp(barX, 100 + 10 + 10 * kRowHeight + 50);
  screen.PumpUntilIdle();
  EXPECT_EQ(Send(LB_GETTOPINDEX), 100000 - 10);
}

}  // namespace
}  // namespace trellis::test
