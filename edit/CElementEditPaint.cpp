// The edit box's painting: frame, field, the visible part of the text, the selection over it
// and the caret, all off-screen. Painting reads the state the handlers left; the widths it
// places characters by are the ones hit testing uses.
#include <algorithm>

#include "edit/CElementEdit.h"
#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "platform/mfc/CPaintDC.h"

namespace {

// '&' is a character like any other here, not a mnemonic marker.
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;

// The caret inverts what lies under it, from `top` for `height` pixels (upwards when the height
// is negative). Ends above the top of the element are pulled to 0: a negative one would mean
// "from the current position", and the clip keeps those rows out anyway.
void DrawCaret(CLightCanvas& canvas, int x, int top, int height) {
  if (x < 0) return;
  canvas.SetROP2(R2_NOT);
  canvas.DrawLine(x, std::max(top, 0), RGB(0, 0, 0), x, std::max(top + height, 0));
}

}  // namespace

int CElementEdit::OnPaint(CPaintDC* paintDC) {
  if (!paintDC) return 0;
  const CRect all = GetDrawRect();
  CMemDC dc(paintDC, &all);
  CLightCanvas canvas(&dc);
  // Each pixel once: the background shows only through a see-through frame, and the frame only
  // around the field, unless the field is see-through too.
  const CRect field = GetFieldRect();
  if (m_clrFrame == COLOR_NONE || m_clrTextBack == COLOR_NONE)
    canvas.FillRect(all, m_clrBackground);
  if (m_clrTextBack == COLOR_NONE) {
    canvas.FillRect(all, m_clrFrame);
  } else {
    const CRect ring[] = {{all.left, all.top, all.right, field.top},
                          {all.left, field.bottom, all.right, all.bottom},
                          {all.left, field.top, field.left, field.bottom},
                          {field.right, field.top, all.right, field.bottom}};
    for (const CRect& side : ring)
      if (!side.IsRectEmpty()) canvas.FillRect(side, m_clrFrame);
  }
  canvas.FillRect(field, m_clrTextBack);

  LOGFONTW lf{};
  GetFont(&lf);
  canvas.SetFont(lf);
  canvas.ClipTo(GetClipRect());

  const CRect area = GetTextArea();
  const std::span<const int> widths = PrefixWidths();
  const int origin = area.left - m_nScrollOffset;
  // The selection is drawn over the plain text, in its own colours; the plain text's back is
  // the field, filled already.
  const TextRun runs[] = {{0, m_model.Length(), m_clrText, COLOR_NONE},
                          {m_model.SelMin(), m_model.SelMax(), m_clrSelText, m_clrSelBack}};
  canvas.DrawTextRuns({m_model.Text().c_str(), widths, origin, area.top, area.bottom}, runs,
                      kTextFormat);

  if (m_bCaretVisible) {
    const CRect caret = GetCaretRect();
    DrawCaret(canvas, caret.left, caret.top, caret.Height());
  }
  canvas.Restore();
  return 1;
}
