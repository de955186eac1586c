// Block transfers between device contexts, and reading pixels back as DIB rows.
#include <cstring>
#include <vector>

#include "platform/gdi/DeviceContext.h"

namespace platform {

namespace {

// A source DC is only read within its bounds; the clip of a source is not applied, as on the
// platform.
struct Transfer {
  RECT dst;       // clipped device rectangle in the destination
  int srcX;       // source device pixel that dst.left maps to
  int srcY;
};

// Clips a same-size transfer to both the destination clip and the source bounds.
bool ClipTransfer(const DeviceContext& dst, POINT d, const DeviceContext& src, POINT s, int cx,
                  int cy, Transfer& out) {
  RECT r{d.x, d.y, ClampCoord(std::int64_t(d.x) + cx), ClampCoord(std::int64_t(d.y) + cy)};
  // The source bounds, moved into destination coordinates.
  const RECT srcBounds{ClampCoord(std::int64_t(src.bounds.left) - s.x + d.x),
                       ClampCoord(std::int64_t(src.bounds.top) - s.y + d.y),
                       ClampCoord(std::int64_t(src.bounds.right) - s.x + d.x),
                       ClampCoord(std::int64_t(src.bounds.bottom) - s.y + d.y)};
  if (!dst.ClipDeviceRect(r) || !IntersectInto(r, srcBounds)) return false;
  out = {r, s.x + (r.left - d.x), s.y + (r.top - d.y)};
  return true;
}

Pixel CombineSource(DWORD rop, Pixel src, Pixel dst) {
  switch (rop) {
    case SRCPAINT: return src | dst;
    case SRCAND: return src & dst;
    case SRCINVERT: return src ^ dst;
    default: return src;
  }
}

bool UsesSource(DWORD rop) {
  return rop == SRCCOPY || rop == SRCPAINT || rop == SRCAND || rop == SRCINVERT;
}

// Walks the source columns or rows that a stretch samples for consecutive destination pixels
// (nearest neighbour at pixel centres; backwards when the source extent is negative). The
// quotient (2i + 1) * |s| / (2d) is stepped incrementally: a division per pixel would cost more
// than the copy.
class SampleWalk {
 public:
  SampleWalk(int first, int dstExtent, int srcStart, int srcExtent)
      : m_d2(2 * std::int64_t(dstExtent)),
        m_sign(srcExtent < 0 ? -1 : 1),
        m_srcStart(srcStart) {
    const std::int64_t s = srcExtent < 0 ? -std::int64_t(srcExtent) : srcExtent;
    if (s == dstExtent) {
      // Unscaled, the most common case (a picture at its own size): one source pixel per
      // destination pixel, with no divisions to find that out.
      m_quotient = first;
      m_remainder = s;
      m_stepQuotient = 1;
      return;
    }
    const std::int64_t start = (2 * std::int64_t(first) + 1) * s;
    m_quotient = start / m_d2;
    m_remainder = start % m_d2;
    m_stepQuotient = (2 * s) / m_d2;
    m_stepRemainder = (2 * s) % m_d2;
  }
  int Current() const { return int(m_srcStart + m_sign * m_quotient); }
  void Next() {
    m_quotient += m_stepQuotient;
    m_remainder += m_stepRemainder;
    if (m_remainder >= m_d2) {
      m_remainder -= m_d2;
      ++m_quotient;
    }
  }
  // How many pixels from here on, at most `limit`, sample the current source pixel: more than
  // one only when enlarging.
  int Run(int limit) const {
    if (m_stepQuotient > 0) return 1;
    if (m_stepRemainder == 0) return limit;
    const std::int64_t steps = (m_d2 - m_remainder + m_stepRemainder - 1) / m_stepRemainder;
    return int(std::min<std::int64_t>(steps, limit));
  }
  void Advance(int count) {
    m_remainder += count * m_stepRemainder;
    m_quotient += count * m_stepQuotient;
    // A division per row only when the remainder overflows: never when unscaled.
    if (m_remainder >= m_d2) {
      m_quotient += m_remainder / m_d2;
      m_remainder %= m_d2;
    }
  }

