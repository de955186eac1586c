// The tree's painting: the rows area, each row on screen through the painter, and the frame;
// and the look the painter is handed with each row. Painting only reads the state the
// handlers and the layout left.
#include <algorithm>

#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "platform/mfc/CPaintDC.h"
#include "tree/CElementTree.h"

TreeRowLook CElementTree::GetRowLook() const {
  TreeRowLook look;
  look.style = m_eShowStyle;
  look.leftMargin = m_nLeftMargin;
  look.buttons = m_bBtnShow != 0;
  look.gradientLine = m_bDrawGradientLine != 0;
  look.panel = GetColor(COLOR_PART_PANEL, COLOR_STATE_NORMAL);
  look.panelHover = GetColor(COLOR_PART_PANEL, COLOR_STATE_HOVER);
  look.panelFocus = GetColor(COLOR_PART_PANEL, COLOR_STATE_FOCUS);
  look.focusBackChild = m_clrFocusBgL2;
  look.textHover = GetColor(COLOR_PART_TEXT, COLOR_STATE_HOVER);
  look.textFocus = GetColor(COLOR_PART_TEXT, COLOR_STATE_FOCUS);
  look.divideLine = m_clrDivideLine;
  look.focusHead = m_gradFocusHead;
  look.fatherFont = m_lfFather;
  look.childFont = m_lfChild;
  look.pictures = &m_bitmaps;
  return look;
}

int CElementTree::OnPaint(CPaintDC* paintDC) {
  if (!paintDC) return 0;
  const CRect all = GetDrawRect();
  CRect clip;
  if (paintDC->GetClipBox(&clip) == NULLREGION) return 1;
  CMemDC dc(paintDC, &all);
  CLightCanvas canvas(&dc);
  // Only what the clip lets through reaches the screen.
  CRect shown;
  shown.IntersectRect(&all, &clip);
  const COLORREF panel = GetColor(COLOR_PART_PANEL, COLOR_STATE_NORMAL);
  if (m_rcItems.Width() <= 0) {
    canvas.FillRect(shown, panel);
    canvas.Restore();
    return 1;
  }
  // The rows that show; a row also draws the divider on the line above it.
  int first = 0, last = -1;
  for (int k = 0; IsLaidOutRow(k); ++k) {
    const CRect& row = m_vecShowRects[std::size_t(k)];
    if (row.bottom < clip.top || row.top - 1 >= clip.bottom) continue;
    if (last < first) first = k;
    last = k;
  }
  const TreeRowLook look = GetRowLook();
  // A see-through row background lets the panel show under the row: then the panel goes
  // everywhere first.
  const bool rowsCover = look.panelHover != COLOR_NONE && look.panelFocus != COLOR_NONE &&
                         look.focusBackChild != COLOR_NONE;
  if (rowsCover) PaintPanelAroundRows(canvas, shown, first, last, panel);
  else canvas.FillRect(shown, panel);
  canvas.SetBkMode(TRANSPARENT);
  for (int k = first; k <= last; ++k) {
    m_pItemPainter->SetItemValue(m_vecItems[std::size_t(RowItem(k))], look);
    m_pItemPainter->Draw(canvas, m_vecShowRects[std::size_t(k)]);
  }
  if (m_clrDivideLine != TREE_CLR_UNSET) {
    // Top, right and left edges: the rows area is open at the bottom.
    const CRect& r = m_rcItems;
    canvas.DrawLine(r.left, r.top, m_clrDivideLine, r.right, r.top);
    canvas.DrawLine(r.right, r.bottom, m_clrDivideLine);
    canvas.DrawLine(r.left, r.bottom, m_clrDivideLine, r.left, r.top);
  }
  canvas.Restore();
  return 1;
}

void CElementTree::PaintPanelAroundRows(CLightCanvas& canvas, const CRect& shown, int first,
                                        int last, COLORREF panel) const {
  // Each pixel once: the rows fill their own background, so the panel goes beside them, in
  // the lines between them that they leave and above and below them, before any row draws.
  const auto fill = [&](const CRect& part) {
    CRect piece;
    if (piece.IntersectRect(&part, &shown)) canvas.FillRect(piece, panel);
  };
  const CRect& r = m_rcItems;
  fill(CRect(shown.left, shown.top, r.left, shown.bottom));
  fill(CRect(r.right, shown.top, shown.right, shown.bottom));
  int y = shown.top;
  for (int k = first; k <= last; ++k) {
    const CRect filled = CTreeItem::FilledPart(m_eShowStyle, m_vecShowRects[std::size_t(k)]);
    fill(CRect(r.left, y, r.right, filled.top));
    y = std::max(y, filled.bottom);
  }
  fill(CRect(r.left, y, r.right, shown.bottom));
}
