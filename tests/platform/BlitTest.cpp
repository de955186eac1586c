// Block transfers: clipping to both sides, overlap, stretching, colour keys, read-back.
#include <gtest/gtest.h>

#include <vector>

#include "tests/support/Pixels.h"

using trellis::test::Canvas;

namespace {
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

// Paints pixel (x, y) with a colour that encodes its position.
void Gradient(Canvas& c) {
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) SetPixel(c.dc(), x, y, RGB(x * 10, y * 10, 7));
}
COLORREF GradientAt(int x, int y) { return RGB(x * 10, y * 10, 7); }
}  // namespace

TEST(BitBlt, ClipsToDestinationClipAndSourceBounds) {
  Canvas src(6, 6);
  Gradient(src);
  Canvas dst(10, 10);
  IntersectClipRect(dst.dc(), 0, 0, 8, 10);
  // Source rows 4.. and columns 3.. exist only partly: only the overlap is copied.
  ASSERT_TRUE(BitBlt(dst.dc(), 2, 2, 8, 8, src.dc(), 3, 4, SRCCOPY));
  EXPECT_EQ(dst.At(2, 2), GradientAt(3, 4));
  EXPECT_EQ(dst.At(4, 3), GradientAt(5, 5));
  EXPECT_EQ(dst.At(5, 3), kWhite);  // past the source's right edge
  EXPECT_EQ(dst.At(2, 4), kWhite);  // past the source's bottom edge
  // Negative source positions and a window origin on the source.
  Canvas out(4, 4);
  SetWindowOrgEx(src.dc(), 1, 1, nullptr);
  BitBlt(out.dc(), 0, 0, 4, 4, src.dc(), 0, 0, SRCCOPY);
  EXPECT_EQ(out.At(0, 0), kWhite);
  EXPECT_EQ(out.At(1, 1), GradientAt(0, 0));
}

TEST(BitBlt, OverlappingCopiesWithinOneSurfaceReadBeforeWriting) {
  for (int shift : {1, -1}) {
    Canvas c(8, 8);
    Gradient(c);
    BitBlt(c.dc(), 0, shift > 0 ? 1 : 0, 8, 7, c.dc(), 0, shift > 0 ? 0 : 1, SRCCOPY);
    for (int y = 1; y < 7; ++y) EXPECT_EQ(c.At(3, y), GradientAt(3, y - shift)) << shift;
  }
  Canvas c(8, 1);
  Gradient(c);
  BitBlt(c.dc(), 1, 0, 7, 1, c.dc(), 0, 0, SRCCOPY);
  for (int x = 1; x < 8; ++x) EXPECT_EQ(c.At(x, 0), GradientAt(x - 1, 0));
}

TEST(StretchBlt, OneRowFillsManyAndMirroringFlips) {
  Canvas src(4, 1);
  Gradient(src);
  Canvas dst(4, 30);
  ASSERT_TRUE(StretchBlt(dst.dc(), 0, 0, 4, 30, src.dc(), 0, 0, 4, 1, SRCCOPY));
  for (int y : {0, 13, 29})
    for (int x = 0; x < 4; ++x) EXPECT_EQ(dst.At(x, y), GradientAt(x, 0));
  Canvas wide(8, 1);
  StretchBlt(wide.dc(), 0, 0, 8, 1, src.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(wide.At(0, 0), GradientAt(0, 0));
  EXPECT_EQ(wide.At(1, 0), GradientAt(0, 0));
  EXPECT_EQ(wide.At(7, 0), GradientAt(3, 0));
  Canvas mirrored(4, 1);
  StretchBlt(mirrored.dc(), 3, 0, -4, 1, src.dc(), 0, 0, 4, 1, SRCCOPY);
  EXPECT_EQ(mirrored.At(0, 0), GradientAt(3, 0));
  EXPECT_EQ(mirrored.At(3, 0), GradientAt(0, 0));
}

TEST(TransparentBlt, SkipsTheKeyColourAndRefusesMirroring) {
  Canvas src(3, 1, kRed);
  SetPixel(src.dc(), 1, 0, kBlue);
  Canvas dst(6, 2);
  ASSERT_TRUE(TransparentBlt(dst.dc(), 0, 0, 6, 2, src.dc(), 0, 0, 3, 1, kRed));
  EXPECT_EQ(dst.Count(kBlue), 4);
  EXPECT_EQ(dst.Count(kWhite), 8);
  EXPECT_FALSE(TransparentBlt(dst.dc(), 0, 0, -6, 2, src.dc(), 0, 0, 3, 1, kRed));
}

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

TEST(StretchBlt, SamplesPixelCentresForEveryRatio) {
  // Each destination pixel i takes source pixel floor((2i + 1) * s / (2d)): checked against the
  // formula for shrinking, enlarging and odd ratios in both directions.
  Canvas src(7, 5);
  Gradient(src);
  for (int dw : {1, 3, 7, 10, 23})
    for (int dh : {1, 4, 5, 13}) {
      Canvas dst(dw, dh);
      ASSERT_TRUE(StretchBlt(dst.dc(), 0, 0, dw, dh, src.dc(), 0, 0, 7, 5, SRCCOPY));
      for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x)
          ASSERT_EQ(dst.At(x, y), GradientAt((2 * x + 1) * 7 / (2 * dw), (2 * y + 1) * 5 / (2 * dh)))
              << dw << "x" << dh << " at " << x << "," << y;
    }
}

TEST(StretchBlt, RepeatedRowsOfEveryShortWidthStayInside) {
  // Enlarging one row repeats it with block stores; each width must fill exactly its columns.
  for (int width = 1; width <= 20; ++width) {
    Canvas src(width, 1);
    Gradient(src);
    Canvas dst(width + 8, 6);
    ASSERT_TRUE(StretchBlt(dst.dc(), 4, 1, width, 4, src.dc(), 0, 0, width, 1, SRCCOPY));
    for (int y = 0; y < 6; ++y)
      for (int x = 0; x < width + 8; ++x) {
        const bool inside = x >= 4 && x < 4 + width && y >= 1 && y < 5;
        ASSERT_EQ(dst.At(x, y), inside ? GradientAt(x - 4, 0) : kWhite)
            << "width " << width << " at " << x << "," << y;
      }
  }
}
