#include "platform/text/CoverageBlend.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform::text {

namespace {

inline unsigned Weight(std::uint8_t coverage) { return 2 * (coverage + (coverage >> 7)); }

#if defined(__SSE2__)
// Blending in 16-bit lanes, as dst + ((src - dst) * a' >> 8): the same number as BlendPixel's,
// since dst * 256 is a whole multiple of 256. The product is taken as the high half of
// ((src - dst) << 7) * 2a', which fits 16 bits where (src - dst) * a' does not, and whose shift
// rounds down as BlendPixel's does.
class Blender {
 public:
  explicit Blender(Pixel color)
      : m_src(_mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(color)), _mm_setzero_si128())) {}

  // Four pixels, with the weights of four coverage bytes.
  void Four(Pixel* dst, const std::uint16_t* weights) const {
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst));
    const __m128i low = Blend(_mm_unpacklo_epi8(pixels, _mm_setzero_si128()), Load(weights));
    const __m128i high = Blend(_mm_unpackhi_epi8(pixels, _mm_setzero_si128()), Load(weights + 8));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst), _mm_packus_epi16(low, high));
  }
  void Two(Pixel* dst, const std::uint16_t* weights) const {
    const __m128i pixels = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(dst));
    const __m128i blended = Blend(_mm_unpacklo_epi8(pixels, _mm_setzero_si128()), Load(weights));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(dst), _mm_packus_epi16(blended, blended));
  }

 private:
  static __m128i Load(const std::uint16_t* weights) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(weights));
  }
  // Two pixels' channels in 16-bit lanes.
  __m128i Blend(__m128i pixels, __m128i weights) const {
    const __m128i difference = _mm_slli_epi16(_mm_sub_epi16(m_src, pixels), 7);
    return _mm_add_epi16(pixels, _mm_mulhi_epi16(difference, weights));
  }

  __m128i m_src;
};
#endif

}  // namespace

std::unique_ptr<std::uint16_t[]> BlendWeights(const std::uint8_t* coverage, std::size_t count) {
  auto weights = std::make_unique<std::uint16_t[]>(4 * count);
  for (std::size_t i = 0; i < count; ++i)
    std::fill_n(weights.get() + 4 * i, 4, static_cast<std::uint16_t>(Weight(coverage[i])));
  return weights;
}

void BlendCoverage(Pixel* dst, std::ptrdiff_t dstStride, const BlendSource& source, int columns,
                   int rows, Pixel color) {
  const std::uint8_t* coverage = source.coverage;
#if defined(__SSE2__)
  // Glyphs are a few pixels wide: rows go in blocks of four, then a pair, then one, and blocks
  // without coverage (the glyph's margins) are skipped.
  const Blender blender(color);
  const std::uint16_t* weights = source.weights;
  for (int y = 0; y < rows; ++y, dst += dstStride, coverage += source.stride,
           weights += 4 * source.stride) {
    int x = 0;
    for (; x + 4 <= columns; x += 4) {
      std::uint32_t four;
      std::memcpy(&four, coverage + x, sizeof four);
      if (four != 0) blender.Four(dst + x, weights + 4 * x);
    }
    if (x + 2 <= columns) {
      std::uint16_t two;
      std::memcpy(&two, coverage + x, sizeof two);
      if (two != 0) blender.Two(dst + x, weights + 4 * x);
      x += 2;
    }
    if (x < columns) dst[x] = BlendPixel(dst[x], color, coverage[x]);
  }
#else
  for (int y = 0; y < rows; ++y, dst += dstStride, coverage += source.stride)
    for (int x = 0; x < columns; ++x) dst[x] = BlendPixel(dst[x], color, coverage[x]);
#endif
}

}  // namespace platform::text
