// Three-state checks: a state set on one item goes down to its descendants and up to its
// ancestors below the root.
#include "tree/CTreeStore.h"

#include "tree/TreeWalk.h"

namespace {

bool IsChecked(TREE_ITEM_CHECK state) {
  return state == TREE_CHECK_YES || state == TREE_CHECK_YES_HALF;
}

}  // namespace

void CTreeStore::SetItemCheck(int id, TREE_ITEM_CHECK state) {
  if (!IsItem(id)) return;
  m_vecItems[id].eCheck = state;
  for (int cur = id; m_vecItems[cur].nParentID != 0; cur = m_vecItems[cur].nParentID) {
    _TREE_ITEM& parent = m_vecItems[m_vecItems[cur].nParentID];
    if (parent.nChildCount <= 1) {
      parent.eCheck = state;
      continue;
    }
    const int checked = GetItemChildCheckNum(parent.nID);
    if (state == TREE_CHECK_YES) {
      parent.eCheck = checked == parent.nChildCount ? TREE_CHECK_YES : TREE_CHECK_YES_HALF;
    } else if (state == TREE_CHECK_NO && checked < parent.nChildCount) {
      parent.eCheck = checked < 1 ? TREE_CHECK_NO : TREE_CHECK_YES_HALF;
    }
  }
  // Clearing reaches the grandchildren only: each child clears itself and its own children.
  if (state == TREE_CHECK_NONE) {
    for (const int child : m_vecChildren[id]) SetChildItemCheck(child, state);
  } else {
    SetChildItemCheck(id, state);
  }
}

void CTreeStore::SetChildItemCheck(int id, TREE_ITEM_CHECK state) {
  if (!IsItem(id)) return;
  m_vecItems[id].eCheck = state;
  if (state == TREE_CHECK_NONE) {
    for (const int child : m_vecChildren[id]) m_vecItems[child].eCheck = state;
    return;
  }
  WalkDown(
      m_vecChildren, m_vecChildren[id], [&](int c) { m_vecItems[c].eCheck = state; },
      [](int) { return true; });
}

int CTreeStore::GetItemChildCheckNum(int id) const {
  if (!IsRecord(id)) return 0;
  const TREE_ITEM_CHECK own = m_vecItems[id].eCheck;
  if (own == TREE_CHECK_NONE || own == TREE_CHECK_NO) return 0;
  int checked = 0;
  for (const int child : m_vecChildren[id]) checked += IsChecked(m_vecItems[child].eCheck) ? 1 : 0;
  return checked;
}

void CTreeStore::GetCheckedItems(std::vector<_TREE_ITEM>& out) const {
  out.clear();
  for (const int top : m_vecChildren[0]) {
    if (IsChecked(m_vecItems[top].eCheck)) out.push_back(m_vecItems[top]);
    GetChildCheckItems(top, out);
  }
}

int CTreeStore::GetChildCheckItems(int id, std::vector<_TREE_ITEM>& out) const {
  if (!IsRecord(id) || m_vecChildren[id].empty() || m_vecItems[id].eCheck == TREE_CHECK_NO)
    return 0;
  // Below an item that is not NO, every child that is not NO is taken, NONE included.
  const auto taken = [this](int c) { return m_vecItems[c].eCheck != TREE_CHECK_NO; };
  WalkDown(
      m_vecChildren, m_vecChildren[id],
      [&](int c) {
        if (taken(c)) out.push_back(m_vecItems[c]);
      },
      taken);
  return 1;
}
