#include "platform/gdi/PackedDib.h"

#include <cstring>
#include <vector>

#include "platform/win32/WinGdi.h"

namespace platform {

namespace {

// Resources carry no alignment promise, so multi-byte fields are assembled from bytes.
Pixel PixelFromBgr(const BYTE* p) { return Pixel(p[0]) | Pixel(p[1]) << 8 | Pixel(p[2]) << 16; }

bool IsSupportedDepth(int bitCount) {
  return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 24 || bitCount == 32;
}

// The colour of pixel x of a row of palette indices. An index past the table is black, as a
// colour table shorter than the depth allows leaves those colours undefined.
Pixel IndexedPixel(const BYTE* row, int x, int bitCount, const std::vector<Pixel>& palette) {
  const std::size_t bit = std::size_t(x) * bitCount;
  const int shift = 8 - bitCount - int(bit % 8);
  const std::size_t index = (row[bit / 8] >> shift) & ((1u << bitCount) - 1);
  return index < palette.size() ? palette[index] : 0;
}

}  // namespace

bool DecodePackedDib(const void* data, std::size_t size, Surface& out) {
  BITMAPINFOHEADER h;
  if (!data || size < sizeof h) return false;
  std::memcpy(&h, data, sizeof h);
  if (h.biSize < sizeof h || h.biSize > size) return false;
  if (h.biPlanes != 1 || h.biCompression != BI_RGB || !IsSupportedDepth(h.biBitCount)) return false;
  const std::int64_t width = h.biWidth;
  const bool topDown = h.biHeight < 0;
  const std::int64_t height = topDown ? -std::int64_t(h.biHeight) : h.biHeight;
  if (!Surface::SizeAllowed(width, height)) return false;

  // Indexed depths always have a table (biClrUsed 0 means a full one); deeper ones may carry an
  // optional table that only sits between the header and the rows.
  const int bitCount = h.biBitCount;
  const std::uint64_t fullTable = std::uint64_t(1) << (bitCount <= 8 ? bitCount : 0);
  const std::uint64_t tableSize = bitCount <= 8 && h.biClrUsed == 0 ? fullTable : h.biClrUsed;
  if (bitCount <= 8 && tableSize > fullTable) return false;
  const std::uint64_t bitsOffset = h.biSize + tableSize * sizeof(RGBQUAD);
  const std::uint64_t stride = ((std::uint64_t(width) * bitCount + 31) / 32) * 4;
  if (bitsOffset > size || stride * std::uint64_t(height) > size - bitsOffset) return false;

  const auto* bytes = static_cast<const BYTE*>(data);
  std::vector<Pixel> palette;
  if (bitCount <= 8) {
    palette.resize(tableSize);
    for (std::size_t i = 0; i < palette.size(); ++i)
      palette[i] = PixelFromBgr(bytes + h.biSize + i * sizeof(RGBQUAD));
  }
  Surface image;
  if (!image.Allocate(int(width), int(height))) return false;
  for (std::int64_t k = 0; k < height; ++k) {
    const BYTE* row = bytes + bitsOffset + stride * k;
    Pixel* dst = image.Row(int(topDown ? k : height - 1 - k));
    const int bytesPerPixel = bitCount / 8;
    for (int x = 0; x < width; ++x)
      dst[x] = bitCount <= 8 ? IndexedPixel(row, x, bitCount, palette)
                             : PixelFromBgr(row + std::size_t(x) * bytesPerPixel);
  }
  out = std::move(image);
  return true;
}

}  // namespace platform
