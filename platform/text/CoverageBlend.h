// Blending grey glyph coverage in one colour onto 32-bit pixels: on each channel
// dst + (src - dst) * a / 255, computed as (src * a' + dst * (256 - a')) >> 8 with
// a' = a + a / 128, so that coverage 0 keeps the pixel and 255 gives the colour exactly. The
// vector and the plain versions give the same pixels, bit for bit.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdi/Surface.h"

namespace platform::text {

inline Pixel BlendPixel(Pixel dst, Pixel src, unsigned coverage) {
  const unsigned a = coverage + (coverage >> 7);  // 0..256
  const Pixel rb = (((src & 0xFF00FF) * a + (dst & 0xFF00FF) * (256 - a)) >> 8) & 0xFF00FF;
  const Pixel g = (((src & 0x00FF00) * a + (dst & 0x00FF00) * (256 - a)) >> 8) & 0x00FF00;
  return rb | g;
}

// Blends a block of `columns` x `rows` coverage bytes in `color` onto pixels; each pointer steps
// by its own stride from row to row.
void BlendCoverage(Pixel* dst, std::ptrdiff_t dstStride, const std::uint8_t* coverage,
                   std::ptrdiff_t coverageStride, int columns, int rows, Pixel color);

}  // namespace platform::text
