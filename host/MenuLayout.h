/// @class MenuLayout
/// Where the rows of a pop-up menu lie in its client area. The one walk of the rows made here
/// serves painting, hit-testing and the window's size, so they cannot drift apart.
#pragma once

#include <vector>

#include "host/MenuItem.h"
#include "platform/mfc/CRect.h"

class MenuLayout {
 public:
  ///@{
  /// Room to the left of the text (where a check mark would go) and to its right.
  static constexpr int kTextInsetLeft = 24;
  static constexpr int kTextInsetRight = 24;
  ///@}
  /// Space above and below the text of a row.
  static constexpr int kRowPaddingY = 4;
  /// A separator row, with its one-pixel line in the middle.
  static constexpr int kSeparatorHeight = 7;
  /// Space between the frame and the first and last rows.
  static constexpr int kMenuPaddingY = 3;
  /// A menu of short words is still wide enough to aim at.
  static constexpr int kMinClientWidth = 120;

  /// `textWidths` holds the measured width of each item's text (separators: anything);
  /// `textHeight` is the height of a line of the menu's font.
  MenuLayout(const std::vector<MenuItem>& items, const std::vector<int>& textWidths,
             int textHeight);

  /// The size of the window's client area that holds every row.
  CSize ClientSize() const { return m_size; }
  /// The number of rows.
  int Count() const { return int(m_vecRows.size()); }
  ///@{
  /// Rectangles in client coordinates of a row, of its text and of a separator's line; an
  /// index outside the rows gives an empty rectangle.
  CRect RowRect(int index) const;
  CRect TextRect(int index) const;
  CRect SeparatorLine(int index) const;
  ///@}
  /// The row under a client point, -1 for none (padding, frame or outside).
  int RowAt(POINT client) const;

 private:
  std::vector<CRect> m_vecRows;
  CSize m_size;
};
