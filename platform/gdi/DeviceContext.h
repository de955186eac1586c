// The platform object behind an HDC, and the coordinate and clipping arithmetic every drawing
// function shares.
//
// Three coordinate spaces meet here:
//   logical  - what callers pass; device = logical - window origin + viewport origin
//   device   - the DC's own pixels, (0, 0) at the top-left of its bitmap or window area
//   surface  - pixels of the surface drawn on; surface = device + surfaceOffset
// A DC may only touch `bounds` (device coordinates), further narrowed by its clip rectangle.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <type_traits>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <vector>

#include "platform/gdi/GdiObjects.h"

namespace platform {

// Rectangle helpers shared by the raster code (64-bit safe against huge coordinates).
inline bool RectIsEmpty(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }
inline bool IntersectInto(RECT& r, const RECT& with) {
  r.left = std::max(r.left, with.left);
  r.top = std::max(r.top, with.top);
  r.right = std::min(r.right, with.right);
  r.bottom = std::min(r.bottom, with.bottom);
  return !RectIsEmpty(r);
}
// Clamps a 64-bit coordinate into LONG range so rectangle arithmetic never overflows.
inline LONG ClampCoord(std::int64_t v) {
  constexpr std::int64_t kLimit = std::int64_t(1) << 30;
  return static_cast<LONG>(std::clamp<std::int64_t>(v, -kLimit, kLimit));
}

struct DcState {
  POINT windowOrg{0, 0};
  POINT viewportOrg{0, 0};
  bool hasClip = false;
  RECT clip{};  // device coordinates
  GdiPen* pen = nullptr;
  GdiBrush* brush = nullptr;
  GdiFont* font = nullptr;
  GdiBitmap* bitmap = nullptr;  // memory DCs only
  int bkMode = OPAQUE;
  COLORREF bkColor = RGB(255, 255, 255);
  COLORREF textColor = RGB(0, 0, 0);
  int rop2 = R2_COPYPEN;
  int stretchMode = COLORONCOLOR;
  UINT textAlign = TA_LEFT | TA_TOP;
  POINT position{0, 0};  // logical
};

struct DeviceContext : PlatformObject {
  static constexpr ObjectKind kKind = ObjectKind::DeviceContext;
  DeviceContext() : PlatformObject(kKind) {}
  ~DeviceContext() override;

  bool memory = false;            // made by CreateCompatibleDC: draws on its selected bitmap
  Surface* surface = nullptr;     // what it draws on; null draws nothing
  POINT surfaceOffset{0, 0};      // surface pixel of device (0, 0)
  RECT bounds{};                  // device rectangle it may touch
  DcState state;
  std::vector<DcState> saved;     // SaveDC stack

  // Selects an object, keeping the selection counts right; returns the previous one.
  GdiObject* Select(GdiObject* object);

  POINT ToDevice(int x, int y) const {
    return {ClampCoord(std::int64_t(x) - state.windowOrg.x + state.viewportOrg.x),
            ClampCoord(std::int64_t(y) - state.windowOrg.y + state.viewportOrg.y)};
  }
  // The device rectangle drawing may touch: the bounds narrowed by the clip rectangle.
  RECT DeviceClip() const {
    RECT r = bounds;
    if (state.hasClip) IntersectInto(r, state.clip);
    return r;
  }
  // A logical rectangle in device coordinates, normalised only by the caller's wish.
  RECT ToDeviceRect(const RECT& r) const {
    const POINT tl = ToDevice(r.left, r.top);
    const POINT br = ToDevice(r.right, r.bottom);
    return {tl.x, tl.y, br.x, br.y};
  }
  // A device rectangle clipped to DeviceClip(); false when nothing is left.
  bool ClipDeviceRect(RECT& r) const { return surface && IntersectInto(r, DeviceClip()); }
  Pixel* SurfacePixel(int dx, int dy) const {
    return surface->Row(dy + surfaceOffset.y) + dx + surfaceOffset.x;
  }
};

// Applies a binary raster operation (R2_*) of pen colour `pen` onto `dst`.
Pixel ApplyRop2(int rop2, Pixel pen, Pixel dst);

// Fills a device rectangle with one colour, clipped; ignores the raster operation, as ExtTextOut's
// opaque fill and FillSolidRect do.
void FillDeviceRect(DeviceContext& dc, RECT deviceRect, Pixel color);

inline DeviceContext* ResolveDC(HDC hdc) { return Resolve<DeviceContext>(hdc); }

// Copies a row of pixels between rows that do not overlap. Short rows are common (glyphs,
// bitmaps of 13 px, one-row stretches) and a library call per row would cost more than the copy,
// so they are copied as two overlapping blocks of a fixed size, which compile to a few moves.
inline void CopyPixels(Pixel* out, const Pixel* in, int count) {
  const auto blocks = [&](auto size) {
    std::memcpy(out, in, sizeof(Pixel) * size);
    std::memcpy(out + count - size, in + count - size, sizeof(Pixel) * size);
  };
  if (count >= 32) {
    std::memcpy(out, in, sizeof(Pixel) * std::size_t(count));
  } else if (count >= 16) {
    blocks(std::integral_constant<int, 16>{});
  } else if (count >= 8) {
    blocks(std::integral_constant<int, 8>{});
  } else if (count >= 4) {
    blocks(std::integral_constant<int, 4>{});
  } else {
    for (int i = 0; i < count; ++i) out[i] = in[i];
  }
}

// Fills a row of pixels with one colour. Short rows take whole 16-byte stores, the last one
// overlapping the one before, instead of a store per pixel or a library call.
inline void FillPixels(Pixel* out, int count, Pixel color) {
#if defined(__SSE2__)
  if (count >= 4) {
    const __m128i value = _mm_set1_epi32(static_cast<int>(color));
    int i = 0;
    for (; i + 4 <= count; i += 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), value);
    if (i < count) _mm_storeu_si128(reinterpret_cast<__m128i*>(out + count - 4), value);
    return;
  }
#endif
  for (int i = 0; i < count; ++i) out[i] = color;
}

}  // namespace platform
