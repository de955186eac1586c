// Text output. (Being written: glyph drawing comes with the font engine.)
#include "platform/gdi/DeviceContext.h"

using namespace platform;

BOOL ExtTextOutW(HDC hdc, int, int, UINT options, const RECT* rect, LPCWSTR, UINT, const INT*) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return FALSE;
  if ((options & ETO_OPAQUE) && rect) {
    RECT r = dc->ToDeviceRect(*rect);
    if (r.left > r.right) std::swap(r.left, r.right);
    if (r.top > r.bottom) std::swap(r.top, r.bottom);
    FillDeviceRect(*dc, r, PixelFromColor(dc->state.bkColor));
  }
  return TRUE;
}

// FIXME: measuring comes with the font engine; until then nothing can be measured.
BOOL GetTextExtentPoint32W(HDC, LPCWSTR, int, LPSIZE) { return FALSE; }
// FIXME: interim until the font engine lands (not to be committed).
HFONT CreateFontIndirectW(const LOGFONTW* lf) {
  if (!lf) return nullptr;
  auto font = std::make_unique<GdiFont>();
  font->logfont = *lf;
  return Register<GdiFont, HFONT>(std::move(font));
}
int DrawTextW(HDC, LPCWSTR, int, LPRECT, UINT) { return 0; }
