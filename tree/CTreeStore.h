/// @class CTreeStore
/// The tree's items: a flat store of records addressed by dense ids, the child lists of
/// records, the list of shown items, and the ids kept beside the store (focus, hover, tips) that
/// must keep naming the same items when records go.
///
/// The store holds its root, record 0, from construction on, so every id check has a record to
/// stand on. Parents are always older than their children: every nParentID is below its nID, which
/// is what ends every upward walk at the root.
///
/// The class knows no element. The tree element derives from it and adds the colour table, layout,
/// input and painting; the colours a new item defaults to come in with each insert.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "tree/TreeChildLists.h"
#include "tree/TreeItem.h"
#include "tree/TreeRowPlace.h"

class CTreeStore {
 public:
  /// The colours an inserted item takes for the colour fields it leaves unset.
  struct ItemColors {
    COLORREF clrText;   ///< text of the normal state
    COLORREF clrPanel;  ///< row background of the normal state
  };

  /// A store holding its root alone: focus 1, no hover, no tips.
  CTreeStore();

  // Records and look-ups (CTreeStore.cpp).

  /// Appends `item` as the last child of `parent` (the root when null or naming 0) and writes the
  /// values it was given back into `item`; item.nID is the new id. A parent that names no record
  /// is refused: 0, nothing stored, item.nID = -1.
  int InsertItem(_TREE_ITEM& item, const _TREE_ITEM* parent, const ItemColors& colors);
  /// Copies the record `id` (0 is the root) into `out`; 0, `out` untouched, when there is none.
  int GetItemById(int id, _TREE_ITEM& out) const;
  /// Copies only the four colour fields of `src`.
  int SetItemByID(int id, const _TREE_ITEM* src);
  /// The number of records, the root included.
  int GetItem() const { return m_nItemCount; }
  /// Copies into `out` the root, `id` itself or its first child, as `what` says; 0 when there
  /// is no such record (the root asked for itself, an item without children).
  int GetNextItem(TREE_ITEM_NEXT what, int id, _TREE_ITEM& out) const;
  /// Puts the ids of `id`'s direct children in `out`, in order; `out` is left alone when `id`
  /// is not an item.
  void GetItemChildItem(int id, std::vector<int>& out) const;
  /// The texts of the ancestors below the root, from the top down, each followed by ".".
  int GetItemParentStr(int id, CString& out) const;
  /// Items from `id` itself up to, not including, the root whose bShowBtn is 0.
  int GetFatherItemsBtnNoShow(int id) const;
  /// The id of the focus item: the row keys move from and the focus look is drawn on; 0 when
  /// no item has it. A fresh store names 1, the first item to come.
  int GetFocusItem() const { return m_nFocusItem; }
  /// Copies the focus record when the focus names one; `out` is left alone otherwise.
  void GetFocusItem(_TREE_ITEM& out) const;
  /// The id of the item under the pointer, or -1.
  int GetHoverItem() const { return m_nHoverItem; }
  /// Replaces the tips: each record names an item and the text shown when the pointer rests
  /// on its row. Tips of deleted items are dropped with them.
  void SetTipsValue(std::vector<_TREE_ITEM_TIP> tips) { m_vecTips = std::move(tips); }

  // Relations (CTreeStore.cpp).

  /// 1 when `ancestor` is the parent, grandparent, ... of `id` (the root never counts).
  int IsChildItem(int id, int ancestor) const;
  /// 1 when both have the same parent and neither has children.
  int IsBrotherItem(int a, int b) const;
  /// The position of `id` among its parent's children (0 for the first); -1 when it is not an
  /// item.
  int GetItemInParentPos(int id) const;
  /// 1 when `item` is the last child of its parent, or its parent names no record.
  int IsLastChild(const _TREE_ITEM& item) const;
  /// Where the row of `item` sits: its connectors, focus and hover. `out` keeps its capacity.
  void GetRowPlace(const _TREE_ITEM& item, TreeRowPlace& out) const;
  /// When the focus moves from `oldFocus` to `newFocus` in the flat style: closes the old focus
  /// and its ancestors up to the branch the two share. 1 when it closed something.
  int SetItemClose(int oldFocus, int newFocus);

