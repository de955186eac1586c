// The radio's painting: background, box bitmap, caption. It reads state and changes none.
#include "choice/CElementRadio.h"

#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "platform/mfc/CPaintDC.h"

namespace {
// Captions this long or longer are not drawn.
constexpr int kCaptionLimit = 1024;
// One line, centred both ways in the caption rectangle.
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}  // namespace

int CElementRadio::OnPaint(CPaintDC* dc) {
  if (!dc) return 0;
  CMemDC memory(dc);
  CLightCanvas canvas(&memory);
  const CRect draw = GetDrawRect();
  canvas.SetBkMode(TRANSPARENT);
  const DWORD state = ColorLook();
  canvas.FillRect(draw, GetColor(COLOR_PART_BACKGROUND, state));
  DrawCheck(canvas);
  DrawTextW(canvas);
  canvas.Restore();
  return 1;
}

int CElementRadio::DrawCheck(CLightCanvas& canvas) {
  const RADIO_BMP_KEY key{GetLook(), m_eCheck};
  if (const RADIO_BMP_INFO* info = FindCheckBmp(key))
    canvas.DrawBitmapKeyed(m_rcCheck.left, m_rcCheck.top, info->pBitmap, info->clrTransparent);
  return 1;
}

int CElementRadio::DrawTextW(CLightCanvas& canvas) {
  wchar_t caption[kCaptionLimit + 1];
  if (GetText(caption, kCaptionLimit + 1) >= kCaptionLimit) return 1;
  LOGFONTW logfont{};
  if (!GetFont(&logfont) || !canvas.SetFont(logfont)) return 1;
  canvas.SetTextColor(GetColor(COLOR_PART_TEXT, ColorLook()));
  CRect text = m_rcText;
  canvas.DrawText(caption, &text, kCaptionFormat);
  return 1;
}
