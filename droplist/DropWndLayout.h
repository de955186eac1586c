/// @class DropWndLayout
/// The drop window's arithmetic as pure functions: where the pop-up opens, how high it is, how
/// its list and scroll bar share it, and which row it shows first. None of them divides by a row
/// height or a page count that is zero or less.
#pragma once

#include "platform/win32/WinDef.h"
#include "platform/win32/WinInput.h"

struct DropWndLayout {
  /// Pixels a row of the list takes.
  static constexpr int kRowHeight = 18;
  /// Pixels the scroll bar takes at the right.
  static constexpr int kScrollWidth = 14;
  /// The pop-up's one-pixel border, above and below the rows.
  static constexpr int kBorder = 1;

  /// The rows a page holds: the drop list's page count, at least 1.
  static int PageRows(int pageCount) { return pageCount < 1 ? 1 : pageCount; }
  /// The pop-up's height: the rows of one page (fewer when there are fewer items) and its
  /// border. An empty list gives the border alone.
  static int PopupHeight(int itemCount, int pageCount);

  /// The pop-up's screen rectangle, as wide as the control: below it, overlapping its bottom
  /// border by one pixel, or above it, overlapping its top border, when the desktop has no room
  /// below.
  static RECT PlacePopup(const RECT& controlOnScreen, int height, const RECT& desktop);

  /// How the pop-up's client area is shared: the list, and the scroll bar along the right edge
  /// while the rows do not fit.
  struct Parts {
    RECT list{};    ///< the list's window, in the pop-up's client coordinates
    RECT scroll{};  ///< the scroll bar's window; empty while it is hidden
    bool scrollShown = false;  ///< the rows do not fit: the scroll bar shows
  };
  /// Shares a client area among `itemCount` rows of `rowHeight`.
  static Parts SplitClient(const RECT& client, int itemCount, int rowHeight);

  /// The rows the list shows whole in a view this high.
  static int VisibleRows(int viewHeight, int rowHeight);
  /// The first row shown when the pop-up opens on `selection`: the selection itself, kept so
  /// that the last page is full; 0 for no selection.
  static int FirstRowFor(int selection, int itemCount, int visibleRows);

  /// The row Up or Down selects in the open list, from the first row shown, the current row and
  /// the rows the view holds: the row above or below, or the first row shown when the current
  /// one is out of view (or there is none). -1 selects nothing new: Up on the first row, Down on
  /// the last, any other key.
  static int ArrowTarget(UINT vk, int top, int current, int visibleRows, int itemCount);
};
