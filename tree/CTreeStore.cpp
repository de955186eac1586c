// Records, insertion, look-ups and relations of the tree's store.
#include "tree/CTreeStore.h"

#include <algorithm>
#include <climits>

CTreeStore::CTreeStore() { SetRootItemValue(); }

void CTreeStore::SetRootItemValue() {
  _TREE_ITEM root;
  root.nOpen = 1;
  m_vecItems.push_back(root);
  m_vecChildren.AddRecord();
  m_nItemCount = int(m_vecItems.size());
}

int CTreeStore::InsertItem(_TREE_ITEM& item, const _TREE_ITEM* parent, const ItemColors& colors) {
  const int p = parent ? parent->nID : 0;
  if (!IsRecord(p) || m_nItemCount == INT_MAX) {
    item.nID = -1;
    return 0;
  }
  _TREE_ITEM& owner = m_vecItems[p];
  item.nID = m_nItemCount;
  item.nParentID = p;
  item.nIndex = owner.nChildCount;
  // A parent naming the root makes a top-level item like no parent at all; level 1 there would
  // indent it and let its checks climb into the root.
  if (p == 0) {
    item.nLevel = 0;
  } else {
    item.nLevel = owner.nLevel + 1;
    item.nFatherBtnNoShow = GetFatherItemsBtnNoShow(p);
  }
  item.nOpen = 0;
  item.nChildCount = 0;
  if (item.clrText == TREE_CLR_UNSET) item.clrText = colors.clrText;
  // One background colour given means the host chose the background: both stay as they are.
  if (item.clrBkFrom == TREE_CLR_UNSET && item.clrBkTo == TREE_CLR_UNSET)
    item.clrBkFrom = item.clrBkTo = colors.clrPanel;

  ++owner.nChildCount;
  m_vecChildren.Own(p).push_back(item.nID);
  m_vecItems.push_back(item);
  m_vecChildren.AddRecord();
  ++m_nItemCount;
  return 1;
}

int CTreeStore::GetItemById(int id, _TREE_ITEM& out) const {
  if (!IsRecord(id)) return 0;
  out = m_vecItems[id];
  return 1;
}

void CTreeStore::GetFocusItem(_TREE_ITEM& out) const {
  if (IsRecord(m_nFocusItem)) out = m_vecItems[m_nFocusItem];
}

int CTreeStore::SetItemByID(int id, const _TREE_ITEM* src) {
  if (!src || !IsRecord(id)) return 0;
  _TREE_ITEM& item = m_vecItems[id];
  item.clrText = src->clrText;
  item.clrTextT = src->clrTextT;
  item.clrBkFrom = src->clrBkFrom;
  item.clrBkTo = src->clrBkTo;
  return 1;
}

int CTreeStore::GetNextItem(TREE_ITEM_NEXT what, int id, _TREE_ITEM& out) const {
  if (!IsRecord(id)) return 0;
  switch (what) {
    case TREE_NEXT_ROOT:
      out = m_vecItems[0];
      return 1;
    case TREE_NEXT_ITSELF:
      if (id == 0) return 0;
      out = m_vecItems[id];
      return 1;
    case TREE_NEXT_CHILD: {
      const std::vector<int>& children = m_vecChildren[id];
      if (children.empty()) return 0;
      out = m_vecItems[children.front()];
      return 1;
    }
  }
  return 0;
}

void CTreeStore::GetItemChildItem(int id, std::vector<int>& out) const {
  if (IsItem(id)) out = m_vecChildren[id];
}

int CTreeStore::GetItemParentStr(int id, CString& out) const {
  if (!IsItem(id)) return 0;
  std::vector<int> ancestors;  // nearest first
  for (int p = m_vecItems[id].nParentID; p != 0; p = m_vecItems[p].nParentID)
    ancestors.push_back(p);
  out.Empty();
  for (auto it = ancestors.rbegin(); it != ancestors.rend(); ++it) {
    out += m_vecItems[*it].strText;
    out += L'.';
  }
  return 1;
}

int CTreeStore::GetFatherItemsBtnNoShow(int id) const {
  if (!IsItem(id)) return 0;
  const _TREE_ITEM& item = m_vecItems[id];
  // The ancestors' share was counted into nFatherBtnNoShow when the item was inserted, and no
  // bShowBtn changes after that. A top-level item's field is whatever its host gave, not a count.
  return (item.bShowBtn == 0 ? 1 : 0) + (item.nLevel == 0 ? 0 : item.nFatherBtnNoShow);
}

int CTreeStore::IsChildItem(int id, int ancestor) const {
  if (!IsItem(id) || !IsItem(ancestor)) return 0;
  for (int p = m_vecItems[id].nParentID; p != 0; p = m_vecItems[p].nParentID)
    if (p == ancestor) return 1;
  return 0;
}

int CTreeStore::IsBrotherItem(int a, int b) const {
  if (!IsItem(a) || !IsItem(b)) return 0;
  const _TREE_ITEM& x = m_vecItems[a];
  const _TREE_ITEM& y = m_vecItems[b];
  return x.nParentID == y.nParentID && x.nChildCount == 0 && y.nChildCount == 0 ? 1 : 0;
}

int CTreeStore::IsLastChild(const _TREE_ITEM& item) const {
  if (!IsRecord(item.nParentID)) return 1;
  return item.nIndex + 1 == m_vecItems[item.nParentID].nChildCount ? 1 : 0;
}

void CTreeStore::GetRowPlace(const _TREE_ITEM& item, TreeRowPlace& out) const {
  // Ancestors that show no button take no indent, and so no column.
  const int level = item.nLevel - item.nFatherBtnNoShow;
  out.inStore = IsRecord(item.nParentID);
  if (out.inStore) out.lineKind = item.nIndex == 0 && level == 0 ? 0 : IsLastChild(item) ? 2 : 1;
  out.columns.assign(std::size_t(std::max(level, 0)), 0);
  int ancestor = item.nParentID;
  for (int k = level - 1; k >= 0 && IsItem(ancestor); --k) {
    const _TREE_ITEM& a = m_vecItems[ancestor];
    out.columns[std::size_t(k)] = IsLastChild(a) ? 0 : 1;
    ancestor = a.nParentID;
  }
  out.focus = item.nID == m_nFocusItem;
  out.hover = item.nID == m_nHoverItem;
}

int CTreeStore::GetItemInParentPos(int id) const {
  if (!IsItem(id)) return -1;
  const _TREE_ITEM& item = m_vecItems[id];
  const std::vector<int>& siblings = m_vecChildren[item.nParentID];
  // nIndex is kept equal to the position; the check keeps the answer honest all the same.
  const std::size_t pos = std::size_t(item.nIndex);
  return pos < siblings.size() && siblings[pos] == id ? item.nIndex : -1;
}

int CTreeStore::SetItemClose(int oldFocus, int newFocus) {
  if (!IsItem(oldFocus) || !IsItem(newFocus) || oldFocus == newFocus ||
      IsChildItem(newFocus, oldFocus) || IsBrotherItem(oldFocus, newFocus))
    return 0;
  m_vecItems[oldFocus].nOpen = 0;
  const int newParent = m_vecItems[newFocus].nParentID;
  for (int p = m_vecItems[oldFocus].nParentID; p != 0; p = m_vecItems[p].nParentID) {
    if (p == newFocus || p == newParent) break;  // the branch shared with the new focus stays open
    m_vecItems[p].nOpen = 0;
  }
  return 1;
}
