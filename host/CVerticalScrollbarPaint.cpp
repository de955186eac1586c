// The scroll bar element's painting: track, frame, arrows and thumb. It reads state and changes none.
#include "host/CVerticalScrollbar.h"

#include "host/ThemeLookup.h"
#include "platform/mfc/CPaintDC.h"

namespace {

// A small filled triangle pointing up or down, centred in `box`.
void DrawArrow(CDC& dc, const CRect& box, bool up, COLORREF color) {
  const int cx = box.left + box.Width() / 2;
  const int half = std::max(1, std::min(box.Width(), box.Height()) / 4);
  const int top = box.top + (box.Height() - half) / 2;
  for (int row = 0; row < half; ++row) {
    const int width = up ? row : half - 1 - row;
    dc.FillSolidRect(cx - width, top + row, 2 * width + 1, 1, color);
  }
}

}  // namespace

int CVerticalScrollbar::OnPaint(CPaintDC* paintDC) {
  if (!paintDC) return 0;
  CDC& dc = *paintDC;
  const CRect all = GetDrawRect();
  dc.FillSolidRect(&all, ThemeColor(L"ScrollBar.Track"));
  if (m_nStyle & VSCROLL_STYLE_FRAME) {
    CBrush frame(GetColor(COLOR_PART_FRAME, COLOR_STATE_NORMAL));
    dc.FrameRect(&all, &frame);
  }
  const int arrow = ArrowSize();
  if (arrow > 0) {
    const COLORREF arrowColor = ThemeColor(L"ScrollBar.Arrow");
    DrawArrow(dc, CRect(0, 0, all.Width(), arrow), true, arrowColor);
    DrawArrow(dc, CRect(0, all.bottom - arrow, all.Width(), all.bottom), false, arrowColor);
  }
  if (Geometry().Scrollable()) {
    const wchar_t* key = m_held == Part::Thumb ? L"ScrollBar.Thumb.push"
                         : m_bThumbHover        ? L"ScrollBar.Thumb.hover"
                                                : L"ScrollBar.Thumb";
    CRect thumb = ThumbRect();
    if (m_nStyle & VSCROLL_STYLE_FRAME) thumb.DeflateRect(1, 0);
    dc.FillSolidRect(&thumb, ThemeColor(key));
  }
  return 1;
}
