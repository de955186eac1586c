// The blender's vector path must give exactly the pixels of the plain formula: golden images are
// compared across machines, some of which may take the other path.
#include <gtest/gtest.h>

#include <vector>

#include "platform/text/CoverageBlend.h"

using platform::Pixel;
using platform::text::BlendCoverage;
using platform::text::BlendPixel;
using platform::text::BlendWeights;

// Every coverage level with every pair of channel values, in blocks seven pixels wide so that
// rows take the blocks of four, the pair and the single pixel alike.
TEST(CoverageBlend, EveryLevelAndChannelPairMatchesThePlainFormula) {
  constexpr int kColumns = 7, kRows = 37;  // 259 pixels: every destination value at least once
  std::vector<std::uint8_t> coverage(kColumns * kRows);
  std::vector<Pixel> pixels(coverage.size()), expected(coverage.size());
  for (unsigned src = 0; src < 256; ++src) {
    // The other channels run the other way, so each pixel checks three pairs.
    const Pixel color = src | (255 - src) << 8 | (src ^ 0x5A) << 16;
    for (unsigned level = 0; level < 256; ++level) {
      for (std::size_t k = 0; k < coverage.size(); ++k) {
        const unsigned d = k & 0xFF;
        coverage[k] = std::uint8_t(level + k);
        pixels[k] = d | (255 - d) << 8 | (d ^ 0xA5) << 16;
        expected[k] = BlendPixel(pixels[k], color, coverage[k]);
      }
      const auto weights = BlendWeights(coverage.data(), coverage.size());
      BlendCoverage(pixels.data(), kColumns, {coverage.data(), weights.get(), kColumns}, kColumns,
                    kRows, color);
      ASSERT_EQ(pixels, expected) << "source " << src << " level " << level;
    }
  }
  EXPECT_EQ(BlendPixel(0x123456, 0xABCDEF, 0), 0x123456u);
  EXPECT_EQ(BlendPixel(0x123456, 0xABCDEF, 255), 0xABCDEFu);
  EXPECT_EQ(BlendPixel(0x000000, 0xFFFFFF, 128), 0x808080u);
}
