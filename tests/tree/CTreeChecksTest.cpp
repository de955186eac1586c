#include <gtest/gtest.h>

#include <climits>

#include "tests/tree/StoreUnderTest.h"

namespace {

std::vector<int> Ids(const std::vector<_TREE_ITEM>& items) {
  std::vector<int> ids;
  for (const _TREE_ITEM& item : items) ids.push_back(item.nID);
  return ids;
}

// Top-level 1 with children 2, 3, 4; top-level 5 with child 6.
struct CheckTree : StoreUnderTest {
  CheckTree() {
    Add(0);
    Add(1);
    Add(1);
    Add(1);
    Add(0);
    Add(5);
  }
  void SetStates(std::initializer_list<std::pair<int, TREE_ITEM_CHECK>> states) {
    for (auto [id, state] : states) Item(id).eCheck = state;
  }
};

TEST(TreeChecks, CheckingGoesDownTheBranchAndUncheckingComesBackUp) {
  CheckTree tree;
  tree.SetItemCheck(1, TREE_CHECK_YES);
  for (int id : {1, 2, 3, 4}) EXPECT_EQ(tree.Check(id), TREE_CHECK_YES);
  EXPECT_EQ(tree.Check(5), TREE_CHECK_NONE);
  EXPECT_EQ(tree.Check(0), TREE_CHECK_NONE);
  tree.SetItemCheck(2, TREE_CHECK_NO);
  EXPECT_EQ(tree.Check(1), TREE_CHECK_YES_HALF);
  tree.SetItemCheck(3, TREE_CHECK_NO);
  EXPECT_EQ(tree.Check(1), TREE_CHECK_YES_HALF);
  tree.SetItemCheck(4, TREE_CHECK_NO);
  EXPECT_EQ(tree.Check(1), TREE_CHECK_NO);
}

TEST(TreeChecks, CheckingTheRestTurnsAHalfParentChecked) {
  CheckTree tree;
  tree.SetStates(
      {{1, TREE_CHECK_YES_HALF}, {2, TREE_CHECK_YES}, {3, TREE_CHECK_NO}, {4, TREE_CHECK_NO}});
  tree.SetItemCheck(3, TREE_CHECK_YES);
  EXPECT_EQ(tree.Check(1), TREE_CHECK_YES_HALF);
  tree.SetItemCheck(4, TREE_CHECK_YES);
  EXPECT_EQ(tree.Check(1), TREE_CHECK_YES);
}

// The parent's own NONE or NO state makes its count 0, so one checked child among several gives
// it a half mark even when that child completes the set.
TEST(TreeChecks, AParentWithoutABoxCountsNoCheckedChildren) {
  CheckTree tree;
  tree.SetStates({{3, TREE_CHECK_YES}, {4, TREE_CHECK_YES}});
  tree.SetItemCheck(2, TREE_CHECK_YES);
  EXPECT_EQ(tree.Check(1), TREE_CHECK_YES_HALF);
  EXPECT_EQ(tree.GetItemChildCheckNum(1), 3);
  tree.Item(1).eCheck = TREE_CHECK_NO;
  EXPECT_EQ(tree.GetItemChildCheckNum(1), 0);
}

TEST(TreeChecks, ASingleChildIsMirroredWhateverItsState) {
  CheckTree tree;
  for (TREE_ITEM_CHECK state :
       {TREE_CHECK_YES, TREE_CHECK_YES_HALF, TREE_CHECK_NO, TREE_CHECK_NONE}) {
    tree.SetItemCheck(6, state);
    EXPECT_EQ(tree.Check(5), state);
  }
}

TEST(TreeChecks, EachAncestorIsDecidedWithThePassedState) {
  StoreUnderTest tree;
  const int top = tree.Add(0), mid = tree.Add(top), other = tree.Add(top);
  const int leafA = tree.Add(mid), leafB = tree.Add(mid);
  tree.Item(top).eCheck = TREE_CHECK_YES_HALF;
  tree.Item(other).eCheck = TREE_CHECK_YES;
  tree.Item(leafB).eCheck = TREE_CHECK_YES;
  tree.Item(mid).eCheck = TREE_CHECK_NO;
  tree.SetItemCheck(leafA, TREE_CHECK_YES);
  // mid counts 0 (its own state is NO): half. top counts mid (now half) and other: both checked.
  EXPECT_EQ(tree.Check(mid), TREE_CHECK_YES_HALF);
  EXPECT_EQ(tree.Check(top), TREE_CHECK_YES);
}

TEST(TreeChecks, ClearingStopsAtTheGrandchildren) {
  StoreUnderTest tree;
  int id = 0;
  for (int level = 0; level < 5; ++level) id = tree.Add(id);
  tree.SetItemCheck(1, TREE_CHECK_YES);
  tree.SetItemCheck(2, TREE_CHECK_NONE);
  EXPECT_EQ(tree.Check(1), TREE_CHECK_NONE);  // single child mirrored
  for (int cleared : {2, 3, 4}) EXPECT_EQ(tree.Check(cleared), TREE_CHECK_NONE);
  EXPECT_EQ(tree.Check(5), TREE_CHECK_YES);

  tree.SetItemCheck(1, TREE_CHECK_YES);
  tree.SetChildItemCheck(1, TREE_CHECK_NONE);  // the downward part alone: item and children
  EXPECT_EQ(tree.Check(2), TREE_CHECK_NONE);
  EXPECT_EQ(tree.Check(3), TREE_CHECK_YES);
}

// Setting a state with a bad id is covered by the random sequences.
TEST(TreeChecks, CountsAndCollectionsRefuseBadIds) {
  CheckTree tree;
  tree.SetItemCheck(1, TREE_CHECK_YES);
  for (int bad : {-1, 7, INT_MIN, INT_MAX}) EXPECT_EQ(tree.GetItemChildCheckNum(bad), 0);
  std::vector<_TREE_ITEM> out(1);
  EXPECT_EQ(tree.GetChildCheckItems(INT_MAX, out), 0);
  EXPECT_EQ(out.size(), 1u);
}

TEST(TreeChecks, CollectingTakesEveryChildThatIsNotUnchecked) {
  CheckTree tree;
  std::vector<_TREE_ITEM> out(3);
  tree.GetCheckedItems(out);  // no boxes: everything below the top level, no top-level item
  EXPECT_EQ(Ids(out), (std::vector<int>{2, 3, 4, 6}));

  tree.SetStates(
      {{1, TREE_CHECK_YES_HALF}, {2, TREE_CHECK_NO}, {3, TREE_CHECK_YES}, {5, TREE_CHECK_NO}});
  tree.Add(2);  // under an unchecked child: not taken
  const int deeper = tree.Add(3);
  tree.GetCheckedItems(out);
  EXPECT_EQ(Ids(out), (std::vector<int>{1, 3, deeper, 4}));
  EXPECT_EQ(tree.GetChildCheckItems(5, out), 0);
  EXPECT_EQ(tree.GetChildCheckItems(4, out), 0);
}

}  // namespace
