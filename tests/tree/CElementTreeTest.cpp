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

}  // namespace
