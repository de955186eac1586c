// Pixels, lines, rectangles and brush fills.
//
// Lines follow the platform's rule: the start point is drawn, the end point is not, so that
// joined segments never draw a pixel twice. Rectangles and fills cover left..right-1 and
// top..bottom-1.
#include <algorithm>
#include <cstdlib>
#include <cwchar>

#include "platform/gdi/DeviceContext.h"
#include "platform/win32/WinUser.h"

namespace platform {

namespace {
constexpr int kShortRow = 32;
}

Pixel ApplyRop2(int rop2, Pixel pen, Pixel dst) {
  constexpr Pixel kMask = 0x00FFFFFF;
  switch (rop2) {
    case R2_BLACK: return 0;
    case R2_NOTMERGEPEN: return ~(pen | dst) & kMask;
    case R2_MASKNOTPEN: return (~pen & dst) & kMask;
    case R2_NOTCOPYPEN: return ~pen & kMask;
    case R2_MASKPENNOT: return (pen & ~dst) & kMask;
    case R2_NOT: return ~dst & kMask;
    case R2_XORPEN: return (pen ^ dst) & kMask;
    case R2_NOTMASKPEN: return ~(pen & dst) & kMask;
    case R2_MASKPEN: return pen & dst;
    case R2_NOTXORPEN: return ~(pen ^ dst) & kMask;
    case R2_NOP: return dst;
    case R2_MERGENOTPEN: return (~pen | dst) & kMask;
    case R2_MERGEPENNOT: return (pen | ~dst) & kMask;
    case R2_MERGEPEN: return pen | dst;
    case R2_WHITE: return kMask;
    default: return pen;  // R2_COPYPEN
  }
}

void FillDeviceRect(DeviceContext& dc, RECT r, Pixel color) {
  if (!dc.ClipDeviceRect(r)) return;
  const int width = r.right - r.left;
  const std::ptrdiff_t stride = dc.surface->Width();
  Pixel* row = dc.SurfacePixel(r.left, r.top);
  if (width < kShortRow) {
    // Short rows: a call per row costs more than the stores themselves.
    for (int y = r.top; y < r.bottom; ++y, row += stride) FillPixels(row, width, color);
    return;
  }
  // wchar_t is 32 bits here, so the C library's tuned wide fill is a 32-bit pixel fill.
  static_assert(sizeof(wchar_t) == sizeof(Pixel));
  for (int y = r.top; y < r.bottom; ++y, row += stride)
    std::wmemset(reinterpret_cast<wchar_t*>(row), static_cast<wchar_t>(color), std::size_t(width));
}

namespace {

// Fills a clipped device rectangle through a raster operation.
void FillDeviceRectRop(DeviceContext& dc, RECT r, Pixel color, int rop2) {
  if (rop2 == R2_COPYPEN) return FillDeviceRect(dc, r, color);
  if (!dc.ClipDeviceRect(r)) return;
  for (int y = r.top; y < r.bottom; ++y) {
    Pixel* row = dc.SurfacePixel(r.left, y);
    for (int x = 0; x < r.right - r.left; ++x) row[x] = ApplyRop2(rop2, color, row[x]);
  }
}

void PlotDevice(DeviceContext& dc, int x, int y, Pixel color, int rop2, const RECT& clip) {
  if (x < clip.left || x >= clip.right || y < clip.top || y >= clip.bottom) return;
  Pixel* p = dc.SurfacePixel(x, y);
  *p = ApplyRop2(rop2, color, *p);
}

// A one-pixel line across or down from `a`, `steps` pixels long, every other one when dotted: the
// pixels Bresenham's walk lights for it, found by clipping the range once instead of each pixel.
void DrawStraightSegment(DeviceContext& dc, POINT a, int sx, int sy, std::int64_t steps,
                         Pixel color, int rop2, bool dotted, const RECT& clip) {
  const bool across = sx != 0;
  const std::int64_t start = across ? a.x : a.y, fixed = across ? a.y : a.x;
  const int step = across ? sx : sy;
  const std::int64_t low = across ? clip.left : clip.top, high = across ? clip.right : clip.bottom;
  if (fixed < (across ? clip.top : clip.left) || fixed >= (across ? clip.bottom : clip.right))
    return;
  // Pixel i lies at start + step * i; keep the i whose pixel falls within [low, high).
  std::int64_t first = std::max<std::int64_t>(step > 0 ? low - start : start - (high - 1), 0);
  const std::int64_t end = std::min(steps, step > 0 ? high - start : start - low + 1);
  if (dotted && (first & 1)) ++first;
  if (first >= end) return;
  const int by = dotted ? 2 : 1;
  const std::int64_t at = start + step * first;
  Pixel* p = across ? dc.SurfacePixel(int(at), int(fixed)) : dc.SurfacePixel(int(fixed), int(at));
  const std::ptrdiff_t advance = (across ? step : step * std::ptrdiff_t(dc.surface->Width())) * by;
  const std::int64_t count = (end - first + by - 1) / by;
  // The plain pen, nearly every line drawn, needs no look at the pixels under it.
  if (rop2 == R2_COPYPEN) {
    for (std::int64_t k = 0; k < count; ++k) p[k * advance] = color;
    return;
  }
  for (std::int64_t k = 0; k < count; ++k) p[k * advance] = ApplyRop2(rop2, color, p[k * advance]);
}

// Draws the segment from a to b (device coordinates) with the DC's pen, end point excluded.
void DrawSegment(DeviceContext& dc, POINT a, POINT b) {
  const GdiPen* pen = dc.state.pen;
  if (!pen || pen->style == PS_NULL || !dc.surface) return;
  const RECT clip = dc.DeviceClip();
  if (RectIsEmpty(clip)) return;
  const Pixel color = PixelFromColor(pen->color);
  const int rop2 = dc.state.rop2;
  const int half = (pen->width - 1) / 2;
  const bool dotted = pen->style == PS_DOT;

  // Bresenham over 64-bit deltas; the loop stops once the line has left the clip for good.
  std::int64_t x = a.x, y = a.y;
  const std::int64_t dx = std::llabs(std::int64_t(b.x) - a.x);
  const std::int64_t dy = -std::llabs(std::int64_t(b.y) - a.y);
  const int sx = a.x < b.x ? 1 : -1;
  const int sy = a.y < b.y ? 1 : -1;
  if (pen->width == 1 && (dx == 0 || dy == 0))
    return DrawStraightSegment(dc, a, dx == 0 ? 0 : sx, dy == 0 ? 0 : sy, std::max(dx, -dy),
                               color, rop2, dotted, clip);
  std::int64_t err = dx + dy;
  const std::int64_t steps = std::max(dx, -dy);
  for (std::int64_t i = 0; i < steps; ++i) {
    if (!dotted || (i & 1) == 0) {
      if (pen->width == 1) {
        if (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom)
          PlotDevice(dc, int(x), int(y), color, rop2, clip);
      } else {
        const RECT dot{ClampCoord(x - half), ClampCoord(y - half),
                       ClampCoord(x - half + pen->width), ClampCoord(y - half + pen->width)};
        FillDeviceRectRop(dc, dot, color, rop2);
      }
    }
    const std::int64_t e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      x += sx;
    }
    if (e2 <= dx) {
      err += dx;
      y += sy;
    }
    // Far outside the clip in the direction of travel: nothing more can be drawn.
    if ((sx > 0 && x >= clip.right + pen->width && dx >= -dy) ||
        (sx < 0 && x < clip.left - pen->width && dx >= -dy) ||
        (sy > 0 && y >= clip.bottom + pen->width && -dy > dx) ||
        (sy < 0 && y < clip.top - pen->width && -dy > dx))
      break;
  }
}

}  // namespace

}  // namespace platform

