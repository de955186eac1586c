// The blender's vector path must give exactly the pixels of the plain formula: golden images are
// compared across machines, some of which may take the other path.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "platform/text/CoverageBlend.h"

using platform::Pixel;
using platform::text::BlendCoverage;
using platform::text::BlendPixel;

TEST(CoverageBlend, VectorPathMatchesThePlainFormula) {
  std::mt19937 random(7);
  for (int columns : {1, 3, 4, 7, 8, 13}) {
    const int rows = 3;
    std::vector<std::uint8_t> coverage(std::size_t(columns) * rows);
    std::vector<Pixel> pixels(coverage.size()), expected(coverage.size());
    for (std::size_t i = 0; i < coverage.size(); ++i) {
      // Every run includes the exact ends 0 and 255 as well as random levels.
      coverage[i] = i % 5 == 0 ? 0 : i % 5 == 1 ? 255 : std::uint8_t(random());
      pixels[i] = random() & 0x00FFFFFF;
    }
    const Pixel color = random() & 0x00FFFFFF;
    for (std::size_t i = 0; i < coverage.size(); ++i)
      expected[i] = BlendPixel(pixels[i], color, coverage[i]);
    BlendCoverage(pixels.data(), columns, coverage.data(), columns, columns, rows, color);
    EXPECT_EQ(pixels, expected) << columns;
  }
  EXPECT_EQ(BlendPixel(0x123456, 0xABCDEF, 0), 0x123456u);
  EXPECT_EQ(BlendPixel(0x123456, 0xABCDEF, 255), 0xABCDEFu);
  EXPECT_EQ(BlendPixel(0x000000, 0xFFFFFF, 128), 0x808080u);
}
