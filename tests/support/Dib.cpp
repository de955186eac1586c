#include "tests/support/Dib.h"

#include <cstdlib>
#include <cstring>

namespace trellis::test {

std::vector<BYTE> MakeDib(int width, int height, int bitCount,
                          const std::function<DWORD(int x, int y)>& value,
                          const std::vector<COLORREF>& palette) {
  const int rows = std::abs(height);
  const std::size_t stride = ((std::size_t(width) * bitCount + 31) / 32) * 4;
  const std::size_t header = sizeof(BITMAPINFOHEADER) + palette.size() * sizeof(RGBQUAD);
  std::vector<BYTE> dib(header + stride * rows);
  BITMAPINFOHEADER h{sizeof h, width, height, 1, WORD(bitCount), BI_RGB, DWORD(stride * rows),
                     0, 0, DWORD(palette.size()), 0};
  std::memcpy(dib.data(), &h, sizeof h);
  // A colour as a table entry or a deep pixel holds it: blue, green, red, then `fourth`.
  const auto put = [](BYTE* at, COLORREF c, BYTE fourth, std::size_t bytes) {
    const RGBQUAD q{GetBValue(c), GetGValue(c), GetRValue(c), fourth};
    std::memcpy(at, &q, bytes);
  };
  for (std::size_t i = 0; i < palette.size(); ++i)
    put(dib.data() + sizeof h + i * sizeof(RGBQUAD), palette[i], 0, sizeof(RGBQUAD));
  for (int y = 0; y < rows; ++y) {
    BYTE* row = dib.data() + header + stride * (height < 0 ? y : rows - 1 - y);
    for (int x = 0; x < width; ++x) {
      const DWORD v = value(x, y);
      const std::size_t bit = std::size_t(x) * bitCount;
      if (bitCount >= 24)  // noise in a 32-bit pixel's unused byte, which readers ignore
        put(row + bit / 8, v, 0xA5, std::size_t(bitCount / 8));
      else
        row[bit / 8] |= BYTE(v << (8 - bitCount - bit % 8));
    }
  }
  return dib;
}

}  // namespace trellis::test
