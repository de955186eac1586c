// The tree's rows on screen and its scrolling, through the host window.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/tree/TreeFixture.h"

namespace trellis::test {
namespace {

constexpr int kWidth = 200;

class TreeLayout : public TreeFixture {};

// Rows of 20 pixels in a tree 205 pixels high: ten full rows and a cut eleventh. Where the
// scroll bar shows is the random sequences' invariant.
TEST_F(TreeLayout, ScrollRequestsMoveTheFirstRowWithinItsRange) {
  Make(kWidth, 205);
  Fill(30);
  // The first row before, the request, the first row after it.
  const std::tuple<int, int, int> cases[] = {
      {20, SB_LINEDOWN, 20},   {5, SB_LINEUP, 4},     {15, SB_PAGEDOWN, 20},
      {15, SB_PAGEUP, 5},      {15, SB_TOP, 0},       {3, SB_BOTTOM, 20},
      {2, CElementTree::TREE_SCROLL_WHEEL_UP, 0},     {0, CElementTree::TREE_SCROLL_WHEEL_UP, 0},
      {19, CElementTree::TREE_SCROLL_WHEEL_DOWN, 20}, {4, CElementTree::TREE_SCROLL_WHEEL_DOWN, 7},
  };
  for (const auto& [from, code, to] : cases) {
    tree->SetFirstShow(from);
    tree->OnVScroll(code);
    EXPECT_EQ(tree->GetFirstShow(), to) << from << " code " << code;
    EXPECT_EQ(tree->GetVScroll()->GetFirstRow(), to);
  }
}

TEST_F(TreeLayout, RowsAreFoundByHeightAndCountedAbove) {
  Make(kWidth, 205);
  for (int h : {20, 30, 25, 20}) {
    _TREE_ITEM item;
    item.nHeight = h;
    tree->InsertItem(item, nullptr);
  }
  tree->RecalcAndRefresh();
  // The last row's bottom edge still counts.
  for (const auto& [y, row] : {std::pair{19, 0}, {20, 1}, {50, 2}, {95, 3}, {96, -1}})
    EXPECT_EQ(tree->CalcPointItemPos(y), row) << y;
  EXPECT_EQ(tree->GetScrollPix(), 0);
  tree->SetFirstShow(3);
  EXPECT_EQ(tree->GetScrollPix(), 75);
}

// A click on the bar's track pages down; what the bar reports is clamped to the rows.
TEST_F(TreeLayout, TheScrollBarScrollsTheTreeWithinItsRows) {
  Make(kWidth, 205);
  Fill(30);
  CVerticalScrollbar& bar = *tree->GetVScroll();
  Click(bar, 4, bar.GetDrawRect().bottom - 20);
  EXPECT_EQ(tree->GetFirstShow(), 10);
  for (const auto& [report, first] : {std::pair{1000, 20}, {-5, 0}, {7, 7}}) {
    tree->OnControlMessage(0, WM_ELEMENT_VSCROLL, VSCROLL_REPORT_FIRST_ROW, report);
    EXPECT_EQ(tree->GetFirstShow(), first) << report;
  }
}

// Whatever first row the rules give, the focus ends on a full row.
TEST_F(TreeLayout, TheFocusEndsOnScreen) {
  Make(kWidth, 205);
  Fill(100);
  // A top-level focus far down: the rule for a top-level focus would show the last page.
  tree->SetFocusItem(21);
  EXPECT_LE(tree->GetFirstShow(), 20);
  EXPECT_GT(tree->GetFirstShow() + tree->GetPageCount(), 20);
  // Where the rule already shows it, its result stays: the last page for a focus on it.
  tree->SetFocusItem(95);
  EXPECT_EQ(tree->GetFirstShow(), 90);

  // Wheeled far above the focus, then Down: the new focus shows, not just a page further.
  tree->SetFocusItem(50);
  MoveTo(*tree, 50, 50);
  for (int notch = 0; notch < 10; ++notch) screen.MouseWheel(WHEEL_DELTA), Pump();
  ASSERT_LT(tree->GetFirstShow() + tree->GetPageCount(), 49);
  Key(VK_DOWN);
  EXPECT_EQ(tree->GetFocusItem(), 51);
  EXPECT_LE(tree->GetFirstShow(), 50);
  EXPECT_GT(tree->GetFirstShow() + tree->GetPageCount(), 50);

  // Home with the focus among the first page but the screen scrolled down.
  tree->SetFocusItem(6);
  tree->SetFirstShow(3);
  tree->RecalcAndRefresh();
  Key(VK_HOME);
  EXPECT_EQ(tree->GetFocusItem(), 1);
  EXPECT_EQ(tree->GetFirstShow(), 0);
}

TEST_F(TreeLayout, RowsTallerThanTheTreeStillShowTheFocus) {
  Make(kWidth, 50);
  Fill(10, 0, 0, TREE_CHECK_NONE, 80);
  EXPECT_EQ(tree->GetPageCount(), 0);
  tree->SetFocusItem(5);
  tree->ResetScrollPos(0);
  EXPECT_EQ(tree->GetFirstShow(), 4);
}

}  // namespace
}  // namespace trellis::test
