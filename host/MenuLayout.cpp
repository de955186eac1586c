#include "host/MenuLayout.h"

#include <algorithm>

MenuLayout::MenuLayout(const std::vector<MenuItem>& items, const std::vector<int>& textWidths,
                       int textHeight) {
  const int rowHeight = std::max(0, textHeight) + 2 * kRowPaddingY;
  int width = kMinClientWidth;
  int y = kMenuPaddingY;
  for (std::size_t i = 0; i < items.size(); ++i) {
    const int height = items[i].IsSeparator() ? kSeparatorHeight : rowHeight;
    m_vecRows.emplace_back(0, y, 0, y + height);
    y += height;
    if (!items[i].IsSeparator() && i < textWidths.size())
      width = std::max(width, kTextInsetLeft + textWidths[i] + kTextInsetRight);
  }
  for (CRect& row : m_vecRows) row.right = width;
  m_size = CSize(width, y + kMenuPaddingY);
}

CRect MenuLayout::RowRect(int index) const {
  if (index < 0 || index >= Count()) return CRect();
  return m_vecRows[std::size_t(index)];
}

CRect MenuLayout::TextRect(int index) const {
  CRect text = RowRect(index);
  if (text.IsRectEmpty()) return text;
  text.left += kTextInsetLeft;
  text.right -= kTextInsetRight;
  return text;
}

CRect MenuLayout::SeparatorLine(int index) const {
  const CRect row = RowRect(index);
  if (row.IsRectEmpty()) return row;
  const int y = row.top + row.Height() / 2;
  return CRect(row.left + kTextInsetLeft / 2, y, row.right - kTextInsetRight / 2, y + 1);
}

int MenuLayout::RowAt(POINT client) const {
  // Rows are stacked top-down, so the first one reaching below the point is the only candidate.
  const auto it = std::upper_bound(m_vecRows.begin(), m_vecRows.end(), client.y,
                                   [](int y, const CRect& row) { return y < row.bottom; });
  if (it == m_vecRows.end() || !it->PtInRect(client)) return -1;
  return int(it - m_vecRows.begin());
}
