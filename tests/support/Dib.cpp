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
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const RGBQUAD q{GetBValue(palette[i]), GetGValue(palette[i]), GetRValue(palette[i]), 0};
    std::memcpy(dib.data() + sizeof h + i * sizeof q, &q, sizeof q);
  }
  for (int y = 0; y < rows; ++y) {
    BYTE* row = dib.data() + header + stride * (height < 0 ? y : rows - 1 - y);
    for (int x = 0; x < width; ++x) {
      const DWORD v = value(x, y);
      if (bitCount >= 24) {
        BYTE* p = row + std::size_t(x) * (bitCount / 8);
        p[0] = GetBValue(v);
        p[1] = GetGValue(v);
        p[2] = GetRValue(v);
        if (bitCount == 32) p[3] = 0xA5;  // noise in the unused byte, which readers ignore
      } else {
        const std::size_t bit = std::size_t(x) * bitCount;
        row[bit / 8] |= BYTE(v << (8 - bitCount - bit % 8));
      }
    }
  }
  return dib;
}

}  // namespace trellis::test
