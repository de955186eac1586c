// The plain control's painting: a label's text, or a check box with its caption.
#include "host/CElementControl.h"

#include "host/OffscreenDC.h"
#include "host/PaintCanvas.h"
#include "platform/mfc/CPaintDC.h"

namespace {

// '&' is a character like any other in a caption, not a mnemonic marker.
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

void DrawTick(PaintCanvas& canvas, const CRect& box, COLORREF color) {
  // A tick of two strokes, three pixels thick, in the middle of the box.
  for (int t = 0; t < 3; ++t) {
    canvas.DrawLine(box.left + 3, box.top + 5 + t, color, box.left + 5, box.top + 7 + t);
    canvas.DrawLine(box.left + 10, box.top + 2 + t, color);
  }
}

}  // namespace

DWORD CElementControl::TextState() const {
  return IsEnable() ? COLOR_STATE_NORMAL : COLOR_STATE_DISABLE;
}

CRect CElementControl::GetBoxRect() const {
  const CRect r = GetDrawRect();
  const int top = r.top + (r.Height() - kCheckBoxSize) / 2;
  return CRect(r.left, top, r.left + kCheckBoxSize, top + kCheckBoxSize);
}

int CElementControl::OnPaint(CPaintDC* paintDC) {
  if (!paintDC) return 0;
  const CRect all = GetDrawRect();
  OffscreenDC dc(paintDC, &all);
  PaintCanvas canvas(&dc);
  const COLORREF back = GetColor(COLOR_PART_BACKGROUND, TextState());
  // Without a background of its own the control shows what its parent painted.
  if (back == COLOR_NONE) dc.StartFromTarget();
  canvas.FillRect(all, back);
  LOGFONTW lf{};
  GetFont(&lf);
  canvas.SetFont(lf);
  canvas.SetBkMode(TRANSPARENT);
  canvas.SetTextColor(GetColor(COLOR_PART_TEXT, TextState()));
  if (IsCheckBox()) PaintCheckBox(canvas);
  else PaintLabel(canvas);
  canvas.Restore();
  return 1;
}

void CElementControl::PaintLabel(PaintCanvas& canvas) {
  UINT format = kCaptionFormat | DT_END_ELLIPSIS;
  if (GetStyle() & ELEMENT_STYLE_CENTER) format |= DT_CENTER;
  else if (GetStyle() & ELEMENT_STYLE_RIGHT) format |= DT_RIGHT;
  CRect r = GetDrawRect();
  canvas.DrawText(GetTextString(), &r, format);
}

void CElementControl::PaintCheckBox(PaintCanvas& canvas) {
  const DWORD state = GetLook();
  const CRect box = GetBoxRect();
  // Pushed and hover looks change the box; focus shows around the caption.
  const DWORD boxState = state == COLOR_STATE_FOCUS ? COLOR_STATE_NORMAL : state;
  canvas.FillRect(box, GetColor(COLOR_PART_PANEL, boxState));
  canvas.FrameRect(box, GetColor(COLOR_PART_FRAME, boxState));
  if (m_bChecked) DrawTick(canvas, box, GetColor(COLOR_PART_TEXT, TextState()));

  CRect caption = GetDrawRect();
  caption.left = box.right + kCheckBoxGap;
  CRect measured = caption;
  canvas.DrawText(GetTextString(), &measured, kCaptionFormat | DT_CALCRECT);
  canvas.DrawText(GetTextString(), &caption, kCaptionFormat | DT_END_ELLIPSIS);
  if (IsFocus()) {
    // The focus frame hugs the caption, one pixel out, within the element.
    const int textHeight = measured.Height();
    CRect focus(caption.left - 1, caption.top + (caption.Height() - textHeight) / 2 - 1,
                std::min(caption.right, measured.right + 1),
                caption.top + (caption.Height() + textHeight) / 2 + 1);
    canvas.FrameRect(focus, GetColor(COLOR_PART_FRAME, COLOR_STATE_FOCUS));
  }
}
