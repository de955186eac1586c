// Device contexts: creation, selection, modes, coordinates and clipping.
#include "platform/gdi/DeviceContext.h"

#include "platform/win32/WinGdi.h"

namespace platform {

namespace {

void Unselect(GdiObject* object) {
  if (object) --object->selections;
}

// A new memory DC holds the stock 1x1 bitmap, as on the platform, so it draws into one pixel.
GdiBitmap* DefaultBitmap() {
  static GdiBitmap* bitmap = [] {
    auto owned = std::make_unique<GdiBitmap>();
    owned->surface.Allocate(1, 1);
    owned->shared = true;
    GdiBitmap* raw = owned.get();
    Handles().Insert(std::move(owned));
    return raw;
  }();
  return bitmap;
}

void AttachSurface(DeviceContext& dc, GdiBitmap* bitmap) {
  dc.surface = &bitmap->surface;
  dc.surfaceOffset = {0, 0};
  dc.bounds = bitmap->surface.Bounds();
}

}  // namespace

DeviceContext::~DeviceContext() {
  Unselect(state.pen);
  Unselect(state.brush);
  Unselect(state.font);
  Unselect(state.bitmap);
  for (DcState& s : saved) {
    Unselect(s.pen);
    Unselect(s.brush);
    Unselect(s.font);
    Unselect(s.bitmap);
  }
}

GdiObject* DeviceContext::Select(GdiObject* object) {
  GdiObject** slot = nullptr;
  switch (object->kind) {
    case ObjectKind::Pen: slot = reinterpret_cast<GdiObject**>(&state.pen); break;
    case ObjectKind::Brush: slot = reinterpret_cast<GdiObject**>(&state.brush); break;
    case ObjectKind::Font: slot = reinterpret_cast<GdiObject**>(&state.font); break;
    case ObjectKind::Bitmap:
      if (!memory) return nullptr;
      // A bitmap may be selected into one DC at a time.
      if (object != state.bitmap && object->selections > 0 && !object->shared) return nullptr;
      slot = reinterpret_cast<GdiObject**>(&state.bitmap);
      break;
    default: return nullptr;
  }
  GdiObject* previous = *slot;
  ++object->selections;
  Unselect(previous);
  *slot = object;
  if (object->kind == ObjectKind::Bitmap) AttachSurface(*this, static_cast<GdiBitmap*>(object));
  return previous;
}

}  // namespace platform

using namespace platform;

HDC CreateCompatibleDC(HDC hdc) {
  if (hdc && !ResolveDC(hdc)) return nullptr;
  auto dc = std::make_unique<DeviceContext>();
  dc->memory = true;
  dc->Select(StockObject(BLACK_PEN));
  dc->Select(StockObject(WHITE_BRUSH));
  dc->Select(StockObject(SYSTEM_FONT));
  dc->Select(DefaultBitmap());
  return Register<DeviceContext, HDC>(std::move(dc));
}

BOOL DeleteDC(HDC hdc) {
  DeviceContext* dc = ResolveDC(hdc);
  return dc && Handles().Erase(hdc);
}

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
  DeviceContext* dc = ResolveDC(hdc);
  PlatformObject* object = h ? Handles().Find(h) : nullptr;
  if (!dc || !object) return nullptr;
  if (object->kind == ObjectKind::Region) {
    // Selecting a region sets the clip and returns the region type, as the platform does.
    const int type = SelectClipRgn(hdc, static_cast<HRGN>(h));
    return reinterpret_cast<HGDIOBJ>(static_cast<std::intptr_t>(type));
  }
  switch (object->kind) {
    case ObjectKind::Pen:
    case ObjectKind::Brush:
    case ObjectKind::Font:
    case ObjectKind::Bitmap: break;
    default: return nullptr;
  }
  GdiObject* previous = dc->Select(static_cast<GdiObject*>(object));
  return previous ? static_cast<HGDIOBJ>(previous->handle) : nullptr;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return nullptr;
  GdiObject* object = nullptr;
  switch (type) {
    case OBJ_PEN: object = dc->state.pen; break;
    case OBJ_BRUSH: object = dc->state.brush; break;
    case OBJ_FONT: object = dc->state.font; break;
    case OBJ_BITMAP: object = dc->state.bitmap; break;
    default: return nullptr;
  }
  return object ? static_cast<HGDIOBJ>(object->handle) : nullptr;
}

int SaveDC(HDC hdc) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return 0;
  DcState& s = dc->state;
  for (GdiObject* o : {static_cast<GdiObject*>(s.pen), static_cast<GdiObject*>(s.brush),
                       static_cast<GdiObject*>(s.font), static_cast<GdiObject*>(s.bitmap)})
    if (o) ++o->selections;
  dc->saved.push_back(s);
  return static_cast<int>(dc->saved.size());
}

