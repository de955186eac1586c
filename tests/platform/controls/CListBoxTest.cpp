// CListBox with owner drawing reflected through CWnd, so that the list box object draws its own
// rows: only the rows that show are ever drawn, however long the list.
#include <vector>

#include "platform/mfc/CListBox.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

class CountingList : public CListBox {
 public:
  void DrawItem(LPDRAWITEMSTRUCT dis) override { drawn.push_back(*dis); }
  std::vector<DRAWITEMSTRUCT> drawn;
};

using CListBoxTest = WindowTest;

TEST_F(CListBoxTest, PaintingDrawsOnlyTheRowsThatShow) {
  CWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 50, 50, 300, 300, nullptr,
                              nullptr));
  CountingList list;
  ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY,
                          CRect(0, 0, 200, 180), &parent, 4096));
  list.SetItemHeight(0, 18);
  for (int i = 0; i < 100000; ++i) list.AddString(L"row");
  screen.PumpUntilIdle();
  list.drawn.clear();
  list.Invalidate();
  screen.PumpUntilIdle();
  ASSERT_EQ(list.drawn.size(), 10u);
  const DRAWITEMSTRUCT& dis = list.drawn.back();
  EXPECT_EQ(dis.CtlType, ODT_LISTBOX);
  EXPECT_EQ(dis.CtlID, 4096u);
  EXPECT_EQ(dis.hwndItem, list.m_hWnd);
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
