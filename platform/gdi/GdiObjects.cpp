// Creating, describing and deleting pens, brushes, bitmaps and the stock objects.
#include "platform/gdi/GdiObjects.h"

#include <cstring>

#include "platform/gdi/DeviceContext.h"

namespace platform {

namespace {

template <class T>
T* MakeStock(std::unique_ptr<T> object) {
  object->shared = true;
  T* raw = object.get();
  Handles().Insert(std::move(object));
  return raw;
}

GdiObject* MakeStockPen(int style, COLORREF color) {
  auto pen = std::make_unique<GdiPen>();
  pen->style = style;
  pen->color = color;
  return MakeStock(std::move(pen));
}

GdiObject* MakeStockBrush(int style, COLORREF color) {
  auto brush = std::make_unique<GdiBrush>();
  brush->style = style;
  brush->color = color;
  return MakeStock(std::move(brush));
}

GdiObject* MakeStockFont(LONG height, LONG weight) {
  auto font = std::make_unique<GdiFont>();
  font->logfont.lfHeight = height;
  font->logfont.lfWeight = weight;
  font->logfont.lfCharSet = DEFAULT_CHARSET;
  std::wcscpy(font->logfont.lfFaceName, L"DejaVu Sans");
  return MakeStock(std::move(font));
}

}  // namespace

GdiObject* StockObject(int index) {
  static GdiObject* const objects[] = {
      MakeStockBrush(BS_SOLID, RGB(255, 255, 255)),  // WHITE_BRUSH
      MakeStockBrush(BS_SOLID, RGB(192, 192, 192)),  // LTGRAY_BRUSH
      MakeStockBrush(BS_SOLID, RGB(128, 128, 128)),  // GRAY_BRUSH
      MakeStockBrush(BS_SOLID, RGB(64, 64, 64)),     // DKGRAY_BRUSH
      MakeStockBrush(BS_SOLID, RGB(0, 0, 0)),        // BLACK_BRUSH
      MakeStockBrush(BS_NULL, 0),                    // NULL_BRUSH
      MakeStockPen(PS_SOLID, RGB(255, 255, 255)),    // WHITE_PEN
      MakeStockPen(PS_SOLID, RGB(0, 0, 0)),          // BLACK_PEN
      MakeStockPen(PS_NULL, 0),                      // NULL_PEN
  };
  static GdiObject* const systemFont = MakeStockFont(-13, FW_BOLD);
  static GdiObject* const guiFont = MakeStockFont(-12, FW_NORMAL);
  if (index >= 0 && index <= NULL_PEN) return objects[index];
  if (index == SYSTEM_FONT) return systemFont;
  if (index == DEFAULT_GUI_FONT) return guiFont;
  return nullptr;
}

}  // namespace platform

using namespace platform;

HGDIOBJ GetStockObject(int index) {
  GdiObject* object = StockObject(index);
  return object ? static_cast<HGDIOBJ>(object->handle) : nullptr;
}

int GetObjectType(HGDIOBJ h) {
  PlatformObject* object = h ? Handles().Find(h) : nullptr;
  if (!object) return 0;
  switch (object->kind) {
    case ObjectKind::Pen: return OBJ_PEN;
    case ObjectKind::Brush: return OBJ_BRUSH;
    case ObjectKind::Font: return OBJ_FONT;
    case ObjectKind::Bitmap: return OBJ_BITMAP;
    case ObjectKind::Region: return OBJ_REGION;
    case ObjectKind::DeviceContext:
      return static_cast<DeviceContext*>(object)->memory ? OBJ_MEMDC : OBJ_DC;
    default: return 0;
  }
}

BOOL DeleteObject(HGDIOBJ h) {
  PlatformObject* object = h ? Handles().Find(h) : nullptr;
  if (!object) return FALSE;
  switch (object->kind) {
    case ObjectKind::Pen:
    case ObjectKind::Brush:
    case ObjectKind::Font:
    case ObjectKind::Bitmap:
    case ObjectKind::Region: break;
    default: return FALSE;
  }
  auto* gdi = static_cast<GdiObject*>(object);
  if (gdi->shared) return TRUE;  // deleting a stock object is harmless and does nothing
  if (gdi->selections > 0) return FALSE;  // still selected into a DC
  return Handles().Erase(h);
}

int GetObjectW(HGDIOBJ h, int size, LPVOID out) {
  PlatformObject* object = h ? Handles().Find(h) : nullptr;
  if (!object || size < 0) return 0;
  switch (object->kind) {
    case ObjectKind::Bitmap: {
      if (!out) return sizeof(BITMAP);
      if (size < static_cast<int>(sizeof(BITMAP))) return 0;
      const Surface& s = static_cast<GdiBitmap*>(object)->surface;
      BITMAP bm{0, s.Width(), s.Height(), s.Width() * 4, 1, 32, nullptr};
      std::memcpy(out, &bm, sizeof bm);
      return sizeof(BITMAP);
    }
    case ObjectKind::Pen: {
      if (!out) return sizeof(LOGPEN);
      if (size < static_cast<int>(sizeof(LOGPEN))) return 0;
      auto* pen = static_cast<GdiPen*>(object);
      LOGPEN lp{static_cast<UINT>(pen->style), {pen->width, 0}, pen->color};
      std::memcpy(out, &lp, sizeof lp);
      return sizeof(LOGPEN);
    }
    case ObjectKind::Brush: {
      if (!out) return sizeof(LOGBRUSH);
      if (size < static_cast<int>(sizeof(LOGBRUSH))) return 0;
      auto* brush = static_cast<GdiBrush*>(object);
      LOGBRUSH lb{static_cast<UINT>(brush->style), brush->color, 0};
      std::memcpy(out, &lb, sizeof lb);
      return sizeof(LOGBRUSH);
    }
    case ObjectKind::Font: {
      if (!out) return sizeof(LOGFONTW);
      if (size < static_cast<int>(sizeof(LOGFONTW))) return 0;
      std::memcpy(out, &static_cast<GdiFont*>(object)->logfont, sizeof(LOGFONTW));
      return sizeof(LOGFONTW);
    }
    default: return 0;
  }
}