BOOL RestoreDC(HDC hdc, int level) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return FALSE;
  const int depth = static_cast<int>(dc->saved.size());
  // Negative levels count back from the newest save.
  const int target = level < 0 ? depth + level + 1 : level;
  if (target < 1 || target > depth) return FALSE;
  while (static_cast<int>(dc->saved.size()) > target) {
    DcState& s = dc->saved.back();
    for (GdiObject* o : {static_cast<GdiObject*>(s.pen), static_cast<GdiObject*>(s.brush),
                         static_cast<GdiObject*>(s.font), static_cast<GdiObject*>(s.bitmap)})
      if (o) --o->selections;
    dc->saved.pop_back();
  }
  DcState restored = dc->saved.back();
  dc->saved.pop_back();
  DcState& s = dc->state;
  for (GdiObject* o : {static_cast<GdiObject*>(s.pen), static_cast<GdiObject*>(s.brush),
                       static_cast<GdiObject*>(s.font), static_cast<GdiObject*>(s.bitmap)})
    if (o) --o->selections;
  dc->state = restored;
  if (dc->memory && dc->state.bitmap) {
    dc->surface = &dc->state.bitmap->surface;
    dc->bounds = dc->surface->Bounds();
  }
  return TRUE;
}

// ---- coordinates

namespace {

BOOL SetOrigin(HDC hdc, POINT DcState::*which, int x, int y, LPPOINT old) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return FALSE;
  if (old) *old = dc->state.*which;
  dc->state.*which = {x, y};
  return TRUE;
}

BOOL GetOrigin(HDC hdc, POINT DcState::*which, LPPOINT out) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc || !out) return FALSE;
  *out = dc->state.*which;
  return TRUE;
}

}  // namespace

BOOL SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT old) {
  return SetOrigin(hdc, &DcState::windowOrg, x, y, old);
}
BOOL GetWindowOrgEx(HDC hdc, LPPOINT out) { return GetOrigin(hdc, &DcState::windowOrg, out); }
BOOL SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT old) {
  return SetOrigin(hdc, &DcState::viewportOrg, x, y, old);
}
BOOL GetViewportOrgEx(HDC hdc, LPPOINT out) { return GetOrigin(hdc, &DcState::viewportOrg, out); }
BOOL OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT old) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return FALSE;
  const POINT o = dc->state.viewportOrg;
  return SetOrigin(hdc, &DcState::viewportOrg, o.x + dx, o.y + dy, old);
}

BOOL LPtoDP(HDC hdc, LPPOINT points, int count) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc || !points || count < 0) return FALSE;
  for (int i = 0; i < count; ++i) points[i] = dc->ToDevice(points[i].x, points[i].y);
  return TRUE;
}

BOOL DPtoLP(HDC hdc, LPPOINT points, int count) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc || !points || count < 0) return FALSE;
  const DcState& s = dc->state;
  for (int i = 0; i < count; ++i)
    points[i] = {ClampCoord(std::int64_t(points[i].x) + s.windowOrg.x - s.viewportOrg.x),
                 ClampCoord(std::int64_t(points[i].y) + s.windowOrg.y - s.viewportOrg.y)};
  return TRUE;
}

// ---- modes

namespace {

template <class T>
T Swap(HDC hdc, T DcState::*field, T value, T failure) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return failure;
  T old = dc->state.*field;
  dc->state.*field = value;
  return old;
}

template <class T>
T Read(HDC hdc, T DcState::*field, T failure) {
  DeviceContext* dc = ResolveDC(hdc);
  return dc ? dc->state.*field : failure;
}

}  // namespace

COLORREF SetBkColor(HDC hdc, COLORREF c) { return Swap(hdc, &DcState::bkColor, c, CLR_INVALID); }
COLORREF GetBkColor(HDC hdc) { return Read(hdc, &DcState::bkColor, CLR_INVALID); }
COLORREF SetTextColor(HDC hdc, COLORREF c) { return Swap(hdc, &DcState::textColor, c, CLR_INVALID); }
COLORREF GetTextColor(HDC hdc) { return Read(hdc, &DcState::textColor, CLR_INVALID); }
int SetBkMode(HDC hdc, int mode) {
  if (mode != TRANSPARENT && mode != OPAQUE) return 0;
  return Swap(hdc, &DcState::bkMode, mode, 0);
}
int GetBkMode(HDC hdc) { return Read(hdc, &DcState::bkMode, 0); }
int SetROP2(HDC hdc, int rop2) {
  if (rop2 < R2_BLACK || rop2 > R2_WHITE) return 0;
  return Swap(hdc, &DcState::rop2, rop2, 0);
}
int GetROP2(HDC hdc) { return Read(hdc, &DcState::rop2, 0); }
int SetStretchBltMode(HDC hdc, int mode) {
  if (mode < 1 || mode > HALFTONE) return 0;
  return Swap(hdc, &DcState::stretchMode, mode, 0);
}
int GetStretchBltMode(HDC hdc) { return Read(hdc, &DcState::stretchMode, 0); }
UINT SetTextAlign(HDC hdc, UINT align) {
  // Only the default top-left alignment without updating the current position is drawn.
  if (align != (TA_LEFT | TA_TOP)) return GDI_ERROR;
  return Swap(hdc, &DcState::textAlign, align, GDI_ERROR);
}
UINT GetTextAlign(HDC hdc) { return Read(hdc, &DcState::textAlign, GDI_ERROR); }

