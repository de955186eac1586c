#include <gtest/gtest.h>

#include <algorithm>

#include "tests/tree/StoreUnderTest.h"

namespace {

void Walk(const StoreUnderTest& store, int id, std::vector<int>& out) {
  for (int child : store.m_vecChildren[std::size_t(id)]) {
    out.push_back(child);
    if (store.m_vecItems[std::size_t(child)].nOpen == 1) Walk(store, child, out);
  }
}

}  // namespace

// Top-level items show whatever the root's state.
std::vector<int> ShownByWalk(const StoreUnderTest& store) {
  std::vector<int> out;
  Walk(store, 0, out);
  return out;
}

void ExpectConsistent(const StoreUnderTest& store) {
  const int count = store.m_nItemCount;
  ASSERT_EQ(std::size_t(count), store.m_vecItems.size());
  ASSERT_EQ(std::size_t(count), store.m_vecChildren.size());
  EXPECT_EQ(store.GetItem(), count);
  const _TREE_ITEM& root = store.m_vecItems[0];
  EXPECT_EQ(root.nID, 0);
  EXPECT_EQ(root.nOpen, 1);
  EXPECT_EQ(root.nChildCount, int(store.m_vecChildren[0].size()));

  std::size_t listed = 0;
  // Ancestors with a hidden button, item by item: a parent's id is below its child's.
  std::vector<int> hidden(std::size_t(count), 0);
  for (int i = 0; i < count; ++i) {
    const _TREE_ITEM& item = store.m_vecItems[std::size_t(i)];
    const std::vector<int>& children = store.m_vecChildren[std::size_t(i)];
    listed += children.size();
    EXPECT_EQ(item.nChildCount, int(children.size())) << "item " << i;
    EXPECT_TRUE(std::is_sorted(children.begin(), children.end())) << "item " << i;
    if (i == 0) continue;
    EXPECT_EQ(item.nID, i);
    ASSERT_GE(item.nParentID, 0) << "item " << i;
    ASSERT_LT(item.nParentID, i) << "item " << i;
    const _TREE_ITEM& parent = store.m_vecItems[std::size_t(item.nParentID)];
    EXPECT_EQ(item.nLevel, item.nParentID == 0 ? 0 : parent.nLevel + 1) << "item " << i;
    const std::vector<int>& siblings = store.m_vecChildren[std::size_t(item.nParentID)];
    ASSERT_LT(std::size_t(item.nIndex), siblings.size()) << "item " << i;
    EXPECT_EQ(siblings[std::size_t(item.nIndex)], i);
    if (item.nParentID != 0) {
      hidden[std::size_t(i)] = hidden[std::size_t(item.nParentID)] + (parent.bShowBtn == 0);
      EXPECT_EQ(item.nFatherBtnNoShow, hidden[std::size_t(i)]) << "item " << i;
    }
  }
  // Every item sits in exactly one list: its parent's, at its nIndex (checked above).
  EXPECT_EQ(listed, std::size_t(count - 1));

  for (const _TREE_ITEM_TIP& tip : store.m_vecTips) {
    EXPECT_GE(tip.nItemID, 1);
    EXPECT_LT(tip.nItemID, count);
  }
  const bool emptyTree = count == 1;
  EXPECT_TRUE((store.m_nFocusItem >= 0 && store.m_nFocusItem < count) ||
              (emptyTree && store.m_nFocusItem == 1))
      << "focus " << store.m_nFocusItem;
  EXPECT_TRUE(store.m_nHoverItem == -1 || (store.m_nHoverItem >= 1 && store.m_nHoverItem < count))
      << "hover " << store.m_nHoverItem;
  EXPECT_EQ(store.m_nShowCount, int(store.m_vecShowItems.size()));
  for (int id : store.m_vecShowItems) {
    EXPECT_GE(id, 1);
    EXPECT_LT(id, count);
  }
}
