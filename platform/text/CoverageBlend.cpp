#include "platform/text/CoverageBlend.h"

#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace platform::text {

namespace {

void BlendRow(Pixel* dst, const std::uint8_t* coverage, int count, Pixel color) {
  int x = 0;
#if defined(__SSE2__)
  // Four pixels at a time, each channel in a 16-bit lane: src * a' + dst * (256 - a') is at most
  // 255 * 256, so nothing overflows and the result equals BlendPixel's.
  const __m128i zero = _mm_setzero_si128();
  const __m128i src = _mm_unpacklo_epi8(_mm_set1_epi32(static_cast<int>(color)), zero);
  const __m128i full = _mm_set1_epi16(256);
  for (; x + 4 <= count; x += 4) {
    std::uint32_t four;
    std::memcpy(&four, coverage + x, sizeof four);
    if (four == 0) continue;  // glyph margins: nothing to blend
    __m128i a = _mm_cvtsi32_si128(static_cast<int>(four));
    a = _mm_unpacklo_epi8(a, a);
    a = _mm_unpacklo_epi16(a, a);  // each coverage byte repeated for the four channels
    __m128i aLow = _mm_unpacklo_epi8(a, zero);
    __m128i aHigh = _mm_unpackhi_epi8(a, zero);
    aLow = _mm_add_epi16(aLow, _mm_srli_epi16(aLow, 7));
    aHigh = _mm_add_epi16(aHigh, _mm_srli_epi16(aHigh, 7));
    const __m128i pixels = _mm_loadu_si128(reinterpret_cast<const __m128i*>(dst + x));
    const __m128i dLow = _mm_unpacklo_epi8(pixels, zero);
    const __m128i dHigh = _mm_unpackhi_epi8(pixels, zero);
    const __m128i low = _mm_srli_epi16(
        _mm_add_epi16(_mm_mullo_epi16(src, aLow), _mm_mullo_epi16(dLow, _mm_sub_epi16(full, aLow))),
        8);
    const __m128i high =
        _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(src, aHigh),
                                     _mm_mullo_epi16(dHigh, _mm_sub_epi16(full, aHigh))),
                       8);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + x), _mm_packus_epi16(low, high));
  }
#endif
  for (; x < count; ++x) dst[x] = BlendPixel(dst[x], color, coverage[x]);
}

}  // namespace

void BlendCoverage(Pixel* dst, std::ptrdiff_t dstStride, const std::uint8_t* coverage,
                   std::ptrdiff_t coverageStride, int columns, int rows, Pixel color) {
  for (int y = 0; y < rows; ++y, dst += dstStride, coverage += coverageStride)
    BlendRow(dst, coverage, columns, color);
}

}  // namespace platform::text
