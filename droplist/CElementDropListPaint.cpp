// The drop list's face: background, frame, separator, arrow and text. It reads state and
// changes none.
#include "droplist/CElementDropList.h"
#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "platform/mfc/CPaintDC.h"

namespace {
// Texts this long or longer are not drawn.
constexpr int kTextLimit = 1024;
// One line, centred both ways.
constexpr UINT kCentredLine = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
// The arrow glyph, a black down-pointing triangle, and its pixel height.
constexpr const wchar_t* kArrowGlyph = L"\u25BC";
constexpr LONG kArrowFontHeight = 9;
}  // namespace

int CElementDropList::OnEraseBackground(CDC*) { return 1; }

int CElementDropList::OnPaint(CPaintDC* dc) {
  if (!dc) return 0;
  CRect face = GetDrawRect();
  face.bottom = face.top + kFaceHeight;
  // The face alone: whatever lies below it, when the host made the element taller, is the
  // parent's to show.
  CRect clip;
  dc->GetClipBox(&clip);
  const CRect area = clip & face;
  if (area.IsRectEmpty()) return 1;
  CMemDC memory(dc, &area);
  CLightCanvas canvas(&memory);
  canvas.SetBkMode(TRANSPARENT);
  const DWORD state = IsEnable() ? GetLook() : COLOR_STATE_DISABLE;
  canvas.FillRect(face, GetColor(COLOR_PART_BACKGROUND, state));
  const COLORREF frame = GetColor(COLOR_PART_FRAME, state);
  canvas.FrameRect(face, frame);
  // The separator is drawn whatever the frame colour, as long as it lies on the face.
  if (m_rcText.right >= 0)
    canvas.DrawLine(m_rcText.right, m_rcText.top, frame, m_rcText.right, m_rcText.bottom);
  DrawArrow(canvas);
  DrawTextW(canvas);
  canvas.Restore();
  return 1;
}

int CElementDropList::DrawArrow(CLightCanvas& canvas) {
  DWORD state = IsEnable() ? GetLook() : COLOR_STATE_DISABLE;
  if (IsEnable() && IsFocus() && state != COLOR_STATE_PUSH) state = COLOR_STATE_FOCUS;
  const DROP_LIST_BMP_INFO* bitmap = FindStatusBmp(state);
  if (!bitmap || !bitmap->pBitmap) return 1;
  LOGFONTW logfont{};
  GetFont(&logfont);
  logfont.lfHeight = kArrowFontHeight;
  canvas.FillRect(m_rcArrow, GetColor(COLOR_PART_BACKGROUND, state));
  if (!canvas.SetFont(logfont)) return 1;
  canvas.SetTextColor(GetColor(COLOR_PART_TEXT, state));
  CRect arrow = m_rcArrow;
  canvas.DrawText(kArrowGlyph, &arrow, kCentredLine);
  return 1;
}

int CElementDropList::DrawTextW(CLightCanvas& canvas) {
  wchar_t text[kTextLimit + 1];
  if (GetText(text, kTextLimit + 1) >= kTextLimit) return 1;
  LOGFONTW logfont{};
  if (!GetFont(&logfont) || !canvas.SetFont(logfont)) return 1;
  const DWORD state = IsEnable() ? GetLook() : COLOR_STATE_DISABLE;
  canvas.SetTextColor(GetColor(COLOR_PART_TEXT, state));
  CRect area = m_rcText;
  canvas.DrawText(text, &area, kCentredLine);
  return 1;
}