// ---- clipping

HRGN CreateRectRgn(int left, int top, int right, int bottom) {
  auto region = std::make_unique<GdiRegion>();
  region->rect = {std::min(left, right), std::min(top, bottom), std::max(left, right),
                  std::max(top, bottom)};
  return Register<GdiRegion, HRGN>(std::move(region));
}

HRGN CreateRectRgnIndirect(const RECT* r) {
  return r ? CreateRectRgn(r->left, r->top, r->right, r->bottom) : nullptr;
}

BOOL SetRectRgn(HRGN rgn, int left, int top, int right, int bottom) {
  GdiRegion* region = Resolve<GdiRegion>(rgn);
  if (!region) return FALSE;
  region->rect = {std::min(left, right), std::min(top, bottom), std::max(left, right),
                  std::max(top, bottom)};
  return TRUE;
}

int GetRgnBox(HRGN rgn, LPRECT out) {
  GdiRegion* region = Resolve<GdiRegion>(rgn);
  if (!region || !out) return ERROR;
  if (RectIsEmpty(region->rect)) {
    *out = {0, 0, 0, 0};
    return NULLREGION;
  }
  *out = region->rect;
  return SIMPLEREGION;
}

namespace {
int ClipType(const DeviceContext& dc) {
  return RectIsEmpty(dc.DeviceClip()) ? NULLREGION : SIMPLEREGION;
}
}  // namespace

// The region is in device coordinates, as on the platform; null removes the clip.
int SelectClipRgn(HDC hdc, HRGN rgn) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return ERROR;
  if (!rgn) {
    dc->state.hasClip = false;
    return ClipType(*dc);
  }
  GdiRegion* region = Resolve<GdiRegion>(rgn);
  if (!region) return ERROR;
  dc->state.hasClip = true;
  dc->state.clip = region->rect;
  return ClipType(*dc);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return ERROR;
  RECT r = dc->ToDeviceRect({left, top, right, bottom});
  if (RectIsEmpty(r)) r = {0, 0, 0, 0};
  if (dc->state.hasClip) {
    if (!IntersectInto(r, dc->state.clip)) r = {0, 0, 0, 0};
  }
  dc->state.hasClip = true;
  dc->state.clip = r;
  return ClipType(*dc);
}

// With rectangles only, excluding keeps the bounding box of what stays: exact when the excluded
// rectangle covers a whole side, otherwise the clip is left as it was (a superset).
int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return ERROR;
  RECT clip = dc->DeviceClip();
  RECT cut = dc->ToDeviceRect({left, top, right, bottom});
  RECT kept = clip;
  if (cut.top <= clip.top && cut.bottom >= clip.bottom) {
    if (cut.left <= clip.left) kept.left = std::max(clip.left, cut.right);
    else if (cut.right >= clip.right) kept.right = std::min(clip.right, cut.left);
  } else if (cut.left <= clip.left && cut.right >= clip.right) {
    if (cut.top <= clip.top) kept.top = std::max(clip.top, cut.bottom);
    else if (cut.bottom >= clip.bottom) kept.bottom = std::min(clip.bottom, cut.top);
  }
  if (RectIsEmpty(kept)) kept = {0, 0, 0, 0};
  dc->state.hasClip = true;
  dc->state.clip = kept;
  return ClipType(*dc);
}

int GetClipBox(HDC hdc, LPRECT out) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc || !out) return ERROR;
  const RECT clip = dc->DeviceClip();
  if (RectIsEmpty(clip)) {
    *out = {0, 0, 0, 0};
    return NULLREGION;
  }
  POINT corners[2] = {{clip.left, clip.top}, {clip.right, clip.bottom}};
  DPtoLP(hdc, corners, 2);
  *out = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  return SIMPLEREGION;
}

BOOL PtVisible(HDC hdc, int x, int y) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return FALSE;
  const POINT p = dc->ToDevice(x, y);
  const RECT clip = dc->DeviceClip();
  return p.x >= clip.left && p.x < clip.right && p.y >= clip.top && p.y < clip.bottom;
}

BOOL RectVisible(HDC hdc, const RECT* rect) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc || !rect) return FALSE;
  RECT r = dc->ToDeviceRect(*rect);
  return IntersectInto(r, dc->DeviceClip());
}
