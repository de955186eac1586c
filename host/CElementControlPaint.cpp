// The plain control's painting: a label's text, or a check box with its caption.
#include "host/CElementControl.h"

#include "platform/mfc/CPaintDC.h"

namespace {

// Selects a font made from a description for the life of the object.
class FontScope {
 public:
  FontScope(CDC& dc, const LOGFONTW& lf) : m_dc(dc) {
    if (m_font.CreateFontIndirect(&lf)) m_old = ::SelectObject(dc.m_hDC, m_font.m_hObject);
  }
  ~FontScope() {
    if (m_old) ::SelectObject(m_dc.m_hDC, m_old);
  }

 private:
  CDC& m_dc;
  CFont m_font;
  HGDIOBJ m_old = nullptr;
};

void DrawTick(CDC& dc, const CRect& box, COLORREF color) {
  // A tick of two strokes, three pixels thick, in the middle of the box.
  CPen pen(PS_SOLID, 1, color);
  CPen* old = dc.SelectObject(&pen);
  for (int t = 0; t < 3; ++t) {
    dc.MoveTo(box.left + 3, box.top + 5 + t);
    dc.LineTo(box.left + 5, box.top + 7 + t);
    dc.LineTo(box.left + 10, box.top + 2 + t);
  }
  dc.SelectObject(old);
}

}  // namespace

CRect CElementControl::GetBoxRect() const {
  const CRect r = GetDrawRect();
  const int top = r.top + (r.Height() - kCheckBoxSize) / 2;
  return CRect(r.left, top, r.left + kCheckBoxSize, top + kCheckBoxSize);
}

int CElementControl::OnPaint(CPaintDC* paintDC) {
  if (!paintDC) return 0;
  CDC& dc = *paintDC;
  const COLORREF back = GetColor(COLOR_PART_BACKGROUND, IsEnable() ? COLOR_STATE_NORMAL : COLOR_STATE_DISABLE);
  if (back != COLOR_NONE) {
    const CRect all = GetDrawRect();
    dc.FillSolidRect(&all, back);
  }
  if (IsCheckBox()) PaintCheckBox(dc);
  else PaintLabel(dc);
  return 1;
}

void CElementControl::PaintLabel(CDC& dc) {
  LOGFONTW lf{};
  GetFont(&lf);
  FontScope font(dc, lf);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(GetColor(COLOR_PART_TEXT, IsEnable() ? COLOR_STATE_NORMAL : COLOR_STATE_DISABLE));
  UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (GetStyle() & ELEMENT_STYLE_CENTER) format |= DT_CENTER;
  else if (GetStyle() & ELEMENT_STYLE_RIGHT) format |= DT_RIGHT;
  CRect r = GetDrawRect();
  dc.DrawText(GetTextString(), &r, format);
}

void CElementControl::PaintCheckBox(CDC& dc) {
  const DWORD state = GetLook();
  const CRect box = GetBoxRect();
  // Pushed and hover looks change the box; focus shows around the caption.
  const DWORD boxState = state == COLOR_STATE_FOCUS ? COLOR_STATE_NORMAL : state;
  dc.FillSolidRect(&box, GetColor(COLOR_PART_PANEL, boxState));
  CBrush frame(GetColor(COLOR_PART_FRAME, boxState));
  dc.FrameRect(&box, &frame);
  if (m_bChecked) DrawTick(dc, box, GetColor(COLOR_PART_TEXT, IsEnable() ? COLOR_STATE_NORMAL : COLOR_STATE_DISABLE));

  LOGFONTW lf{};
  GetFont(&lf);
  FontScope font(dc, lf);
  dc.SetBkMode(TRANSPARENT);
  dc.SetTextColor(GetColor(COLOR_PART_TEXT, IsEnable() ? COLOR_STATE_NORMAL : COLOR_STATE_DISABLE));
  CRect caption = GetDrawRect();
  caption.left = box.right + kCheckBoxGap;
  CRect measured = caption;
  dc.DrawText(GetTextString(), &measured, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_CALCRECT);
  dc.DrawText(GetTextString(), &caption, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
  if (IsFocus()) {
    // The focus frame hugs the caption, one pixel out, within the element.
    const int textHeight = measured.Height();
    CRect focus(caption.left - 1, caption.top + (caption.Height() - textHeight) / 2 - 1,
                std::min(caption.right, measured.right + 1),
                caption.top + (caption.Height() + textHeight) / 2 + 1);
    CBrush focusBrush(GetColor(COLOR_PART_FRAME, COLOR_STATE_FOCUS));
    dc.FrameRect(&focus, &focusBrush);
  }
}
