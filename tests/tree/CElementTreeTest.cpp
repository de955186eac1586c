#include <gtest/gtest.h>

#include "tree/CElementTree.h"

namespace {

// The table is read at each insert: earlier items keep the colours they were given.
TEST(ElementTree, NewItemsTakeTheirColoursFromTheColourTable) {
  CElementTree tree;
  tree.SetColor(RGB(200, 210, 220), COLOR_PART_PANEL, COLOR_STATE_NORMAL);
  _TREE_ITEM first, second, stored;
  tree.SetColor(RGB(10, 20, 30), COLOR_PART_TEXT, COLOR_STATE_NORMAL);
  tree.InsertItem(first, nullptr);
  tree.SetColor(RGB(1, 1, 1), COLOR_PART_TEXT, COLOR_STATE_NORMAL);
  tree.InsertItem(second, &first);
  EXPECT_EQ(std::vector<COLORREF>({first.clrBkFrom, first.clrBkTo, second.clrText}),
            std::vector<COLORREF>({RGB(200, 210, 220), RGB(200, 210, 220), RGB(1, 1, 1)}));
  ASSERT_EQ(tree.GetItemById(1, stored), 1);
  EXPECT_EQ(stored.clrText, RGB(10, 20, 30));
}

TEST(ElementTree, ACopyHasItsOwnItems) {
  CElementTree tree;
  _TREE_ITEM top, child;
  tree.InsertItem(top, nullptr);
  tree.InsertItem(child, &top);
  tree.SetItemCheck(child.nID, TREE_CHECK_YES);
  CElementTree copy(tree);
  tree.DelItemChild(top.nID);
  EXPECT_EQ(tree.GetItem(), 2);
  EXPECT_EQ(copy.GetItem(), 3);
  std::vector<_TREE_ITEM> checked;
  copy.GetCheckedItems(checked);
  ASSERT_EQ(checked.size(), 2u);
  EXPECT_EQ(checked[1].nID, child.nID);
  copy = tree;
  EXPECT_EQ(copy.GetItem(), 2);
}

}  // namespace
