// Blending grey glyph coverage in one colour onto 32-bit pixels: on each channel
// dst + (src - dst) * a / 255, computed as (src * a' + dst * (256 - a')) >> 8 with
// a' = a + a / 128, so that coverage 0 keeps the pixel and 255 gives the colour exactly. The
// vector and the plain versions give the same pixels, bit for bit.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/gdi/Surface.h"

namespace platform::text {

inline Pixel BlendPixel(Pixel dst, Pixel src, unsigned coverage) {
  const unsigned a = coverage + (coverage >> 7);  // 0..256
  const Pixel rb = (((src & 0xFF00FF) * a + (dst & 0xFF00FF) * (256 - a)) >> 8) & 0xFF00FF;
  const Pixel g = (((src & 0x00FF00) * a + (dst & 0x00FF00) * (256 - a)) >> 8) & 0x00FF00;
  return rb | g;
}

// Grey coverage ready to blend: the bytes, and for the vector blender each byte's weight 2a'
// repeated over the four channels of its pixel, worked out once per glyph rather than on every
// draw. Rows are `stride` bytes and 4 * `stride` weights long.
struct BlendSource {
  const std::uint8_t* coverage = nullptr;
  const std::uint16_t* weights = nullptr;
  std::ptrdiff_t stride = 0;
};

// The weights of `count` coverage bytes.
std::unique_ptr<std::uint16_t[]> BlendWeights(const std::uint8_t* coverage, std::size_t count);

// Blends a block of `columns` x `rows` of the source, from its first byte, in `color` onto
// pixels `dstStride` apart from row to row.
void BlendCoverage(Pixel* dst, std::ptrdiff_t dstStride, const BlendSource& source, int columns,
                   int rows, Pixel color);

}  // namespace platform::text