 private:
  std::int64_t m_d2;
  int m_sign;
  std::int64_t m_srcStart;
  std::int64_t m_quotient = 0, m_remainder = 0, m_stepQuotient = 0, m_stepRemainder = 0;
};

// Stores one source row into `count` destination rows. A row of 4 to 16 pixels is held in four
// registers and stored as overlapping 16-byte blocks; a longer short row goes through a local
// copy the compiler keeps close.
void CopyRun(Pixel* out, std::ptrdiff_t stride, int count, const Pixel* in, int width) {
#if defined(__SSE2__)
  if (width >= 4 && width <= 16) {
    const auto load = [&](int at) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at)); };
    // Blocks at 0, 4, width - 8 and width - 4 cover any width from 8 to 16; below 8 the
    // middle two repeat the outer ones.
    const int third = width >= 8 ? width - 8 : 0;
    const int second = width >= 8 ? 4 : width - 4;
    const __m128i a = load(0), b = load(second), c = load(third), d = load(width - 4);
    for (int i = 0; i < count; ++i, out += stride) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out), a);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + second), b);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + third), c);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + width - 4), d);
    }
    return;
  }
#endif
  constexpr int kLine = 32;
  if (width > kLine) {
    for (int i = 0; i < count; ++i, out += stride) CopyPixels(out, in, width);
    return;
  }
  Pixel line[kLine];
  CopyPixels(line, in, width);
  for (int i = 0; i < count; ++i, out += stride) CopyPixels(out, line, width);
}

// Copies the pixels of a row that are not `key`, keeping the others. With four or more, in
// blocks of four chosen by a compare; a width that is no multiple of four ends in a block that
// overlaps the one before, worked out from the row as it was before any store, so that its load
// does not wait on those stores (the overlapping pixels get the same value either way).
void CopyUnlessKey(Pixel* out, const Pixel* in, int width, Pixel key) {
#if defined(__SSE2__)
  if (width >= 4) {
    const __m128i transparent = _mm_set1_epi32(static_cast<int>(key));
    const auto blend = [&](int at) {
      const __m128i from = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
      const __m128i under = _mm_loadu_si128(reinterpret_cast<const __m128i*>(out + at));
      const __m128i keep = _mm_cmpeq_epi32(from, transparent);
      return _mm_or_si128(_mm_and_si128(keep, under), _mm_andnot_si128(keep, from));
    };
    const auto store = [&](int at, __m128i pixels) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + at), pixels);
    };
    const __m128i last = blend(width - 4);
    for (int at = 0; at + 4 < width; at += 4) store(at, blend(at));
    store(width - 4, last);
    return;
  }
#endif
  for (int col = 0; col < width; ++col) out[col] = in[col] == key ? out[col] : in[col];
}

// Copies pixels for a stretch with nearest-neighbour sampling. `transparent` skips source pixels
// of that value; kNoKey copies all.
constexpr std::uint64_t kNoKey = ~std::uint64_t(0);

