// How a box's state goes down the branch and climbs back to the ancestors, with its quirks.
#include <gtest/gtest.h>

#include <climits>

#include "tests/tree/StoreUnderTest.h"

namespace {

using States = std::vector<std::pair<int, TREE_ITEM_CHECK>>;
constexpr auto kYes = TREE_CHECK_YES, kHalf = TREE_CHECK_YES_HALF, kNo = TREE_CHECK_NO,
               kNone = TREE_CHECK_NONE;
// Top-level 1 with children 2, 3, 4; top-level 5 with child 6.
const std::vector<int> kTwoBranches{0, 1, 1, 1, 0, 5};

struct CheckTree : StoreUnderTest {
  explicit CheckTree(const std::vector<int>& parents, const States& states = {}) {
    for (int parent : parents) Add(parent);
    for (auto [id, state] : states) Item(id).eCheck = state;
  }
};

std::vector<int> Ids(const std::vector<_TREE_ITEM>& items) {
  std::vector<int> ids;
  for (const _TREE_ITEM& item : items) ids.push_back(item.nID);
  return ids;
}

TEST(TreeChecks, EachSetLeavesTheAncestorsAsTheRulesSay) {
  struct Step {
    int id;
    TREE_ITEM_CHECK state;
    States expected;
  };
  struct Case {
    const char* name;
    std::vector<int> parents;
    States start;
    std::vector<Step> steps;
  };
  const Case cases[] = {
      {"checking goes down the branch, unchecking comes back up", kTwoBranches, {},
       {{1, kYes, {{1, kYes}, {2, kYes}, {3, kYes}, {4, kYes}, {5, kNone}, {0, kNone}}},
        {2, kNo, {{1, kHalf}}}, {3, kNo, {{1, kHalf}}}, {4, kNo, {{1, kNo}}}}},
      {"checking the rest turns a half parent checked", kTwoBranches,
       {{1, kHalf}, {2, kYes}, {3, kNo}, {4, kNo}},
       {{3, kYes, {{1, kHalf}}}, {4, kYes, {{1, kYes}}}}},
      // Its own NONE or NO makes a parent count 0: one child completing the set gives a half.
      {"a parent without a box counts no checked children", kTwoBranches,
       {{3, kYes}, {4, kYes}}, {{2, kYes, {{1, kHalf}}}}},
      {"a single child is mirrored whatever its state", kTwoBranches, {},
       {{6, kYes, {{5, kYes}}}, {6, kHalf, {{5, kHalf}}}, {6, kNo, {{5, kNo}}},
        {6, kNone, {{5, kNone}}}}},
      // 2 counts 0 (its own state is NO): half. 1 counts 2, now half, and 3: both checked.
      {"each ancestor is decided with the passed state", {0, 1, 1, 2, 2},
       {{1, kHalf}, {3, kYes}, {5, kYes}, {2, kNo}}, {{4, kYes, {{2, kHalf}, {1, kYes}}}}},
      {"clearing stops at the grandchildren", {0, 1, 2, 3, 4}, {},
       {{1, kYes, {}},
        {2, kNone, {{1, kNone}, {2, kNone}, {3, kNone}, {4, kNone}, {5, kYes}}}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CheckTree tree(c.parents, c.start);
    for (const Step& step : c.steps) {
      tree.SetItemCheck(step.id, step.state);
      for (auto [id, state] : step.expected)
        EXPECT_EQ(tree.Check(id), state) << "item " << id << " after " << step.id;
    }
  }
}

TEST(TreeChecks, CountsAndTheDownwardPartAlone) {
  CheckTree tree(kTwoBranches, {{3, kYes}, {4, kYes}});
  tree.SetItemCheck(2, kYes);
  EXPECT_EQ(tree.GetItemChildCheckNum(1), 3);
  tree.Item(1).eCheck = kNo;
  EXPECT_EQ(tree.GetItemChildCheckNum(1), 0);

  CheckTree chain({0, 1, 2});
  chain.SetItemCheck(1, kYes);
  chain.SetChildItemCheck(1, kNone);  // the item and its children, no further
  EXPECT_EQ(chain.Check(2), kNone);
  EXPECT_EQ(chain.Check(3), kYes);
}

TEST(TreeChecks, CollectingTakesEveryChildThatIsNotUnchecked) {
  CheckTree tree(kTwoBranches);
  std::vector<_TREE_ITEM> out(3);
  tree.GetCheckedItems(out);  // no boxes: everything below the top level, no top-level item
  EXPECT_EQ(Ids(out), (std::vector<int>{2, 3, 4, 6}));

  for (auto [id, state] : States{{1, kHalf}, {2, kNo}, {3, kYes}, {5, kNo}})
    tree.Item(id).eCheck = state;
  tree.Add(2);  // under an unchecked child: not taken
  const int deeper = tree.Add(3);
  tree.GetCheckedItems(out);
  EXPECT_EQ(Ids(out), (std::vector<int>{1, 3, deeper, 4}));
  EXPECT_EQ(tree.GetChildCheckItems(5, out), 0);
  EXPECT_EQ(tree.GetChildCheckItems(4, out), 0);
  std::vector<_TREE_ITEM> kept(1);
  EXPECT_EQ(tree.GetChildCheckItems(INT_MAX, kept), 0);
  EXPECT_EQ(kept.size(), 1u);
}

}  // namespace
