/// @class TreeRowLook
/// The tree's side of a row's look: its style and switches, its colours, fonts and pictures. The
/// tree hands it to its painter with each row (CElementTree::GetRowLook), so that the painter
/// draws with what it is given and never reads the tree's members.
#pragma once

#include "platform/win32/WinGdi.h"
#include "tree/TreeItem.h"

class CTreeBitmaps;

struct TreeRowLook {
  TREE_SHOW_STYLE style = TREE_STYLE_LINE;  ///< CElementTree::SetShowStyle
  int leftMargin = 0;                       ///< CElementTree::SetLeftMargin
  bool buttons = false;       ///< the tree's button switch; an item may still hide its own
  bool gradientLine = false;  ///< a line over a top-level row's focus gradient
  ///@{
  /// Row backgrounds: normal, hover and focus.
  COLORREF panel = 0;
  COLORREF panelHover = 0;
  COLORREF panelFocus = 0;
  ///@}
  COLORREF focusBackChild = TREE_CLR_UNSET;  ///< a child's focus background in the flat style
  ///@{
  /// Row texts under the pointer and with the focus.
  COLORREF textHover = 0;
  COLORREF textFocus = 0;
  ///@}
  COLORREF divideLine = TREE_CLR_UNSET;  ///< CElementTree::SetDivideLineColor
  _COLOR_GRADIENT focusHead;  ///< CElementTree::SetFocusHeadGradient
  ///@{
  /// The fonts of top-level rows and of all others.
  LOGFONTW fatherFont{};
  LOGFONTW childFont{};
  ///@}
  const CTreeBitmaps* pictures = nullptr;  ///< the tree's; null draws no picture
};
