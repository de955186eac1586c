// A 32-bit pixel surface: rows top-down, each pixel 0x00RRGGBB (bytes B, G, R, 0 in memory, the
// layout of a 32-bit DIB). COLORREF is 0x00BBGGRR, so colours are swapped on the way in and out.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/win32/WinDef.h"

namespace platform {

using Pixel = std::uint32_t;

constexpr Pixel PixelFromColor(COLORREF c) {
  return ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
}
constexpr COLORREF ColorFromPixel(Pixel p) {
  return ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
}

class Surface {
 public:
  // Largest side and area a surface may have; bigger requests are refused by their callers.
  static constexpr int kMaxSide = 1 << 15;
  static constexpr std::int64_t kMaxPixels = std::int64_t(1) << 28;
  static bool SizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide &&
           width * height <= kMaxPixels;
  }

  Surface() = default;
  // Returns false (and stays empty) when the size is not allowed or memory runs out.
  bool Allocate(int width, int height);

  int Width() const { return m_width; }
  int Height() const { return m_height; }
  bool Empty() const { return m_pixels == nullptr; }
  Pixel* Row(int y) { return m_pixels.get() + std::ptrdiff_t(y) * m_width; }
  const Pixel* Row(int y) const { return m_pixels.get() + std::ptrdiff_t(y) * m_width; }
  RECT Bounds() const { return {0, 0, m_width, m_height}; }

 private:
  int m_width = 0;
  int m_height = 0;
  std::unique_ptr<Pixel[]> m_pixels;
};

}  // namespace platform
