/// @class TreeTipLayout
/// Where a tip's texts go and how large its window is, apart from any window: the tip's text,
/// then its further lines, then its table with the cells of each column left-aligned in a
/// column as wide as its widest cell. Measuring is the caller's, so this is plain arithmetic.
#pragma once

/// @file
/// The tip's layout and placement, apart from any window.

#include <functional>
#include <vector>

#include "platform/mfc/CRect.h"
#include "tree/TreeItem.h"

/// One text of a tip and where it goes.
struct TreeTipCell {
  CString text;  ///< a line, or a cell of the table
  CRect rect;  ///< in the window's client coordinates
};

struct TreeTipLayout {
  std::vector<TreeTipCell> cells;  ///< the texts, in the order they are read
  CSize size;  ///< the whole window, its one-pixel frame included
};

/// Each text takes a line `lineHeight` pixels high; `measure` gives a text's width.
TreeTipLayout LayoutTreeTip(const _TREE_ITEM_TIP& tip, int lineHeight,
                            const std::function<int(const CString&)>& measure);

/// The window's top-left corner: at `anchor`, moved left and up just enough to keep a window of
/// `size` on `screen`, but never off its left or top edge.
POINT PlaceTreeTip(POINT anchor, SIZE size, const RECT& screen);

///@{
/// Padding between the frame and the texts, and between the columns of the table.
constexpr int kTreeTipPadX = 4;
constexpr int kTreeTipColumnGap = 12;
///@}
