// The scroll bar element's colours and painting: track, frame, arrows and thumb. Painting reads
// state and changes none.
#include "host/CVerticalScrollbar.h"

#include "host/OffscreenDC.h"
#include "host/PaintCanvas.h"
#include "host/ThemeColorRows.h"
#include "platform/mfc/CPaintDC.h"

namespace {

// The track is the background, the thumb a panel that shows hover and push, the arrows text.
// The frame keeps the framework's colour.
constexpr ThemeColorRow kThemeColors[] = {
    {COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL, L"ScrollBar.Track"},
    {COLOR_PART_PANEL, COLOR_STATE_NORMAL, L"ScrollBar.Thumb"},
    {COLOR_PART_PANEL, COLOR_STATE_HOVER, L"ScrollBar.Thumb.hover"},
    {COLOR_PART_PANEL, COLOR_STATE_PUSH, L"ScrollBar.Thumb.push"},
    {COLOR_PART_TEXT, COLOR_STATE_NORMAL, L"ScrollBar.Arrow"},
};

// A small filled triangle pointing up or down, centred in `box`.
void DrawArrow(PaintCanvas& canvas, const CRect& box, bool up, COLORREF color) {
  const int cx = box.left + box.Width() / 2;
  const int half = std::max(1, std::min(box.Width(), box.Height()) / 4);
  const int top = box.top + (box.Height() - half) / 2;
  for (int row = 0; row < half; ++row) {
    const int width = up ? row : half - 1 - row;
    canvas.FillRect(CRect(cx - width, top + row, cx + width + 1, top + row + 1), color);
  }
}

}  // namespace

void CVerticalScrollbar::LoadDefaultColors() { LoadThemeColors(*this, kThemeColors); }

int CVerticalScrollbar::OnPaint(CPaintDC* paintDC) {
  if (!paintDC) return 0;
  const CRect all = GetDrawRect();
  OffscreenDC dc(paintDC, &all);
  PaintCanvas canvas(&dc);
  canvas.FillRect(all, GetColor(COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL));
  if (m_nStyle & VSCROLL_STYLE_FRAME)
    canvas.FrameRect(all, GetColor(COLOR_PART_FRAME, COLOR_STATE_NORMAL));
  const int arrow = ArrowSize();
  if (arrow > 0) {
    const COLORREF arrowColor = GetColor(COLOR_PART_TEXT, COLOR_STATE_NORMAL);
    DrawArrow(canvas, CRect(0, 0, all.Width(), arrow), true, arrowColor);
    DrawArrow(canvas, CRect(0, all.bottom - arrow, all.Width(), all.bottom), false, arrowColor);
  }
  if (Geometry().Scrollable()) {
    // A dragged thumb shows pushed wherever the pointer goes: it follows the pointer.
    const DWORD state = GetPress().Active() == kThumb ? COLOR_STATE_PUSH
                                                      : PartLook(GetPress(), kThumb, true);
    CRect thumb = ThumbRect();
    if (m_nStyle & VSCROLL_STYLE_FRAME) thumb.DeflateRect(1, 0);
    canvas.FillRect(thumb, GetColor(COLOR_PART_PANEL, state));
  }
  canvas.Restore();
  return 1;
}
