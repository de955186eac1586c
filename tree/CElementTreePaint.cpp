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
  // The whole element first: the column beside the scroll bar and any room below the rows.
  canvas.FillRect(all, GetColor(COLOR_PART_PANEL, COLOR_STATE_NORMAL));
  if (m_rcItems.Width() > 0) {
    canvas.SetBkMode(TRANSPARENT);
    for (int k = 0; IsLaidOutRow(k); ++k) {
      const CRect& row = m_vecShowRects[std::size_t(k)];
      // A row also draws the divider on the line above it.
      if (row.bottom < clip.top || row.top - 1 >= clip.bottom) continue;
      m_pItemPainter->SetItemValue(m_vecItems[std::size_t(RowItem(k))]);
      m_pItemPainter->Draw(canvas, row);
    }
    if (m_clrDivideLine != TREE_CLR_UNSET) {
      // Top, right and left edges: the rows area is open at the bottom.
      const CRect& r = m_rcItems;
      canvas.DrawLine(r.left, r.top, m_clrDivideLine, r.right, r.top);
      canvas.DrawLine(r.right, r.bottom, m_clrDivideLine);
      canvas.DrawLine(r.left, r.bottom, m_clrDivideLine, r.left, r.top);
    }
  }
  canvas.Restore();
  return 1;
}