using namespace platform;

namespace {

// The surface pixel of a logical point, or null when it lies outside the clip.
Pixel* VisiblePixel(HDC hdc, int x, int y) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc || !dc->surface) return nullptr;
  const POINT p = dc->ToDevice(x, y);
  const RECT clip = dc->DeviceClip();
  if (p.x < clip.left || p.x >= clip.right || p.y < clip.top || p.y >= clip.bottom) return nullptr;
  return dc->SurfacePixel(p.x, p.y);
}

}  // namespace

COLORREF SetPixel(HDC hdc, int x, int y, COLORREF color) {
  Pixel* pixel = VisiblePixel(hdc, x, y);
  if (!pixel) return CLR_INVALID;
  *pixel = PixelFromColor(color);
  return color & 0x00FFFFFF;
}

COLORREF GetPixel(HDC hdc, int x, int y) {
  const Pixel* pixel = VisiblePixel(hdc, x, y);
  return pixel ? ColorFromPixel(*pixel) : CLR_INVALID;
}

BOOL MoveToEx(HDC hdc, int x, int y, LPPOINT old) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return FALSE;
  if (old) *old = dc->state.position;
  dc->state.position = {x, y};
  return TRUE;
}

BOOL GetCurrentPositionEx(HDC hdc, LPPOINT out) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc || !out) return FALSE;
  *out = dc->state.position;
  return TRUE;
}

BOOL LineTo(HDC hdc, int x, int y) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return FALSE;
  const POINT from = dc->state.position;
  DrawSegment(*dc, dc->ToDevice(from.x, from.y), dc->ToDevice(x, y));
  dc->state.position = {x, y};
  return TRUE;
}

