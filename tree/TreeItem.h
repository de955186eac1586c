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
  TREE_NEXT_ROOT = 0,
  TREE_NEXT_ITSELF = 1,
  TREE_NEXT_CHILD = 2,
};

/// The check box of an item. YES and YES_HALF both count as checked.
enum TREE_ITEM_CHECK : int {
  TREE_CHECK_NONE = 0,  ///< no box is drawn
  TREE_CHECK_YES = 1,
  TREE_CHECK_NO = 2,
  TREE_CHECK_YES_HALF = 3,  ///< some descendants are checked
};

/// How the tree looks: the classic tree with dotted connector lines and a focus frame, or a flat
/// accordion with hover, a focus gradient and dividers under top-level items.
enum TREE_SHOW_STYLE : int {
  TREE_STYLE_LINE = 0,
  TREE_STYLE_FLAT = 1,
};

/// The part of a row a point falls in.
enum MOUSE_IN_ITEM_AREA : int {
  MOUSE_IN_NONE = 0,
  MOUSE_IN_BTN = 1,
  MOUSE_IN_CHECK = 2,
  MOUSE_IN_TEXT = 3,
};

/// The common notification codes the tree sends in WM_NOTIFY.
constexpr UINT NM_CLICK = UINT(-2);
constexpr UINT NM_DBLCLK = UINT(-3);

/// An item colour field holding this value has not been set; InsertItem fills it in.
constexpr COLORREF TREE_CLR_UNSET = 0xFF000000;

struct _TREE_ITEM {
  int nLevel = 0;  ///< depth: top-level items 0
  int nIndex = 0;  ///< position in the parent's child list
  int nID = 0;     ///< position in the store
  int nChildCount = 0;
  int nParentID = 0;         ///< 0, the root, for top-level items
  int nHeight = 20;          ///< row height in pixels
  int nFatherBtnNoShow = 0;  ///< ancestors below the root that show no button; they take no indent
  /// pixels left after the text in its row; negative when the text is cut
  int nTextLeave = 0;
  int nOpen = 0;             ///< 1 when the children are shown
  TREE_ITEM_CHECK eCheck = TREE_CHECK_NONE;
  COLORREF clrBkFrom = TREE_CLR_UNSET;  ///< row background, or the start of its gradient
  COLORREF clrBkTo = TREE_CLR_UNSET;
  COLORREF clrText = TREE_CLR_UNSET;
  COLORREF clrTextT = TREE_CLR_UNSET;  ///< kept for the host; not drawn
  CString strText;
  BOOL bShowBtn = 1;  ///< the item may show an expand button
  BOOL bHaveTip = 0;  ///< the item has a tip record and shows the sub-entry marker
};

/// A tip the host supplies for one item.
struct _TREE_ITEM_TIP {
  int nItemID = 0;
  int nHeight = 0;
  /// Words for the host's tip presentation; the tree only carries them.
  int nTipValue3 = 1;
  int nTipValue4 = 0;
  CString strTip;
  std::vector<CString> vecTipLines;
  std::vector<std::vector<CString>> vecTipTable;
};

/// A two-colour gradient; both colours TREE_CLR_UNSET means no gradient.
struct _COLOR_GRADIENT {
  COLORREF clrFrom = TREE_CLR_UNSET;
  COLORREF clrTo = TREE_CLR_UNSET;
};

/// What the tree's notifications carry: the header, and a copy of the item's record whose text
/// is the item's path when bPathText is 1.
struct tagNM_TREECONTAINER {
  NMHDR hdr{};
  int bPathText = 0;
  _TREE_ITEM item;
};