HPEN CreatePen(int style, int width, COLORREF color) {
  // Solid, dotted and null pens; a wider solid pen draws a square brush of that width.
  if (style != PS_SOLID && style != PS_DOT && style != PS_NULL) return nullptr;
  auto pen = std::make_unique<GdiPen>();
  pen->style = style;
  pen->width = std::clamp(width, 1, 256);
  if (style == PS_DOT) pen->width = 1;  // styled pens are one pixel wide, as on the platform
  pen->color = color & 0x00FFFFFF;
  return Register<GdiPen, HPEN>(std::move(pen));
}

HPEN CreatePenIndirect(const LOGPEN* lp) {
  return lp ? CreatePen(static_cast<int>(lp->lopnStyle), lp->lopnWidth.x, lp->lopnColor) : nullptr;
}

HBRUSH CreateSolidBrush(COLORREF color) {
  auto brush = std::make_unique<GdiBrush>();
  brush->color = color & 0x00FFFFFF;
  return Register<GdiBrush, HBRUSH>(std::move(brush));
}

HBRUSH CreateBrushIndirect(const LOGBRUSH* lb) {
  if (!lb) return nullptr;
  if (lb->lbStyle == BS_NULL) {
    auto brush = std::make_unique<GdiBrush>();
    brush->style = BS_NULL;
    return Register<GdiBrush, HBRUSH>(std::move(brush));
  }
  return lb->lbStyle == BS_SOLID ? CreateSolidBrush(lb->lbColor) : nullptr;
}

namespace {

HBITMAP MakeBitmap(int cx, int cy) {
  auto bitmap = std::make_unique<GdiBitmap>();
  if (!bitmap->surface.Allocate(cx, cy)) return nullptr;
  return Register<GdiBitmap, HBITMAP>(std::move(bitmap));
}

}  // namespace

// Every surface is 32-bit, so a bitmap compatible with a fresh memory DC is a colour one too.
HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
  if (!ResolveDC(hdc) || cx < 0 || cy < 0) return nullptr;
  if (cx == 0 || cy == 0) return MakeBitmap(1, 1);
  return MakeBitmap(cx, cy);
}

// Takes 24- and 32-bit rows, top-down, each padded to a WORD as the platform's DDB rows are.
HBITMAP CreateBitmap(int cx, int cy, UINT planes, UINT bitsPerPixel, const void* bits) {
  if (planes != 1 || (bitsPerPixel != 24 && bitsPerPixel != 32) || cx <= 0 || cy <= 0)
    return nullptr;
  HBITMAP h = MakeBitmap(cx, cy);
  if (!h || !bits) return h;
  Surface& s = Resolve<GdiBitmap>(h)->surface;
  const std::size_t stride = ((std::size_t(cx) * bitsPerPixel + 15) / 16) * 2;
  const auto* src = static_cast<const BYTE*>(bits);
  for (int y = 0; y < cy; ++y) {
    const BYTE* row = src + stride * y;
    Pixel* dst = s.Row(y);
    if (bitsPerPixel == 32) {
      for (int x = 0; x < cx; ++x)
        dst[x] = Pixel(row[4 * x]) | Pixel(row[4 * x + 1]) << 8 | Pixel(row[4 * x + 2]) << 16;
    } else {
      for (int x = 0; x < cx; ++x)
        dst[x] = Pixel(row[3 * x]) | Pixel(row[3 * x + 1]) << 8 | Pixel(row[3 * x + 2]) << 16;
    }
  }
  return h;
}

HBITMAP CreateBitmapIndirect(const BITMAP* bm) {
  if (!bm) return nullptr;
  return CreateBitmap(bm->bmWidth, bm->bmHeight, bm->bmPlanes, bm->bmBitsPixel, bm->bmBits);
}

BOOL GetBitmapDimensionEx(HBITMAP bitmap, LPSIZE out) {
  const GdiBitmap* b = Resolve<GdiBitmap>(bitmap);
  if (!b || !out) return FALSE;
  *out = b->dimension;
  return TRUE;
}

BOOL SetBitmapDimensionEx(HBITMAP bitmap, int width, int height, LPSIZE old) {
  GdiBitmap* b = Resolve<GdiBitmap>(bitmap);
  if (!b) return FALSE;
  if (old) *old = b->dimension;
  b->dimension = {width, height};
  return TRUE;
}
