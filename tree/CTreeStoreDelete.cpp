// Removing items from the tree's store.
//
// Removal renumbers in one pass over the records above the lowest removed id, however many
// records go: removing them one at a time would renumber every list once per record.
#include "tree/CTreeStore.h"

#include <algorithm>

void CTreeStore::DelAllItems() {
  m_vecItems.clear();
  m_vecChildren.Clear();
  SetRootItemValue();
  m_nFocusItem = 1;
  m_nHoverItem = -1;
  m_vecTips.clear();
  CalcShowItems();
}

int CTreeStore::DelItemChild(int id) {
  if (!IsItem(id) || m_vecChildren[id].empty()) return 0;
  RemoveChildren(id, 0, m_vecChildren[id].size());
  m_vecItems[id].nOpen = 0;
  return 1;
}

void CTreeStore::DelItemValue(int id) {
  if (!IsItem(id)) return;
  const _TREE_ITEM& item = m_vecItems[id];
  RemoveChildren(item.nParentID, std::size_t(item.nIndex), std::size_t(item.nIndex) + 1);
}

void CTreeStore::RemoveChildren(int owner, std::size_t first, std::size_t last) {
  std::vector<int>& siblings = m_vecChildren.Own(owner);
  const int oldCount = m_nItemCount;
  // Children are younger than their parents, so nothing below the first removed child moves.
  const int lowest = siblings[first];

  // remap[i - lowest]: the new id of record i, or -1 when it goes. A record goes when it is one
  // of the removed children or its parent goes; its parent, being older, is decided already.
  std::vector<int> remap(std::size_t(oldCount - lowest));
  int next = lowest;
  for (int i = lowest; i < oldCount; ++i) {
    _TREE_ITEM& item = m_vecItems[i];
    const int p = item.nParentID;
    const bool gone = p == owner
                          ? std::size_t(item.nIndex) >= first && std::size_t(item.nIndex) < last
                          : p >= lowest && remap[p - lowest] < 0;
    if (gone) {
      remap[i - lowest] = -1;
      m_vecChildren.Drop(i);
      continue;
    }
    remap[i - lowest] = next;
    item.nID = next;
    if (p >= lowest) item.nParentID = remap[p - lowest];
    if (next != i) {
      m_vecItems[next] = std::move(item);
      m_vecChildren.Move(i, next);
    }
    ++next;
  }
  const int removed = oldCount - next;
  m_vecItems.erase(m_vecItems.begin() + next, m_vecItems.end());
  m_vecChildren.Truncate(std::size_t(next));
  m_nItemCount = next;

  const auto isGone = [&](int id) {
    return id >= lowest && id < oldCount && remap[id - lowest] < 0;
  };
  const auto renumber = [&](int id) {
    return id < lowest ? id : id < oldCount ? remap[id - lowest] : id - removed;
  };

  siblings.erase(siblings.begin() + std::ptrdiff_t(first), siblings.begin() + std::ptrdiff_t(last));
  m_vecItems[owner].nChildCount = int(siblings.size());
  // Lists are ascending, so only their tails hold ids that moved.
  m_vecChildren.ForEachList([&](std::vector<int>& list) {
    for (auto it = list.rbegin(); it != list.rend() && *it >= lowest; ++it) *it = renumber(*it);
  });
  for (std::size_t k = first; k < siblings.size(); ++k) m_vecItems[siblings[k]].nIndex = int(k);

  m_nFocusItem = isGone(m_nFocusItem) ? owner : renumber(m_nFocusItem);
  m_nHoverItem = isGone(m_nHoverItem) ? -1 : renumber(m_nHoverItem);
  std::erase_if(m_vecTips, [&](const _TREE_ITEM_TIP& tip) { return isGone(tip.nItemID); });
  for (_TREE_ITEM_TIP& tip : m_vecTips) tip.nItemID = renumber(tip.nItemID);

  CalcShowItems();
}