bool StretchTransfer(DeviceContext& dst, int x, int y, int cx, int cy, DeviceContext& src, int sx,
                     int sy, int scx, int scy, DWORD rop, std::uint64_t key) {
  if (!dst.surface || !src.surface || cx == 0 || cy == 0 || scx == 0 || scy == 0) return true;
  // Normalise the destination to positive extents; a negative one mirrors the source instead.
  // As on the platform, a negative extent counts back from its corner inclusively, so
  // (x + cx - 1, -cx) mirrors into the same pixels that (x, cx) covers.
  POINT d = dst.ToDevice(x, y);
  const POINT s = src.ToDevice(sx, sy);
  std::int64_t dcx = cx, dcy = cy, sStartX = s.x, sStartY = s.y, scxs = scx, scys = scy;
  if (dcx < 0) {
    d.x = ClampCoord(d.x + dcx + 1);
    dcx = -dcx;
    sStartX += scxs;
    scxs = -scxs;
  }
  if (dcy < 0) {
    d.y = ClampCoord(d.y + dcy + 1);
    dcy = -dcy;
    sStartY += scys;
    scys = -scys;
  }
  // Mirrored sources sample from the far edge inwards.
  if (scxs < 0) sStartX -= 1;
  if (scys < 0) sStartY -= 1;
  RECT r{d.x, d.y, ClampCoord(d.x + dcx), ClampCoord(d.y + dcy)};
  if (!dst.ClipDeviceRect(r)) return true;
  const int width = r.right - r.left;
  const RECT& sb = src.bounds;
  // Unscaled columns of a plain copy need no column map: each row is a straight copy.
  const int firstColumn = int(sStartX + (r.left - d.x));
  const bool unscaledColumns =
      scxs == dcx && firstColumn >= sb.left && firstColumn + width <= sb.right;
  const bool rowCopy = key == kNoKey && rop == SRCCOPY && unscaledColumns;
  std::vector<int> xmap;
  // A row that replaces every pixel it covers can be repeated by copying it; one that keeps some
  // (transparent, outside the source) or combines with them must be drawn over each row.
  bool repeatable = key == kNoKey && rop == SRCCOPY;
  if (!unscaledColumns) {
    xmap.resize(std::size_t(width));
    SampleWalk columns(r.left - d.x, int(dcx), int(sStartX), int(scxs));
    for (int& column : xmap) {
      column = columns.Current();
      repeatable = repeatable && column >= sb.left && column < sb.right;
      columns.Next();
    }
  }

  // Reading and writing one surface: sample from a copy of the source rows.
  Surface copy;
  const Surface* from = src.surface;
  POINT fromOffset = src.surfaceOffset;
  if (src.surface == dst.surface) {
    copy.Allocate(src.surface->Width(), src.surface->Height());
    if (copy.Empty()) return false;
    for (int row = 0; row < copy.Height(); ++row)
      std::memcpy(copy.Row(row), src.surface->Row(row), sizeof(Pixel) * copy.Width());
    from = &copy;
  }
  const std::ptrdiff_t stride = dst.surface->Width();
  Pixel* const topLeft = dst.SurfacePixel(r.left, r.top);
  const int height = r.bottom - r.top;
  SampleWalk rows(r.top - d.y, int(dcy), int(sStartY), int(scys));
  for (int row = 0; row < height;) {
    // Enlarging samples one source row for a run of destination rows.
    const int syy = rows.Current();
    const int run = rows.Run(height - row);
    rows.Advance(run);
    Pixel* out = topLeft + stride * row;
    row += run;
    if (syy < sb.top || syy >= sb.bottom) continue;
    const Pixel* srcRow = from->Row(syy + fromOffset.y) + fromOffset.x;
    if (rowCopy) {
      CopyRun(out, stride, run, srcRow + firstColumn, width);
      continue;
    }
    for (int again = 0; again < (repeatable ? 1 : run); ++again) {
      Pixel* line = out + stride * again;
      if (unscaledColumns) {
        // Column for column, as a keyed picture drawn at its own size is: no map to look up.
        const Pixel* in = srcRow + firstColumn;
        if (rop == SRCCOPY) {
          // A plain copy here is keyed (else it would be a row copy).
          CopyUnlessKey(line, in, width, Pixel(key));
          continue;
        }
        for (int col = 0; col < width; ++col)
          if (in[col] != key) line[col] = CombineSource(rop, in[col], line[col]);
        continue;
      }
      for (int col = 0; col < width; ++col) {
        const int sxx = xmap[col];
        if (sxx < sb.left || sxx >= sb.right) continue;
        const Pixel p = srcRow[sxx];
        if (p == key) continue;
        line[col] = CombineSource(rop, p, line[col]);
      }
    }
    if (repeatable)
      for (int again = 1; again < run; ++again) CopyPixels(out + stride * again, out, width);
  }
  return true;
}

}  // namespace

}  // namespace platform

using namespace platform;

