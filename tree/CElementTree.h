// The tree element: a scrolling tree of items with three-state check boxes, hosted by the element
// framework. Its items live in the store it derives from, whose operations it offers under their
// own names; the element adds what needs the framework, starting with the colour table that new
// items take their default colours from.
#pragma once

#include "host/CElementControl.h"
#include "tree/CTreeStore.h"

class CElementTree : public CElementControl, protected CTreeStore {
 public:
  CElementTree() = default;
  CElementTree(const CElementTree&) = default;
  CElementTree& operator=(const CElementTree&) = default;
  ~CElementTree() override = default;

  // Unset colours of `item` become the table's normal text colour and normal panel colour.
  void InsertItem(_TREE_ITEM& item, _TREE_ITEM* parent);
  using CTreeStore::DelAllItems;
  using CTreeStore::DelItemChild;
  using CTreeStore::GetCheckedItems;
  using CTreeStore::GetFatherItemsBtnNoShow;
  using CTreeStore::GetFocusItem;
  using CTreeStore::GetHoverItem;
  using CTreeStore::GetItem;
  using CTreeStore::GetItemById;
  using CTreeStore::GetItemChildCheckNum;
  using CTreeStore::GetItemChildItem;
  using CTreeStore::GetItemParentStr;
  using CTreeStore::GetNextItem;
  using CTreeStore::SetItemByID;
  using CTreeStore::SetItemCheck;
  using CTreeStore::SetTipsValue;

 protected:
  // The container keeps a private list of child elements under the same name.
  using CTreeStore::m_vecChildren;
};
