#include <gtest/gtest.h>

#include <climits>

#include "tests/tree/StoreUnderTest.h"

namespace {

constexpr int kBadIds[] = {-1, INT_MIN, INT_MAX, 99};

// A 1 { 2 { 4 }, 3 }, 5 { 6 } tree, texts "a" to "f" by id.
struct SmallTree : StoreUnderTest {
  SmallTree() {
    Add(0, L"a");
    Add(1, L"b");
    Add(1, L"c");
    Add(2, L"d");
    Add(0, L"e");
    Add(5, L"f");
  }
};

TEST(TreeStore, InsertAssignsIdsAndWritesThemBack) {
  StoreUnderTest store;
  _TREE_ITEM top;
  top.nOpen = 1;  // the caller's structure fields are overwritten
  top.nChildCount = 7;
  top.eCheck = TREE_CHECK_YES;  // the caller's state is kept
  ASSERT_EQ(store.InsertItem(top, nullptr, kDefaultColors), 1);
  EXPECT_EQ(top.nID, 1);
  EXPECT_EQ(top.nLevel, 0);
  EXPECT_EQ(top.nIndex, 0);
  EXPECT_EQ(top.nParentID, 0);
  EXPECT_EQ(top.nOpen, 0);
  EXPECT_EQ(top.nChildCount, 0);
  EXPECT_EQ(store.Check(1), TREE_CHECK_YES);
  EXPECT_EQ(store.m_vecItems[0].nChildCount, 1);

  EXPECT_EQ(store.Add(1), 2);
  EXPECT_EQ(store.Add(1), 3);
  EXPECT_EQ(store.m_vecChildren[1], (std::vector<int>{2, 3}));
  ExpectConsistent(store);  // levels, indexes and counts
}

// A parent naming the root gives a top-level item, level 0 like one inserted with no parent; a
// parent naming no record is refused.
TEST(TreeStore, InsertChecksItsParent) {
  SmallTree store;
  _TREE_ITEM root, item;
  ASSERT_EQ(store.InsertItem(item, &root, kDefaultColors), 1);
  EXPECT_EQ(item.nLevel, 0);
  for (int bad : {-1, 8, INT_MIN, INT_MAX}) {
    _TREE_ITEM parent;
    parent.nID = bad;
    EXPECT_EQ(store.InsertItem(item, &parent, kDefaultColors), 0);
    EXPECT_EQ(item.nID, -1);
  }
  EXPECT_EQ(store.GetItem(), 8);
  ExpectConsistent(store);
}

TEST(TreeStore, UnsetColoursComeFromTheDefaults) {
  StoreUnderTest store;
  _TREE_ITEM plain, halfBackground, chosen;
  halfBackground.clrBkFrom = RGB(9, 9, 9);
  chosen.clrText = RGB(7, 7, 7);
  chosen.clrBkFrom = chosen.clrBkTo = RGB(8, 8, 8);
  store.InsertItem(plain, nullptr, kDefaultColors);
  store.InsertItem(halfBackground, nullptr, kDefaultColors);
  store.InsertItem(chosen, nullptr, kDefaultColors);
  EXPECT_EQ(plain.clrText, kDefaultColors.clrText);
  EXPECT_EQ(plain.clrBkFrom, kDefaultColors.clrPanel);
  EXPECT_EQ(plain.clrBkTo, kDefaultColors.clrPanel);
  EXPECT_EQ(plain.clrTextT, TREE_CLR_UNSET);
  EXPECT_EQ(halfBackground.clrText, kDefaultColors.clrText);
  EXPECT_EQ(halfBackground.clrBkFrom, RGB(9, 9, 9));
  EXPECT_EQ(halfBackground.clrBkTo, TREE_CLR_UNSET);
  EXPECT_EQ(store.Item(3).clrText, RGB(7, 7, 7));
  EXPECT_EQ(store.Item(3).clrBkTo, RGB(8, 8, 8));
}

TEST(TreeStore, ButtonlessAncestorsAreCounted) {
  StoreUnderTest store;
  const int top = store.Add(0, L"", 0);
  const int mid = store.Add(top, L"", 1);
  const int low = store.Add(mid, L"", 0);
  const int leaf = store.Add(low);
  EXPECT_EQ(store.Item(mid).nFatherBtnNoShow, 1);
  EXPECT_EQ(store.Item(leaf).nFatherBtnNoShow, 2);
  EXPECT_EQ(store.GetFatherItemsBtnNoShow(low), 2);
  EXPECT_EQ(store.GetFatherItemsBtnNoShow(leaf), 2);
  EXPECT_EQ(store.GetFatherItemsBtnNoShow(0), 0);
  for (int bad : kBadIds) EXPECT_EQ(store.GetFatherItemsBtnNoShow(bad), 0);
}

TEST(TreeStore, LookUpsRefuseBadIdsAndLeaveTheirOutputs) {
  SmallTree store;
  _TREE_ITEM out;
  out.strText = L"untouched";
  std::vector<int> list{42};
  CString path(L"untouched");
  _TREE_ITEM colours;
  for (int bad : kBadIds) {
    EXPECT_EQ(store.GetItemById(bad, out), 0);
    EXPECT_EQ(store.SetItemByID(bad, &colours), 0);
    for (TREE_ITEM_NEXT what : {TREE_NEXT_ROOT, TREE_NEXT_ITSELF, TREE_NEXT_CHILD})
      EXPECT_EQ(store.GetNextItem(what, bad, out), 0);
    store.GetItemChildItem(bad, list);
    EXPECT_EQ(store.GetItemParentStr(bad, path), 0);
    EXPECT_EQ(store.GetItemInParentPos(bad), -1);
  }
  for (int bad : kBadIds) {
    store.m_nFocusItem = bad;
    store.GetFocusItem(out);
  }
  store.GetItemChildItem(0, list);
  EXPECT_EQ(store.GetItemParentStr(0, path), 0);
  EXPECT_EQ(store.SetItemByID(1, nullptr), 0);
  EXPECT_EQ(out.strText, L"untouched");
  EXPECT_EQ(list, std::vector<int>{42});
  EXPECT_EQ(path, L"untouched");
}

TEST(TreeStore, LookUpsFetchWhatTheyName) {
  SmallTree store;
  _TREE_ITEM out;
  EXPECT_EQ(store.GetNextItem(TREE_NEXT_ROOT, 4, out), 1);
  EXPECT_EQ(out.nID, 0);
  EXPECT_EQ(store.GetNextItem(TREE_NEXT_ITSELF, 0, out), 0);
  EXPECT_EQ(store.GetNextItem(TREE_NEXT_ITSELF, 4, out), 1);
  EXPECT_EQ(out.strText, L"d");
  EXPECT_EQ(store.GetNextItem(TREE_NEXT_CHILD, 1, out), 1);
  EXPECT_EQ(out.nID, 2);
  EXPECT_EQ(store.GetNextItem(TREE_NEXT_CHILD, 0, out), 1);
  EXPECT_EQ(out.nID, 1);
  EXPECT_EQ(store.GetNextItem(TREE_NEXT_CHILD, 3, out), 0);
  EXPECT_EQ(store.GetNextItem(TREE_ITEM_NEXT(3), 1, out), 0);
  EXPECT_EQ(store.GetNextItem(TREE_ITEM_NEXT(INT_MIN), 1, out), 0);

  store.m_nFocusItem = 3;
  store.GetFocusItem(out);
  EXPECT_EQ(out.strText, L"c");

  std::vector<int> list;
  store.GetItemChildItem(1, list);
  EXPECT_EQ(list, (std::vector<int>{2, 3}));

  CString path(L"stale");
  EXPECT_EQ(store.GetItemParentStr(5, path), 1);
  EXPECT_EQ(path, L"");
  EXPECT_EQ(store.GetItemParentStr(4, path), 1);
  EXPECT_EQ(path, L"a.b.");
}

TEST(TreeStore, SetItemByIdCopiesOnlyTheColours) {
  SmallTree store;
  _TREE_ITEM src;
  src.strText = L"other";
  src.nOpen = 1;
  src.clrText = RGB(1, 1, 1);
  src.clrTextT = RGB(2, 2, 2);
  src.clrBkFrom = RGB(3, 3, 3);
  src.clrBkTo = RGB(4, 4, 4);
  EXPECT_EQ(store.SetItemByID(2, &src), 1);
  const _TREE_ITEM& item = store.Item(2);
  EXPECT_EQ(std::vector<COLORREF>({item.clrText, item.clrTextT, item.clrBkFrom, item.clrBkTo}),
            std::vector<COLORREF>({RGB(1, 1, 1), RGB(2, 2, 2), RGB(3, 3, 3), RGB(4, 4, 4)}));
  EXPECT_EQ(item.strText, L"b");
  EXPECT_EQ(item.nOpen, 0);
}

TEST(TreeStore, Relations) {
  SmallTree store;
  EXPECT_EQ(store.IsChildItem(4, 1), 1);
  EXPECT_EQ(store.IsChildItem(4, 2), 1);
  EXPECT_EQ(store.IsChildItem(1, 4), 0);
  EXPECT_EQ(store.IsChildItem(6, 1), 0);
  EXPECT_EQ(store.IsBrotherItem(3, 3), 1);
  EXPECT_EQ(store.IsBrotherItem(2, 3), 0);  // 2 has a child
  EXPECT_EQ(store.IsBrotherItem(3, 6), 0);
  EXPECT_EQ(store.GetItemInParentPos(3), 1);
  EXPECT_EQ(store.GetItemInParentPos(5), 1);
  for (int bad : {0, -1, INT_MIN, INT_MAX}) {
    EXPECT_EQ(store.IsChildItem(4, bad), 0);
    EXPECT_EQ(store.IsChildItem(bad, 1), 0);
    EXPECT_EQ(store.IsBrotherItem(bad, 3), 0);
  }
}

TEST(TreeStore, FocusMovesCloseTheOldBranchUpToTheSharedOne) {
  SmallTree store;
  store.OpenAll();
  EXPECT_EQ(store.SetItemClose(4, 6), 1);  // different top-level branches: all of 4's chain closes
  EXPECT_EQ(store.Item(4).nOpen, 0);
  EXPECT_EQ(store.Item(2).nOpen, 0);
  EXPECT_EQ(store.Item(1).nOpen, 0);
  EXPECT_EQ(store.Item(5).nOpen, 1);

  store.OpenAll();
  EXPECT_EQ(store.SetItemClose(4, 3), 1);  // 3 is a child of 1: 1 stays open
  EXPECT_EQ(store.Item(2).nOpen, 0);
  EXPECT_EQ(store.Item(1).nOpen, 1);

  store.OpenAll();
  EXPECT_EQ(store.SetItemClose(2, 4), 0);  // the new focus lies below the old one
  EXPECT_EQ(store.SetItemClose(3, 3), 0);
  EXPECT_EQ(store.SetItemClose(3, 0), 0);
  EXPECT_EQ(store.SetItemClose(INT_MAX, 3), 0);
  store.Add(1, L"g");
  EXPECT_EQ(store.SetItemClose(3, 7), 0);  // childless siblings
  for (const _TREE_ITEM& item : store.m_vecItems) EXPECT_TRUE(item.nOpen == 1 || item.nID == 7);
}

TEST(TreeStore, ShownListFollowsTheOpenItems) {
  SmallTree store;
  store.m_vecItems[0].nOpen = 0;  // the root's state does not hide top-level items
  store.CalcShowItems();
  EXPECT_EQ(store.m_vecShowItems, (std::vector<int>{1, 5}));
  store.Item(1).nOpen = 1;
  store.Item(2).nOpen = 0;
  store.Item(4).nOpen = 1;  // open under a closed parent: still hidden
  store.CalcShowItems();
  EXPECT_EQ(store.m_vecShowItems, (std::vector<int>{1, 2, 3, 5}));
  store.OpenAll();
  store.m_nFirstShow = 6;
  store.CalcShowItems();
  EXPECT_EQ(store.m_vecShowItems, (std::vector<int>{1, 2, 4, 3, 5, 6}));
  EXPECT_EQ(store.m_nShowCount, 6);
  EXPECT_EQ(store.m_nFirstShow, 0);

  std::vector<int> closedList{2, 3};
  store.Item(1).nOpen = 0;
  EXPECT_EQ(store.SearchItems(1, closedList), 0);
  std::vector<int> badList{2, INT_MAX};
  store.Item(1).nOpen = 1;
  EXPECT_EQ(store.SearchItems(1, badList), 0);
  EXPECT_EQ(store.SearchItems(INT_MIN, closedList), 0);
}

// Every walk keeps its own stack: a chain as deep as it is long must not exhaust the call stack.
TEST(TreeStore, AVeryDeepChainIsWalkedWithoutRecursion) {
  constexpr int kDepth = 500000;
  StoreUnderTest store;
  for (int id = 0; id < kDepth; ++id) store.Add(id);
  store.OpenAll();
  store.CalcShowItems();
  EXPECT_EQ(store.m_nShowCount, kDepth);
  store.SetItemCheck(1, TREE_CHECK_YES);
  EXPECT_EQ(store.Check(kDepth), TREE_CHECK_YES);
  store.SetItemCheck(kDepth, TREE_CHECK_NO);
  EXPECT_EQ(store.Check(1), TREE_CHECK_NO);
  std::vector<_TREE_ITEM> checked;
  store.GetCheckedItems(checked);
  EXPECT_TRUE(checked.empty());
  EXPECT_EQ(store.DelItemChild(2), 1);
  EXPECT_EQ(store.GetItem(), 3);
}

}  // namespace
