/// @file
/// The tree's records and enumerations. Hosts read and write them through the tree's exported
/// methods, so their fields, order, values and defaults are fixed.
#pragma once

#include <vector>

#include "platform/mfc/CString.h"
#include "platform/win32/WinDef.h"
#include "platform/win32/WinMessages.h"

/// What GetNextItem fetches relative to an item.
enum TREE_ITEM_NEXT : int {
  TREE_NEXT_ROOT = 0,    ///< the root record, whatever the item
  TREE_NEXT_ITSELF = 1,  ///< the item's own record
  TREE_NEXT_CHILD = 2,   ///< the item's first child
};

/// The check box of an item. YES and YES_HALF both count as checked.
enum TREE_ITEM_CHECK : int {
  TREE_CHECK_NONE = 0,  ///< no box is drawn
  TREE_CHECK_YES = 1,  ///< checked
  TREE_CHECK_NO = 2,   ///< an empty box
  TREE_CHECK_YES_HALF = 3,  ///< some descendants are checked
};

/// How the tree looks: the classic tree with dotted connector lines and a focus frame, or a flat
/// accordion with hover, a focus gradient and dividers under top-level items.
enum TREE_SHOW_STYLE : int {
  TREE_STYLE_LINE = 0,  ///< the classic tree
  TREE_STYLE_FLAT = 1,  ///< the flat accordion
};

/// The part of a row a point falls in.
enum MOUSE_IN_ITEM_AREA : int {
  MOUSE_IN_NONE = 0,   ///< beside the item's parts
  MOUSE_IN_BTN = 1,    ///< the expand button
  MOUSE_IN_CHECK = 2,  ///< the check box
  MOUSE_IN_TEXT = 3,   ///< the text
};

///@{
/// The common notification codes the tree sends in WM_NOTIFY: a click on a row's button or
/// check box (or any row with children, in the flat style), and a double click on a row.
constexpr UINT NM_CLICK = UINT(-2);
constexpr UINT NM_DBLCLK = UINT(-3);
///@}

/// An item colour field holding this value has not been set; InsertItem fills it in.
constexpr COLORREF TREE_CLR_UNSET = 0xFF000000;

/// An item's record: fill strText (and what else the item needs) and hand it to InsertItem,
/// which writes the place it got (nID, nParentID, nLevel, nIndex) back. Ids are dense: deleting
/// an item renumbers the later ones, so keep the text or path, not the id, across deletions.
struct _TREE_ITEM {
  int nLevel = 0;  ///< depth: top-level items 0
  int nIndex = 0;  ///< position in the parent's child list
  int nID = 0;     ///< position in the store
  int nChildCount = 0;  ///< direct children
  int nParentID = 0;         ///< 0, the root, for top-level items
  int nHeight = 20;          ///< row height in pixels
  int nFatherBtnNoShow = 0;  ///< ancestors below the root that show no button; they take no indent
  /// pixels left after the text in its row; negative when the text is cut
  int nTextLeave = 0;
  int nOpen = 0;             ///< 1 when the children are shown
  TREE_ITEM_CHECK eCheck = TREE_CHECK_NONE;  ///< the check box; NONE draws none
  COLORREF clrBkFrom = TREE_CLR_UNSET;  ///< row background, or the start of its gradient
  COLORREF clrBkTo = TREE_CLR_UNSET;    ///< kept for the host; not drawn
  COLORREF clrText = TREE_CLR_UNSET;    ///< text in the normal state
  COLORREF clrTextT = TREE_CLR_UNSET;  ///< kept for the host; not drawn
  CString strText;  ///< what the row shows
  BOOL bShowBtn = 1;  ///< the item may show an expand button
  BOOL bHaveTip = 0;  ///< the item has a tip record and shows the sub-entry marker
};

/// A tip the host supplies for one item.
/// The item also sets bHaveTip. The tip shows strTip, then each of vecTipLines, then
/// vecTipTable in aligned columns, one line each.
struct _TREE_ITEM_TIP {
  int nItemID = 0;  ///< the item it belongs to
  int nHeight = 0;  ///< kept for the host; the tip is as tall as its lines
  ///@{
  /// Words for the host's tip presentation; the tree only carries them.
  int nTipValue3 = 1;
  int nTipValue4 = 0;
  ///@}
  CString strTip;  ///< the first line; an empty one is left out when other lines follow
  std::vector<CString> vecTipLines;  ///< lines below it
  std::vector<std::vector<CString>> vecTipTable;  ///< rows of cells, below the lines
};

/// A two-colour gradient; both colours TREE_CLR_UNSET means no gradient.
struct _COLOR_GRADIENT {
  COLORREF clrFrom = TREE_CLR_UNSET;  ///< the colour at the top
  COLORREF clrTo = TREE_CLR_UNSET;    ///< the colour at the bottom
};

/// What the tree's notifications carry: the header, and a copy of the item's record whose text
/// is the item's path when bPathText is 1.
/// It arrives in a CPackager<tagNM_TREECONTAINER>: read it with
/// CPackager<tagNM_TREECONTAINER>::FromLParam(lParam)->Value().
struct tagNM_TREECONTAINER {
  NMHDR hdr{};  ///< code NM_CLICK, NM_DBLCLK or the host's own; idFrom the tree's id
  int bPathText = 0;  ///< 1 when item.strText holds the item's path
  _TREE_ITEM item;  ///< the item's record as it was when the notice was sent
};
