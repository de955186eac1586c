#include "tree/TreeTipLayout.h"

#include <algorithm>

TreeTipLayout LayoutTreeTip(const _TREE_ITEM_TIP& tip, int lineHeight,
                            const std::function<int(const CString&)>& measure) {
  TreeTipLayout layout;
  lineHeight = std::max(lineHeight, 1);
  const int left = 1 + kTreeTipPadX;
  int y = 1, width = 0;
  const auto addLine = [&](const CString& text) {
    const int w = measure(text);
    layout.cells.push_back({text, CRect(left, y, left + w, y + lineHeight)});
    width = std::max(width, w);
    y += lineHeight;
  };
  if (!tip.strTip.IsEmpty() || (tip.vecTipLines.empty() && tip.vecTipTable.empty()))
    addLine(tip.strTip);
  for (const CString& line : tip.vecTipLines) addLine(line);

  std::vector<int> columns;  // the widest cell of each column
  for (const auto& row : tip.vecTipTable)
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (columns.size() <= c) columns.push_back(0);
      columns[c] = std::max(columns[c], measure(row[c]));
    }
  for (const auto& row : tip.vecTipTable) {
    int x = left;
    for (std::size_t c = 0; c < row.size(); ++c) {
      layout.cells.push_back({row[c], CRect(x, y, x + columns[c], y + lineHeight)});
      x += columns[c] + kTreeTipColumnGap;
    }
    width = std::max(width, x - kTreeTipColumnGap - left);
    y += lineHeight;
  }
  layout.size = CSize(width + 2 * (1 + kTreeTipPadX), y + 1);
  return layout;
}

POINT PlaceTreeTip(POINT anchor, SIZE size, const RECT& screen) {
  POINT corner = anchor;
  corner.x = std::max<LONG>(std::min<LONG>(corner.x, screen.right - size.cx), screen.left);
  corner.y = std::max<LONG>(std::min<LONG>(corner.y, screen.bottom - size.cy), screen.top);
  return corner;
}