  // Deletion (CTreeStoreDelete.cpp). Removed records take their whole subtree with them; the ids
  // above them close up in one pass, and focus, hover and tips follow their items: one that named
  // a removed item moves to the owner of what was removed (focus), goes (hover: -1) or is dropped
  // (tips). The shown list is rebuilt, so it never names a record that is gone.

  /// Back to a fresh tree: the root alone, focus 1, no hover, no tips.
  void DelAllItems();
  /// Removes the children of `id` and their descendants and closes `id`. 0 when `id` is not an
  /// item (the root included) or has no children.
  int DelItemChild(int id);
  /// Removes item `id` and its descendants; its later siblings close up. A focus on them moves
  /// to the parent, which for a top-level item is the root: no item has the focus.
  void DelItemValue(int id);

  // The shown list (CTreeStoreShown.cpp): depth first, children after their parent when it is open.

  /// Rebuilds m_vecShowItems and m_nShowCount; top-level items are always shown. A first shown
  /// row past the end goes back to 0.
  void CalcShowItems();
  /// Appends the ids reached through `list`, the child list of `id`, when `id` is open. 0 when
  /// the list is empty, `id` is closed or either names no item.
  int SearchItems(int id, const std::vector<int>& list);
  /// The index of `id` in the shown list, or -1 when it is not shown. Keys and hover ask it on
  /// every event, so it is an index kept beside the list, not a search of it.
  int GetItemInShowPos(int id) const {
    return id >= 0 && std::size_t(id) < m_vecShowPos.size() ? m_vecShowPos[std::size_t(id)] : -1;
  }

  // Checks (CTreeChecks.cpp).

  /// Sets the state of `id`, pushes it down to the descendants and recomputes the ancestors below
  /// the root. Each ancestor is decided with the state passed in and its own count of checked
  /// children; an ancestor with a single child mirrors it. State NONE stops at the grandchildren.
  void SetItemCheck(int id, TREE_ITEM_CHECK state);
  /// The downward part: `id` and all its descendants, or with NONE `id` and its children only.
  void SetChildItemCheck(int id, TREE_ITEM_CHECK state);
  /// Direct children in state YES or YES_HALF; 0 when the item itself is NONE or NO.
  int GetItemChildCheckNum(int id) const;
  /// The checked top-level items and, below any item not NO, every child not NO (NONE included),
  /// in display order.
  void GetCheckedItems(std::vector<_TREE_ITEM>& out) const;
  /// The part of GetCheckedItems below `id`; 0 when it has no children or is NO.
  int GetChildCheckItems(int id, std::vector<_TREE_ITEM>& out) const;

 protected:
  /// Appends the root record (open) and its empty child list.
  void SetRootItemValue();
  /// `id` names a record: the root or an item.
  bool IsRecord(int id) const { return id >= 0 && id < m_nItemCount; }
  /// `id` names an item: a record other than the root.
  bool IsItem(int id) const { return id >= 1 && id < m_nItemCount; }

 private:
  /// Removes the children at positions [first, last) of `owner`'s list with their subtrees.
  void RemoveChildren(int owner, std::size_t first, std::size_t last);

 protected:
  std::vector<_TREE_ITEM> m_vecItems;           ///< record i has nID i; record 0 is the root
  TreeChildLists m_vecChildren;                 ///< direct children of record i, ascending
  int m_nItemCount = 1;                         ///< records, the root included
  std::vector<int> m_vecShowItems;              ///< shown ids in display order
  /// m_vecShowPos[id]: the index of id in m_vecShowItems, or -1. Rebuilt with the list, touching
  /// only the entries of the ids shown before and after, so a tree of many closed items pays
  /// for what it shows, not for what it holds.
  std::vector<int> m_vecShowPos;
  int m_nShowCount = 0;  ///< the size of m_vecShowItems
  int m_nFirstShow = 0;  ///< index into m_vecShowItems of the first row on screen
  int m_nFocusItem = 1;  ///< see GetFocusItem
  int m_nHoverItem = -1;  ///< see GetHoverItem
  std::vector<_TREE_ITEM_TIP> m_vecTips;  ///< see SetTipsValue
};
