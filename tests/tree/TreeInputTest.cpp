// Clicks, double clicks, keys, hover and tips of the tree, through the host window.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/tree/TreeFixture.h"
#include "tree/CTreeTipWnd.h"

namespace trellis::test {
namespace {

class TreeInput : public TreeFixture {};

// A box click sets the boxes of the item, its descendants and ancestors, and lays out nothing
// (a host's insert stays pending). It paints the rows from the parent to the last grandchild
// alone (a moved row or thumb would paint more), as a whole repaint shows them; a row that gained
// a box measures its text room again. Clicks cycle a box off, on, off; a half-checked one to off.
TEST_F(TreeInput, ClicksOnBoxesCycleThemRepaintTheirRowsAndLayOutNothing) {
  Make(240, 205);
  // Item 8 on top in row 0; 9, clicked, under it; 10 (no box yet) and 11 under 9; 12 in row 4.
  Fill(6, 2, 2, TREE_CHECK_NO);
  tree->SetItemCheck(10, TREE_CHECK_NONE);
  tree->OpenAll();
  tree->SetFirstShow(7);
  tree->RecalcAndRefresh();
  const int room = ItemById(*tree, 10).nTextLeave;
  _TREE_ITEM pending;
  tree->InsertItem(pending, nullptr);
  Pump();
  tree->painted = CRect();
  ClickAt(CheckPoint(1));
  EXPECT_EQ(notices.size(), 1u);
  EXPECT_EQ(ItemById(*tree, 8).eCheck, TREE_CHECK_YES_HALF);
  EXPECT_EQ(ItemById(*tree, 10).nTextLeave, room - CTreeItem::kCheckRoom);
  EXPECT_EQ(tree->GetShowCount(), 42);  // six families of seven, not the pending item
  const CRect& last = tree->GetShowRects()[3];
  EXPECT_EQ(tree->painted, CRect(0, 0, last.right, last.bottom));
  const CRect whole(CPoint(), tree->GetContainerRect().Size());
  const std::vector<COLORREF> partly = Shown(*tree, whole);
  tree->InvalidContainerRect(0, nullptr);
  EXPECT_EQ(Shown(*tree, whole), partly);

  // The row clicked next, its item's state after, item 8's state after.
  const std::tuple<int, TREE_ITEM_CHECK, TREE_ITEM_CHECK> kSteps[] = {
      {4, TREE_CHECK_YES, TREE_CHECK_YES}, {1, TREE_CHECK_NO, TREE_CHECK_YES_HALF},
      {0, TREE_CHECK_NO, TREE_CHECK_NO}, {0, TREE_CHECK_YES, TREE_CHECK_YES}};
  for (const auto& [row, own, top] : kSteps) {
    ClickAt(CheckPoint(row));
    EXPECT_EQ(ItemById(*tree, tree->ShownIds()[7 + row]).eCheck, own) << "row " << row;
    EXPECT_EQ(ItemById(*tree, 8).eCheck, top) << "row " << row;
  }
}

// A press on a row focuses it, and keys move the focus on, saying what they did. The tree acts
// on the press and holds nothing: a click on the scroll bar's track then reaches the bar.
TEST_F(TreeInput, APressAndKeysMoveTheFocusAndThePressHoldsNothing) {
  Make(240, 205);
  Fill(30);
  ClickAt(TextPoint(9));  // the last full row
  // The key, the focus and first row after it, and whether the parent heard of it.
  const std::tuple<UINT, int, int, bool> steps[] = {
      {VK_DOWN, 11, 1, false},   // the next row is cut: one line down, nothing said
      {VK_UP, 10, 1, true},      {VK_PRIOR, 2, 1, true},  // to the first row
      {VK_UP, 1, 0, false},      // the first row: one line up
      {VK_NEXT, 10, 0, true},    // from the middle: the last full row, no scrolling
      {VK_NEXT, 20, 10, true},   {VK_END, 30, 20, true},  {VK_DOWN, 30, 20, false},
      {VK_HOME, 1, 0, true},     {VK_DOWN, 2, 0, true},   {'A', 2, 0, true},
  };
  for (const auto& [key, focus, first, notified] : steps) {
    const std::size_t before = notices.size();
    Key(key);
    EXPECT_EQ(tree->GetFocusItem(), focus) << "key " << key;
    EXPECT_EQ(tree->GetFirstShow(), first) << "key " << key;
    EXPECT_EQ(notices.size(), before + (notified ? 1 : 0)) << "key " << key;
  }
  CVerticalScrollbar& bar = *tree->GetVScroll();
  Click(bar, 4, bar.GetDrawRect().bottom - 20);
  EXPECT_EQ(tree->GetFirstShow(), 10);
  // The focus above the screen: another key leaves the view, Page Up takes the first row.
  tree->SetFocus();
  for (const auto& [key, focus] : {std::pair<UINT, int>{'A', 2}, {VK_PRIOR, 11}}) {
    Key(key);
    EXPECT_EQ(std::pair(tree->GetFocusItem(), tree->GetFirstShow()), std::pair(focus, 10)) << key;
  }
}

class TreeTips : public TreeFixture {
 protected:
  static constexpr const wchar_t* kCut = L"A text far too long for the width of this little tree";
  void SetUp() override {
    Make(200, 205, TREE_STYLE_FLAT);
    _TREE_ITEM own{.strText = L"Own tip", .bHaveTip = 1}, cut{.strText = kCut};
    tree->InsertItem(own, nullptr);
    tree->InsertItem(cut, nullptr);
    tree->SetTipsValue({{.nItemID = own.nID, .strTip = L"Tip", .vecTipLines = {L"second line"},
                         .vecTipTable = {{L"a", L"b"}, {L"cc", L"d"}}}});
    tree->RecalcAndRefresh();
    Pump();
  }
  // The tip after the pointer rests on row `row`.
  CTreeTipWnd* RestOn(int row) {
    MoveTo(parent, 390, 290);
    MoveTo(*tree, 40, row * 20 + 10);
    Advance(CElementTree::kTipDelay - 1);
    Pump();
    EXPECT_EQ(tree->GetTipWindow(), nullptr);
    Advance(1);
    Pump();
    return dynamic_cast<CTreeTipWnd*>(CWnd::FromHandlePermanent(tree->GetTipWindow()));
  }
};

// An item's own tip shows beside its row, taking neither focus nor activation; a cut text shows
// whole over its row.
TEST_F(TreeTips, AnItemsOwnTipBesideItsRowACutTextOverIt) {
  CTreeTipWnd* tip = RestOn(0);
  ASSERT_NE(tip, nullptr);
  CRect place;
  tip->GetWindowRect(&place);
  EXPECT_EQ(place.TopLeft(), CPoint(ScreenPoint(*tree, tree->GetShowRects()[0].right + 1, 0)));
  // Text, a line and a table of two rows: four lines.
  EXPECT_EQ(tip->GetLayout().cells.size(), 6u);
  EXPECT_EQ(tip->GetLayout().cells[3].rect.left, tip->GetLayout().cells[5].rect.left);
  EXPECT_NE(::GetFocus(), tip->m_hWnd);
  EXPECT_NE(::GetActiveWindow(), tip->m_hWnd);
  EXPECT_EQ(screen.PixelAt(place.left + 1, place.top + 1), RGB(255, 255, 225));

  tip = RestOn(1);
  ASSERT_NE(tip, nullptr);
  EXPECT_EQ(tip->GetLayout().cells.at(0).text, CString(kCut));
  tip->GetWindowRect(&place);
  EXPECT_EQ(place.top, ScreenPoint(*tree, 0, 20).y);
  EXPECT_EQ(place.Height(), 20);
}

TEST_F(TreeTips, TheTipGoesWhenThePointerOrTheUserMovesOn) {
  const std::function<void()> ways[] = {
      [&] { MoveTo(*tree, 40, 30); },         [&] { MoveTo(parent, 390, 290); },
      [&] { Click(*tree, 40, 10); },          [&] { Key(VK_DOWN); },
      [&] { screen.MouseWheel(-WHEEL_DELTA), Pump(); },
      [&] { screen.KeyboardFocus(false), screen.KeyboardFocus(true), Pump(); },  // another program
      [&] { tree->ReleaseObject(); },
  };
  for (const auto& way : ways) {
    ASSERT_NE(RestOn(0), nullptr);
    way();
    EXPECT_EQ(tree->GetTipWindow(), nullptr);
  }
  // A tip still showing goes with its tree.
  _CONTAINER_INFO info = Info(kTreeX, kTreeY, 200, 205);
  tree->InitObject(L"tree", &info);
  RestOn(0);
  const HWND last = tree->GetTipWindow();
  ASSERT_NE(last, nullptr);
  DropTree();
  EXPECT_FALSE(::IsWindow(last));
}

// A turn of the wheel reaches the focused tree from over a pop-up lying on its rows. The hover
// is the pointer's, and the pointer is not on the tree: no tip may open when it moves on.
TEST_F(TreeTips, AWheelTurnedFromOverAPopUpLeavesNoTipBehind) {
  Click(*tree, 40, 30);
  CWnd cover;
  const POINT corner = ScreenPoint(*tree, 0, 0);
  ASSERT_TRUE(cover.CreateEx(WS_EX_TOOLWINDOW, nullptr, L"", WS_POPUP, corner.x, corner.y, 120,
                             60, nullptr, nullptr));
  cover.ShowWindow(SW_SHOWNOACTIVATE);
  const POINT overRow = ScreenPoint(*tree, 40, 10);
  screen.MouseMove(overRow.x, overRow.y);
  screen.MouseWheel(-WHEEL_DELTA);
  Pump();
  cover.DestroyWindow();
  MoveTo(parent, 390, 290);
  Advance(CElementTree::kTipDelay * 2);
  EXPECT_EQ(tree->GetTipWindow(), nullptr);
}

}  // namespace
}  // namespace trellis::test
