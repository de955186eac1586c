// The edit box's painting: frame, field, the visible part of the text, the selection over it
// and the caret, all off-screen. Painting reads the state the handlers left; the widths it
// places characters by are the ones hit testing uses.
#include <algorithm>
#include <cstdlib>

#include "edit/CElementEdit.h"
#include "edit/EditGeometry.h"
#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "platform/mfc/CPaintDC.h"

namespace {

// '&' is a character like any other here, not a mnemonic marker.
constexpr UINT kTextFormat = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
// Glyph ink may reach past a character's advance (italics, wide bearings), so characters this
// close outside the area are drawn too.
constexpr int kMinInkMargin = 16;

struct RunColors {
  COLORREF text;
  COLORREF back;
};

// Draws the characters [from, to) that show in `area`, the text starting at x = `origin`.
void PaintRun(CDC& dc, CLightCanvas& canvas, const std::wstring& text, std::span<const int> widths,
              int from, int to, const CRect& area, int origin, int inkMargin, RunColors colors) {
  const CharRange shown =
      CharsBetween(widths, area.left - origin - inkMargin, area.right - origin + inkMargin);
  const int first = std::max(from, shown.first), last = std::min(to, shown.last);
  if (first >= last) return;
  // No background colour lets the field show through.
  canvas.SetBkMode(colors.back == COLOR_NONE ? TRANSPARENT : OPAQUE);
  canvas.SetBkColor(colors.back);
  canvas.SetTextColor(colors.text);
  CRect box(origin + widths[std::size_t(first)], area.top, origin + widths[std::size_t(last)],
            area.bottom);
  dc.DrawText(text.data() + first, last - first, &box, kTextFormat);
}

}  // namespace

int CElementEdit::OnPaint(CPaintDC* paintDC) {
  if (!paintDC) return 0;
  const CRect all = GetDrawRect();
  CMemDC dc(paintDC, &all);
  CLightCanvas canvas(&dc);
  canvas.FillRect(all, m_clrBackground);
  canvas.FillRect(all, m_clrFrame);
  canvas.FillRect(GetFieldRect(), m_clrTextBack);

  LOGFONTW lf{};
  GetFont(&lf);
  canvas.SetFont(lf);
  const CRect clip = GetClipRect();
  dc.IntersectClipRect(&clip);

  const CRect area = GetTextArea();
  const std::span<const int> widths = PrefixWidths();
  const std::wstring& text = m_model.Text();
  const int origin = area.left - m_nScrollOffset;
  const int inkMargin = std::max(kMinInkMargin, std::abs(int(lf.lfHeight)));
  if (!text.empty()) {
    PaintRun(dc, canvas, text, widths, 0, m_model.Length(), area, origin, inkMargin,
             {m_clrText, m_clrTextBack});
    if (m_model.HasSelection())
      PaintRun(dc, canvas, text, widths, m_model.SelMin(), m_model.SelMax(), area, origin,
               inkMargin, {m_clrSelText, m_clrSelBack});
  }

  if (m_bCaretVisible) {
    // The caret inverts what lies under it, as tall as the font; centred on the control.
    const int x = origin + widths[std::size_t(m_model.Caret())];
    const int top = (all.Height() - int(lf.lfHeight)) / 2;
    CPen pen(PS_SOLID, 1, RGB(0, 0, 0));
    CPen* oldPen = dc.SelectObject(&pen);
    const int oldRop = dc.SetROP2(R2_NOT);
    dc.MoveTo(x, top);
    dc.LineTo(x, top + int(lf.lfHeight));
    dc.SetROP2(oldRop);
    dc.SelectObject(oldPen);
  }
  canvas.Restore();
  return 1;
}