BOOL Polyline(HDC hdc, const POINT* points, int count) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc || !points || count < 2) return FALSE;
  for (int i = 1; i < count; ++i)
    DrawSegment(*dc, dc->ToDevice(points[i - 1].x, points[i - 1].y),
                dc->ToDevice(points[i].x, points[i].y));
  return TRUE;
}

BOOL Rectangle(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return FALSE;
  RECT r = dc->ToDeviceRect({left, top, right, bottom});
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  const GdiPen* pen = dc->state.pen;
  const bool outline = pen && pen->style != PS_NULL;
  // Without a pen the platform fills one pixel less in each direction.
  if (!outline) {
    r.right -= 1;
    r.bottom -= 1;
  }
  if (RectIsEmpty(r)) return TRUE;
  const int rop2 = dc->state.rop2;
  const GdiBrush* brush = dc->state.brush;
  if (brush && brush->style != BS_NULL) {
    const int inset = outline ? pen->width : 0;
    const RECT inner{r.left + inset, r.top + inset, r.right - inset, r.bottom - inset};
    if (!RectIsEmpty(inner)) FillDeviceRectRop(*dc, inner, PixelFromColor(brush->color), rop2);
  }
  if (outline) {
    // The frame lies inside the rectangle, every pixel of it drawn once so R2_NOT and XOR stay
    // exact: four bands that meet, and that share out a rectangle under two pen widths across.
    const LONG topEnd = std::min<LONG>(r.top + pen->width, r.bottom);
    const LONG bottomStart = std::max<LONG>(r.bottom - pen->width, topEnd);
    const LONG leftEnd = std::min<LONG>(r.left + pen->width, r.right);
    const LONG rightStart = std::max<LONG>(r.right - pen->width, leftEnd);
    const Pixel color = PixelFromColor(pen->color);
    FillDeviceRectRop(*dc, {r.left, r.top, r.right, topEnd}, color, rop2);
    FillDeviceRectRop(*dc, {r.left, bottomStart, r.right, r.bottom}, color, rop2);
    FillDeviceRectRop(*dc, {r.left, topEnd, leftEnd, bottomStart}, color, rop2);
    FillDeviceRectRop(*dc, {rightStart, topEnd, r.right, bottomStart}, color, rop2);
  }
  return TRUE;
}

int FillRect(HDC hdc, const RECT* rect, HBRUSH hbrush) {
  DeviceContext* dc = ResolveDC(hdc);
  GdiBrush* brush = Resolve<GdiBrush>(hbrush);
  if (!dc || !rect || !brush) return 0;
  if (brush->style != BS_NULL) FillDeviceRect(*dc, dc->ToDeviceRect(*rect), PixelFromColor(brush->color));
  return 1;
}

int FrameRect(HDC hdc, const RECT* rect, HBRUSH hbrush) {
  DeviceContext* dc = ResolveDC(hdc);
  GdiBrush* brush = Resolve<GdiBrush>(hbrush);
  if (!dc || !rect || !brush) return 0;
  const RECT r = dc->ToDeviceRect(*rect);
  if (RectIsEmpty(r) || brush->style == BS_NULL) return 1;
  const Pixel c = PixelFromColor(brush->color);
  FillDeviceRect(*dc, {r.left, r.top, r.right, r.top + 1}, c);
  FillDeviceRect(*dc, {r.left, r.bottom - 1, r.right, r.bottom}, c);
  FillDeviceRect(*dc, {r.left, r.top + 1, r.left + 1, r.bottom - 1}, c);
  FillDeviceRect(*dc, {r.right - 1, r.top + 1, r.right, r.bottom - 1}, c);
  return 1;
}

BOOL InvertRect(HDC hdc, const RECT* rect) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc || !rect) return FALSE;
  FillDeviceRectRop(*dc, dc->ToDeviceRect(*rect), 0, R2_NOT);
  return TRUE;
}

BOOL PatBlt(HDC hdc, int x, int y, int cx, int cy, DWORD rop) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return FALSE;
  RECT r = dc->ToDeviceRect({x, y, ClampCoord(std::int64_t(x) + cx), ClampCoord(std::int64_t(y) + cy)});
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  const GdiBrush* brush = dc->state.brush;
  const Pixel pattern = brush && brush->style != BS_NULL ? PixelFromColor(brush->color) : 0;
  switch (rop) {
    case PATCOPY:
      if (brush && brush->style != BS_NULL) FillDeviceRect(*dc, r, pattern);
      return TRUE;
    case PATINVERT: FillDeviceRectRop(*dc, r, pattern, R2_XORPEN); return TRUE;
    case DSTINVERT: FillDeviceRectRop(*dc, r, 0, R2_NOT); return TRUE;
    case BLACKNESS: FillDeviceRect(*dc, r, 0); return TRUE;
    case WHITENESS: FillDeviceRect(*dc, r, 0x00FFFFFF); return TRUE;
    default: return FALSE;
  }
}

BOOL GdiFlush() { return TRUE; }