BOOL BitBlt(HDC hdst, int x, int y, int cx, int cy, HDC hsrc, int sx, int sy, DWORD rop) {
  DeviceContext* dst = ResolveDC(hdst);
  if (!dst) return FALSE;
  if (!UsesSource(rop)) return PatBlt(hdst, x, y, cx, cy, rop);
  DeviceContext* src = ResolveDC(hsrc);
  if (!src) return FALSE;
  if (cx < 0 || cy < 0) return StretchBlt(hdst, x, y, cx, cy, hsrc, sx, sy, cx, cy, rop);
  if (!dst->surface || !src->surface) return TRUE;
  Transfer t;
  if (!ClipTransfer(*dst, dst->ToDevice(x, y), *src, src->ToDevice(sx, sy), cx, cy, t))
    return TRUE;
  const int width = t.dst.right - t.dst.left;
  const int height = t.dst.bottom - t.dst.top;
  // Rows of one surface may overlap: walk them in the direction that reads before it writes.
  const bool sameSurface = dst->surface == src->surface;
  const bool upwards = sameSurface &&
                       t.dst.top + dst->surfaceOffset.y > t.srcY + src->surfaceOffset.y;
  std::ptrdiff_t outStride = dst->surface->Width(), inStride = src->surface->Width();
  Pixel* out = dst->SurfacePixel(t.dst.left, t.dst.top);
  const Pixel* in = src->SurfacePixel(t.srcX, t.srcY);
  if (upwards) {
    out += outStride * (height - 1);
    in += inStride * (height - 1);
    outStride = -outStride;
    inStride = -inStride;
  }
  if (rop == SRCCOPY && !sameSurface && width == outStride && width == inStride) {
    // Whole rows of both surfaces lie end to end: one copy of the block.
    std::memcpy(out, in, sizeof(Pixel) * std::size_t(width) * std::size_t(height));
  } else if (rop == SRCCOPY && !sameSurface) {
    for (int row = 0; row < height; ++row, out += outStride, in += inStride)
      CopyPixels(out, in, width);
  } else if (rop == SRCCOPY) {
    for (int row = 0; row < height; ++row, out += outStride, in += inStride)
      std::memmove(out, in, sizeof(Pixel) * width);
  } else {
    std::vector<Pixel> line(width);
    for (int row = 0; row < height; ++row, out += outStride, in += inStride) {
      line.assign(in, in + width);  // a copy, in case the rows overlap
      for (int col = 0; col < width; ++col) out[col] = CombineSource(rop, line[col], out[col]);
    }
  }
  return TRUE;
}

BOOL StretchBlt(HDC hdst, int x, int y, int cx, int cy, HDC hsrc, int sx, int sy, int scx,
                int scy, DWORD rop) {
  DeviceContext* dst = ResolveDC(hdst);
  if (!dst) return FALSE;
  if (!UsesSource(rop)) return PatBlt(hdst, x, y, cx, cy, rop);
  DeviceContext* src = ResolveDC(hsrc);
  if (!src) return FALSE;
  return StretchTransfer(*dst, x, y, cx, cy, *src, sx, sy, scx, scy, rop, kNoKey) ? TRUE : FALSE;
}

BOOL TransparentBlt(HDC hdst, int x, int y, int cx, int cy, HDC hsrc, int sx, int sy, int scx,
                    int scy, UINT transparent) {
  DeviceContext* dst = ResolveDC(hdst);
  DeviceContext* src = ResolveDC(hsrc);
  // The platform refuses mirroring here.
  if (!dst || !src || cx < 0 || cy < 0 || scx < 0 || scy < 0) return FALSE;
  const Pixel key = PixelFromColor(transparent & 0x00FFFFFF);
  if (cx == scx && cy == scy && dst->surface && src->surface && dst->surface != src->surface) {
    // A picture at its own size from another surface, the common case: row by row, with no
    // sampling to work out.
    Transfer t;
    if (!ClipTransfer(*dst, dst->ToDevice(x, y), *src, src->ToDevice(sx, sy), cx, cy, t))
      return TRUE;
    const int width = t.dst.right - t.dst.left;
    const std::ptrdiff_t outStride = dst->surface->Width(), inStride = src->surface->Width();
    Pixel* out = dst->SurfacePixel(t.dst.left, t.dst.top);
    const Pixel* in = src->SurfacePixel(t.srcX, t.srcY);
    for (int row = t.dst.top; row < t.dst.bottom; ++row, out += outStride, in += inStride)
      CopyUnlessKey(out, in, width, key);
    return TRUE;
  }
  return StretchTransfer(*dst, x, y, cx, cy, *src, sx, sy, scx, scy, SRCCOPY, key) ? TRUE : FALSE;
}

