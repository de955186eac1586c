// Hand cases of the store's documented behaviour: values written back by an insert, the look-ups
// and relations, closing on a focus move, the shown list's corners and what a deletion keeps.
// Random sequences of every operation against the invariants are the store's fuzz target.
#include <gtest/gtest.h>

#include <climits>
#include <tuple>

#include "tests/tree/StoreUnderTest.h"

namespace {

// A 1 { 2 { 4 }, 3 }, 5 { 6 } tree, texts "a" to "f" by id.
struct SmallTree : StoreUnderTest {
  SmallTree() {
    for (const auto& [parent, text] : {std::pair{0, L"a"}, {1, L"b"}, {1, L"c"}, {2, L"d"},
                                       {0, L"e"}, {5, L"f"}})
      Add(parent, text);
  }
};

// The structure fields are the store's, the state the caller's; a refused insert says so in
// the item too.
TEST(TreeStore, InsertWritesBackWhatItStored) {
  SmallTree store;
  _TREE_ITEM top, root;
  top.nOpen = 1;
  top.nChildCount = 7;
  top.eCheck = TREE_CHECK_YES;
  ASSERT_EQ(store.InsertItem(top, &root, kDefaultColors), 1);  // a parent naming the root
  const std::vector<int> stored{top.nID,       top.nLevel, top.nIndex,
                                top.nParentID, top.nOpen,  top.nChildCount};
  EXPECT_EQ(stored, std::vector<int>({7, 0, 2, 0, 0, 0}));
  EXPECT_EQ(store.Check(7), TREE_CHECK_YES);
  _TREE_ITEM parent;
  parent.nID = 8;
  EXPECT_EQ(store.InsertItem(top, &parent, kDefaultColors), 0);
  EXPECT_EQ(top.nID, -1);
}

// Half a gradient is not filled in; the second text colour is never defaulted.
TEST(TreeStore, UnsetColoursComeFromTheDefaults) {
  StoreUnderTest store;
  _TREE_ITEM half;
  half.clrBkFrom = RGB(9, 9, 9);
  store.InsertItem(half, nullptr, kDefaultColors);
  EXPECT_EQ(std::vector<COLORREF>({half.clrText, half.clrBkFrom, half.clrBkTo, half.clrTextT}),
            std::vector<COLORREF>({kDefaultColors.clrText, RGB(9, 9, 9), TREE_CLR_UNSET,
                                   TREE_CLR_UNSET}));
}

TEST(TreeStore, LookUpsFetchWhatTheyName) {
  SmallTree store;
  _TREE_ITEM out;
  // What is asked for, of which item: the answer and the item found (-1: none).
  for (const auto& [what, id, result, found] :
       {std::tuple{TREE_NEXT_ROOT, 4, 1, 0}, {TREE_NEXT_ITSELF, 0, 0, -1},
        {TREE_NEXT_ITSELF, 4, 1, 4}, {TREE_NEXT_CHILD, 1, 1, 2}, {TREE_NEXT_CHILD, 0, 1, 1},
        {TREE_NEXT_CHILD, 3, 0, -1}, {TREE_ITEM_NEXT(3), 1, 0, -1},
        {TREE_ITEM_NEXT(INT_MIN), 1, 0, -1}}) {
    out.nID = -1;
    EXPECT_EQ(store.GetNextItem(what, id, out), result) << what << " of " << id;
    EXPECT_EQ(out.nID, found) << what << " of " << id;
  }
  store.m_nFocusItem = 3;
  store.GetFocusItem(out);
  EXPECT_EQ(out.strText, L"c");
  CString path(L"stale");  // a top-level item has no path
  EXPECT_EQ(store.GetItemParentStr(5, path), 1);
  EXPECT_EQ(path, L"");

  StoreUnderTest chain;  // buttonless, shown, buttonless, leaf: an item counts itself too
  const int low = chain.Add(chain.Add(chain.Add(0, L"", 0)), L"", 0);
  EXPECT_EQ(chain.GetFatherItemsBtnNoShow(low), 2);
  EXPECT_EQ(chain.GetFatherItemsBtnNoShow(chain.Add(low)), 2);
  EXPECT_EQ(chain.GetFatherItemsBtnNoShow(0), 0);
}

TEST(TreeStore, SetItemByIdCopiesOnlyTheColours) {
  SmallTree store;
  constexpr COLORREF kSet = RGB(1, 1, 1);
  _TREE_ITEM src{.nOpen = 1, .clrBkFrom = kSet, .clrBkTo = kSet, .clrText = kSet, .clrTextT = kSet,
                 .strText = L"other"};
  EXPECT_EQ(store.SetItemByID(2, &src), 1);
  const _TREE_ITEM& item = store.Item(2);
  EXPECT_EQ(std::vector<COLORREF>({item.clrText, item.clrTextT, item.clrBkFrom, item.clrBkTo}),
            std::vector<COLORREF>(4, kSet));
  EXPECT_EQ(item.strText, L"b");
  EXPECT_EQ(item.nOpen, 0);
}

TEST(TreeStore, Relations) {
  SmallTree store;
  // Item, other item: is the first below the second, are they childless siblings (2 has a child).
  for (const auto& [a, b, child, brother] :
       {std::tuple{4, 1, 1, 0}, {4, 2, 1, 0}, {1, 4, 0, 0}, {6, 1, 0, 0}, {3, 3, 0, 1},
        {2, 3, 0, 0}, {3, 6, 0, 0}, {4, 0, 0, 0}, {4, -1, 0, 0}, {INT_MIN, 1, 0, 0},
        {INT_MAX, 3, 0, 0}, {-1, 3, 0, 0}, {0, 3, 0, 0}, {4, INT_MAX, 0, 0}}) {
    EXPECT_EQ(store.IsChildItem(a, b), child) << a << " " << b;
    EXPECT_EQ(store.IsBrotherItem(a, b), brother) << a << " " << b;
  }
  EXPECT_EQ(store.GetItemInParentPos(3), 1);
}

TEST(TreeStore, FocusMovesCloseTheOldBranchUpToTheSharedOne) {
  SmallTree store;
  // The focus moves from, to: the answer and the items closed.
  const std::tuple<int, int, int, std::vector<int>> cases[] = {
      {4, 6, 1, {1, 2, 4}},  // different top-level branches: all of 4's chain closes
      {4, 3, 1, {2, 4}},     // 3 is a child of 1: 1 stays open
      {2, 4, 0, {}},         // the new focus lies below the old one
      {3, 3, 0, {}},  {3, 0, 0, {}},  {INT_MAX, 3, 0, {}},
  };
  for (const auto& [from, to, result, closed] : cases) {
    store.OpenAll();
    EXPECT_EQ(store.SetItemClose(from, to), result) << from << " to " << to;
    std::vector<int> nowClosed;
    for (const _TREE_ITEM& item : store.m_vecItems)
      if (item.nOpen == 0) nowClosed.push_back(item.nID);
    EXPECT_EQ(nowClosed, closed) << from << " to " << to;
  }
  store.Add(1, L"g");
  EXPECT_EQ(store.SetItemClose(3, 7), 0);  // childless siblings
}

TEST(TreeStore, ShownListCorners) {
  SmallTree store;
  store.m_vecItems[0].nOpen = 0;  // the root's state does not hide top-level items
  store.CalcShowItems();
  EXPECT_EQ(store.m_vecShowItems, (std::vector<int>{1, 5}));
  store.OpenAll();
  store.m_nFirstShow = 6;  // past the end: back to 0
  store.CalcShowItems();
  EXPECT_EQ(store.m_nFirstShow, 0);

  store.Item(1).nOpen = 0;
  EXPECT_EQ(store.SearchItems(1, {2, 3}), 0);  // closed
  store.Item(1).nOpen = 1;
  EXPECT_EQ(store.SearchItems(1, {2, INT_MAX}), 0);
  EXPECT_EQ(store.SearchItems(INT_MIN, {2, 3}), 0);
}

// A deletion renumbers what is left, hands a removed focus to the owner and clears a removed
// hover and tips; the owner of removed children closes; a fresh tree starts rows and ids over.
TEST(TreeStore, DeletionKeepsTheRestAndDeletingAllStartsAfresh) {
  SmallTree store;
  store.OpenAll();
  store.m_nFocusItem = store.m_nHoverItem = 4;
  _TREE_ITEM_TIP gone, kept;
  gone.nItemID = 3;
  kept.nItemID = 6;
  store.SetTipsValue({gone, kept});
  ASSERT_EQ(store.DelItemChild(1), 1);
  ExpectConsistent(store);
  EXPECT_EQ(store.Item(1).nOpen, 0);
  EXPECT_EQ(std::vector<int>({store.m_nFocusItem, store.m_nHoverItem, store.m_vecTips.at(0).nItemID,
                              int(store.m_vecTips.size())}),
            std::vector<int>({1, -1, 3, 1}));
  EXPECT_EQ(store.Item(3).strText, L"f");
  store.DelItemValue(2);  // "e": its child goes with it, the focus stays on "a"
  EXPECT_EQ(store.GetItem(), 2);
  EXPECT_EQ(store.m_nFocusItem, 1);
  store.m_nFirstShow = 1;
  store.DelAllItems();
  EXPECT_EQ(store.m_nFirstShow, 0);
  EXPECT_EQ(store.GetFocusItem(), 1);
  EXPECT_EQ(store.Add(0), 1);
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
