// CListBox and CScrollBar: the wrappers' results, and owner drawing reflected through CWnd so
// that the list box object draws its own rows.
#include <vector>

#include "platform/mfc/CListBox.h"
#include "platform/mfc/CScrollBar.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

constexpr int kRowHeight = 18;
constexpr COLORREF kRowColor = RGB(200, 230, 200);
constexpr COLORREF kSelectedColor = RGB(40, 90, 160);
constexpr COLORREF kFocusMark = RGB(250, 0, 0);
constexpr COLORREF kDisabledColor = RGB(128, 128, 128);

// Draws each row in one colour per state, and a mark at its left edge when it has the focus.
class ColourList : public CListBox {
 public:
  void DrawItem(LPDRAWITEMSTRUCT dis) override {
    drawn.push_back(*dis);
    const COLORREF fill = (dis->itemState & ODS_DISABLED)   ? kDisabledColor
                          : (dis->itemState & ODS_SELECTED) ? kSelectedColor
                                                            : kRowColor;
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(dis->hDC, &dis->rcItem, brush);
    DeleteObject(brush);
    if (dis->itemState & ODS_FOCUS) {
      RECT mark = dis->rcItem;
      mark.right = mark.left + 3;
      brush = CreateSolidBrush(kFocusMark);
      FillRect(dis->hDC, &mark, brush);
      DeleteObject(brush);
    }
  }
  std::vector<DRAWITEMSTRUCT> drawn;
};

class CListBoxTest : public WindowTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 50, 50, 300, 300, nullptr,
                                nullptr));
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
                            CRect(0, 0, 200, 10 * kRowHeight), &parent, 4096));
    list.SetItemHeight(0, kRowHeight);
  }
  COLORREF RowPixel(int visibleRow, int x = 100) {
    return screen.PixelAt(50 + x, 50 + visibleRow * kRowHeight + kRowHeight / 2);
  }

  CWnd parent;
  ColourList list;
};

TEST_F(CListBoxTest, OwnerDrawnRowsReachDrawItemWithTheirStates) {
  for (int i = 0; i < 4; ++i) list.AddString(L"row");
  list.SetCurSel(2);
  screen.PumpUntilIdle();
  EXPECT_EQ(RowPixel(0), kRowColor);
  EXPECT_EQ(RowPixel(2), kSelectedColor);
  ASSERT_FALSE(list.drawn.empty());
  const DRAWITEMSTRUCT& dis = list.drawn.back();
  EXPECT_EQ(dis.CtlType, ODT_LISTBOX);
  EXPECT_EQ(dis.CtlID, 4096u);
  EXPECT_EQ(dis.hwndItem, list.m_hWnd);
  EXPECT_EQ(dis.itemAction, UINT(ODA_DRAWENTIRE));

  // A click focuses the list: the caret row carries the focus state.
  screen.Click(60, 50 + kRowHeight + 3);
  screen.PumpUntilIdle();
  EXPECT_EQ(list.GetCurSel(), 1);
  EXPECT_EQ(RowPixel(1), kSelectedColor);
  EXPECT_EQ(RowPixel(1, 1), kFocusMark);
  EXPECT_EQ(RowPixel(2), kRowColor);

  list.EnableWindow(FALSE);
  screen.PumpUntilIdle();
  EXPECT_EQ(RowPixel(0), kDisabledColor);
  EXPECT_EQ(RowPixel(1), kDisabledColor);
}

TEST_F(CListBoxTest, PaintingDrawsOnlyTheRowsThatShow) {
  for (int i = 0; i < 100000; ++i) list.AddString(L"row");
  screen.PumpUntilIdle();
  list.drawn.clear();
  list.Invalidate();
  screen.PumpUntilIdle();
  EXPECT_EQ(list.drawn.size(), 10u);
  // Scrolling one row repaints the rows that show, no others.
  list.drawn.clear();
  list.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_LINEDOWN, 0));
  screen.PumpUntilIdle();
  ASSERT_EQ(list.drawn.size(), 10u);
  EXPECT_EQ(list.drawn.front().itemID, 1u);
  EXPECT_EQ(list.drawn.back().itemID, 10u);
  // Rows appended below the view cost no painting.
  list.drawn.clear();
  list.AddString(L"more");
  screen.PumpUntilIdle();
  EXPECT_TRUE(list.drawn.empty());
}

}  // namespace
}  // namespace trellis::test
