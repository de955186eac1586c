// Reading pixels back as DIB rows. Block transfers are checked against a reference in
// RasterDifferentialTest.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/Pixels.h"

using trellis::test::Canvas;

namespace {
constexpr COLORREF kRed = RGB(255, 0, 0);
}  // namespace

TEST(GetDIBits, RowsComeBottomUpUnlessAskedTopDown) {
  Canvas c(3, 2);
  SetPixel(c.dc(), 0, 0, kRed);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), 3, 2, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<BYTE> bits(2 * 12, 0xAA);  // 24-bit rows pad to 12 bytes
  ASSERT_EQ(GetDIBits(c.dc(), c.bitmap(), 0, 2, bits.data(), &info, DIB_RGB_COLORS), 2);
  // Bottom-up: the top row (with the red pixel) comes second.
  EXPECT_EQ(bits[12 + 2], 255);
  EXPECT_EQ(bits[12 + 0], 0);
  EXPECT_EQ(bits[2], 255);  // white
  // Asking with no buffer and no bit count describes the bitmap.
  BITMAPINFO describe{};
  describe.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  ASSERT_EQ(GetDIBits(c.dc(), c.bitmap(), 0, 0, nullptr, &describe, DIB_RGB_COLORS), 1);
  EXPECT_EQ(describe.bmiHeader.biWidth, 3);
  EXPECT_EQ(describe.bmiHeader.biBitCount, 32);
  // A mismatched width is refused rather than read past the rows.
  info.bmiHeader.biWidth = 4;
  EXPECT_EQ(GetDIBits(c.dc(), c.bitmap(), 0, 2, bits.data(), &info, DIB_RGB_COLORS), 0);
}
