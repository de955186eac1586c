// TextOut and ExtTextOut: one run of text with its top-left corner at a point.
#include <climits>

#include "platform/text/FontRegistry.h"
#include "platform/text/GlyphPainter.h"

using namespace platform;
using namespace platform::text;

namespace {

// The rectangle ExtTextOut is given, in device coordinates, corners in either order.
RECT NormalizedDeviceRect(const DeviceContext& dc, const RECT& rect) {
  RECT r = dc.ToDeviceRect(rect);
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return r;
}

}  // namespace

BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCWSTR text, UINT count,
                 const INT* dx) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc || (count > 0 && !text) || count > INT_MAX) return FALSE;
  // The opaque rectangle is filled even without text: that is how FillSolidRect works.
  if ((options & ETO_OPAQUE) && rect)
    FillDeviceRect(*dc, NormalizedDeviceRect(*dc, *rect), PixelFromColor(dc->state.bkColor));
  if (count == 0) return TRUE;
  RECT clip = dc->DeviceClip();
  if ((options & ETO_CLIPPED) && rect) IntersectInto(clip, NormalizedDeviceRect(*dc, *rect));
  GlyphPainter painter(*dc, SelectedFont(*dc), clip);
  painter.PaintRun(dc->ToDevice(x, y), {text, count, dx});
  return TRUE;
}

BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR text, int count) {
  if (count < 0) return FALSE;
  return ExtTextOutW(hdc, x, y, 0, nullptr, text, static_cast<UINT>(count), nullptr);
}
