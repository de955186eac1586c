// A tree store whose members the tests read and set directly, as the tree element does, with
// short helpers to build trees by hand, and the check of every invariant the store keeps.
#pragma once

#include <vector>

#include "tree/CTreeStore.h"

inline constexpr CTreeStore::ItemColors kDefaultColors{RGB(1, 2, 3), RGB(40, 50, 60)};

struct StoreUnderTest : CTreeStore {
  using CTreeStore::GetChildCheckItems;
  using CTreeStore::m_nFirstShow;
  using CTreeStore::m_nFocusItem;
  using CTreeStore::m_nHoverItem;
  using CTreeStore::m_nItemCount;
  using CTreeStore::m_nShowCount;
  using CTreeStore::m_vecChildren;
  using CTreeStore::m_vecItems;
  using CTreeStore::m_vecShowItems;
  using CTreeStore::m_vecTips;

  // Inserts an item with this text under `parent` (0: top level) and returns its id.
  int Add(int parent, const wchar_t* text = L"", BOOL showBtn = 1) {
    _TREE_ITEM item{.strText = text, .bShowBtn = showBtn}, owner;
    owner.nID = parent;
    InsertItem(item, parent == 0 ? nullptr : &owner, kDefaultColors);
    return item.nID;
  }
  _TREE_ITEM& Item(int id) { return m_vecItems[std::size_t(id)]; }
  TREE_ITEM_CHECK Check(int id) const { return m_vecItems[std::size_t(id)].eCheck; }
  void OpenAll() {
    for (_TREE_ITEM& item : m_vecItems) item.nOpen = 1;
  }
};

// The shown list as a plain recursive walk computes it.
std::vector<int> ShownByWalk(const StoreUnderTest& store);
// Fails the current test for every broken invariant: dense ids, consistent child lists, levels,
// counts, the button counts, and focus, hover, tips and shown rows naming items that exist.
void ExpectConsistent(const StoreUnderTest& store);