namespace {

// Validates a DIB description for 24- or 32-bit uncompressed rows; returns the row stride.
std::size_t DibStride(const BITMAPINFOHEADER& h) {
  if (h.biPlanes != 1 || h.biCompression != BI_RGB) return 0;
  if (h.biBitCount != 24 && h.biBitCount != 32) return 0;
  if (h.biWidth <= 0 || h.biHeight == 0) return 0;
  return ((std::size_t(h.biWidth) * h.biBitCount + 31) / 32) * 4;
}

}  // namespace

int GetDIBits(HDC hdc, HBITMAP hbm, UINT start, UINT lines, LPVOID bits, LPBITMAPINFO info,
              UINT usage) {
  GdiBitmap* bitmap = Resolve<GdiBitmap>(hbm);
  if (!ResolveDC(hdc) || !bitmap || !info || usage != DIB_RGB_COLORS) return 0;
  BITMAPINFOHEADER& h = info->bmiHeader;
  if (h.biSize < sizeof(BITMAPINFOHEADER)) return 0;
  const Surface& s = bitmap->surface;
  if (!bits && h.biBitCount == 0) {
    // Describe the bitmap, as the platform does when asked for no bits.
    h.biWidth = s.Width();
    h.biHeight = s.Height();
    h.biPlanes = 1;
    h.biBitCount = 32;
    h.biCompression = BI_RGB;
    h.biSizeImage = DWORD(s.Width()) * s.Height() * 4;
    return 1;
  }
  const std::size_t stride = DibStride(h);
  if (!stride || h.biWidth != s.Width()) return 0;
  const bool topDown = h.biHeight < 0;
  const std::int64_t height = topDown ? -std::int64_t(h.biHeight) : h.biHeight;
  if (height != s.Height()) return 0;
  if (!bits) return int(std::min<std::int64_t>(lines, height - std::min<std::int64_t>(start, height)));
  // Scan line k counts from the bottom of a bottom-up DIB and from the top of a top-down one.
  UINT copied = 0;
  for (UINT k = start; k < start + std::int64_t(lines) && k < height; ++k, ++copied) {
    const int y = topDown ? int(k) : int(height - 1 - k);
    auto* out = static_cast<BYTE*>(bits) + stride * (k - start);
    const Pixel* in = s.Row(y);
    if (h.biBitCount == 32) {  // a pixel is laid out as a 32-bit DIB's
      std::memcpy(out, in, stride);
      continue;
    }
    for (int x = 0; x < s.Width(); ++x) {
      out[3 * x] = BYTE(in[x]);
      out[3 * x + 1] = BYTE(in[x] >> 8);
      out[3 * x + 2] = BYTE(in[x] >> 16);
    }
  }
  return int(copied);
}

int SetDIBits(HDC, HBITMAP hbm, UINT start, UINT lines, const void* bits, const BITMAPINFO* info,
              UINT usage) {
  GdiBitmap* bitmap = Resolve<GdiBitmap>(hbm);
  if (!bitmap || !info || !bits || usage != DIB_RGB_COLORS) return 0;
  const BITMAPINFOHEADER& h = info->bmiHeader;
  const std::size_t stride = DibStride(h);
  Surface& s = bitmap->surface;
  if (!stride || h.biWidth != s.Width()) return 0;
  const bool topDown = h.biHeight < 0;
  const std::int64_t height = topDown ? -std::int64_t(h.biHeight) : h.biHeight;
  if (height != s.Height()) return 0;
  UINT copied = 0;
  for (UINT k = start; k < start + std::int64_t(lines) && k < height; ++k, ++copied) {
    const int y = topDown ? int(k) : int(height - 1 - k);
    const auto* in = static_cast<const BYTE*>(bits) + stride * (k - start);
    Pixel* out = s.Row(y);
    const int bpp = h.biBitCount / 8;
    for (int x = 0; x < s.Width(); ++x)
      out[x] = Pixel(in[bpp * x]) | Pixel(in[bpp * x + 1]) << 8 | Pixel(in[bpp * x + 2]) << 16;
  }
  return int(copied);
}
