#include <gtest/gtest.h>

#include <climits>

#include "tests/tree/StoreUnderTest.h"

namespace {

std::vector<CString> TextsById(const StoreUnderTest& store) {
  std::vector<CString> texts;
  for (const _TREE_ITEM& item : store.m_vecItems) texts.push_back(item.strText);
  return texts;
}

_TREE_ITEM_TIP TipFor(int id, const wchar_t* text) {
  _TREE_ITEM_TIP tip;
  tip.nItemID = id;
  tip.strTip = text;
  return tip;
}

// a(1) { b(2) { d(4) { g(7) } }, c(3) }, e(5) { f(6) }, h(8) under b, i(9) under e.
struct DeleteTree : StoreUnderTest {
  DeleteTree() {
    Add(0, L"a");
    Add(1, L"b");
    Add(1, L"c");
    Add(2, L"d");
    Add(0, L"e");
    Add(5, L"f");
    Add(4, L"g");
    Add(2, L"h");
    Add(5, L"i");
  }
};

TEST(TreeDelete, RemovingChildrenTakesTheirBranchesAndClosesUpTheIds) {
  DeleteTree store;
  store.OpenAll();
  ASSERT_EQ(store.DelItemChild(1), 1);
  EXPECT_EQ(store.GetItem(), 5);
  EXPECT_EQ(TextsById(store), (std::vector<CString>{L"", L"a", L"e", L"f", L"i"}));
  EXPECT_EQ(store.Item(1).nChildCount, 0);
  EXPECT_EQ(store.Item(1).nOpen, 0);
  EXPECT_EQ(store.Item(3).nParentID, 2);
  EXPECT_EQ(store.m_vecChildren[2], (std::vector<int>{3, 4}));
  EXPECT_EQ(store.m_vecShowItems, (std::vector<int>{1, 2, 3, 4}));
  ExpectConsistent(store);
}

TEST(TreeDelete, RemovingOneItemClosesUpItsSiblings) {
  DeleteTree store;
  store.DelItemValue(2);
  EXPECT_EQ(TextsById(store), (std::vector<CString>{L"", L"a", L"c", L"e", L"f", L"i"}));
  EXPECT_EQ(store.Item(2).nIndex, 0);
  EXPECT_EQ(store.Item(1).nChildCount, 1);
  ExpectConsistent(store);
  store.DelItemValue(1);
  EXPECT_EQ(TextsById(store), (std::vector<CString>{L"", L"e", L"f", L"i"}));
  EXPECT_EQ(store.Item(1).nIndex, 0);
  ExpectConsistent(store);
}

TEST(TreeDelete, FocusHoverAndTipsFollowTheirItems) {
  DeleteTree store;
  store.m_nFocusItem = 7;  // g goes: the focus moves to b, whose children go
  store.m_nHoverItem = 4;
  store.SetTipsValue({TipFor(7, L"g"), TipFor(6, L"f"), TipFor(3, L"c"), TipFor(9, L"i")});
  ASSERT_EQ(store.DelItemChild(2), 1);
  EXPECT_EQ(store.GetFocusItem(), 2);
  EXPECT_EQ(store.GetHoverItem(), -1);
  ASSERT_EQ(store.m_vecTips.size(), 3u);
  for (const _TREE_ITEM_TIP& tip : store.m_vecTips)
    EXPECT_EQ(store.Item(tip.nItemID).strText, tip.strTip);
  ExpectConsistent(store);

  store.m_nFocusItem = 6;  // i: renumbered, not moved
  store.m_nHoverItem = 5;  // f
  ASSERT_EQ(store.DelItemChild(1), 1);
  EXPECT_EQ(store.Item(store.GetFocusItem()).strText, L"i");
  EXPECT_EQ(store.Item(store.GetHoverItem()).strText, L"f");
}

TEST(TreeDelete, RemovingAFocusedTopLevelItemLeavesNoFocus) {
  DeleteTree store;
  store.m_nFocusItem = 5;
  store.DelItemValue(5);
  EXPECT_EQ(store.GetFocusItem(), 0);
}

TEST(TreeDelete, DeletingEverythingGivesAFreshTree) {
  DeleteTree store;
  store.OpenAll();
  store.m_nFocusItem = 8;
  store.m_nHoverItem = 8;
  store.m_nFirstShow = 3;
  store.SetTipsValue({TipFor(8, L"h")});
  store.CalcShowItems();
  store.DelAllItems();
  EXPECT_EQ(store.GetItem(), 1);
  EXPECT_EQ(store.m_nShowCount, 0);
  EXPECT_EQ(store.m_nFirstShow, 0);
  EXPECT_EQ(store.GetFocusItem(), 1);
  EXPECT_EQ(store.GetHoverItem(), -1);
  EXPECT_TRUE(store.m_vecTips.empty());
  ExpectConsistent(store);
  EXPECT_EQ(store.Add(0), 1);
}

}  // namespace
