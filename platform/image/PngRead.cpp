#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <iterator>
#include <memory>
#include <new>

#include "platform/gdi/GdiObjects.h"
#include "platform/image/Png.h"

namespace platform {

namespace {

// Ancillary chunks (text, profiles) may not make libpng allocate more than this.
constexpr png_alloc_size_t kMaxChunkBytes = png_alloc_size_t(8) << 20;
constexpr int kSignatureBytes = 8;

// libpng reports errors by longjmp to the setjmp of the step that is running; it prints nothing.
[[noreturn]] void JumpOnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

// Everything a read must clean up. It lives in LoadPng's frame, which no longjmp leaves, so the
// destructor runs on every path; the steps that set a jump point own no objects of their own.
struct PngReader {
  ~PngReader() {
    if (png) png_destroy_read_struct(&png, &info, nullptr);
    if (file) std::fclose(file);
  }
  std::FILE* file = nullptr;
  png_structp png = nullptr;
  png_infop info = nullptr;
  Surface image;
  std::unique_ptr<png_bytep[]> rows;
};

// Reads the header and asks for rows of 4 bytes per pixel: blue, green, red, 0.
bool ReadHeader(PngReader& r) {
  if (setjmp(png_jmpbuf(r.png))) return false;
  png_init_io(r.png, r.file);
  png_set_sig_bytes(r.png, kSignatureBytes);
  png_read_info(r.png, r.info);
  png_set_expand(r.png);
  png_set_strip_16(r.png);
  png_set_gray_to_rgb(r.png);
  png_set_strip_alpha(r.png);
  png_set_bgr(r.png);
  png_set_filler(r.png, 0, PNG_FILLER_AFTER);
  png_set_interlace_handling(r.png);
  png_read_update_info(r.png, r.info);
  return png_get_rowbytes(r.png, r.info) == std::size_t(png_get_image_width(r.png, r.info)) * 4;
}

bool ReadRows(PngReader& r) {
  if (setjmp(png_jmpbuf(r.png))) return false;
  png_read_image(r.png, r.rows.get());
  png_read_end(r.png, nullptr);
  return true;
}

// The signature, then the image header as the first chunk, as the format requires: the reader
// would otherwise skip what comes first and take the size from a header found later on.
bool StartsWithPngHeader(std::FILE* file) {
  static constexpr png_byte kHeaderChunk[] = {0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  png_byte start[kSignatureBytes + sizeof kHeaderChunk];
  return std::fread(start, 1, sizeof start, file) == sizeof start &&
         png_sig_cmp(start, 0, kSignatureBytes) == 0 &&
         std::equal(std::begin(kHeaderChunk), std::end(kHeaderChunk), start + kSignatureBytes) &&
         std::fseek(file, kSignatureBytes, SEEK_SET) == 0;
}

}  // namespace

bool LoadPng(const std::filesystem::path& path, Surface& out) {
  PngReader r;
  r.file = std::fopen(path.c_str(), "rb");
  if (!r.file || !StartsWithPngHeader(r.file)) return false;
  r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnError, IgnoreWarning);
  if (!r.png) return false;
  r.info = png_create_info_struct(r.png);
  if (!r.info) return false;
  png_set_user_limits(r.png, Surface::kMaxSide, Surface::kMaxSide);
  png_set_chunk_malloc_max(r.png, kMaxChunkBytes);
  if (!ReadHeader(r)) return false;

  const png_uint_32 width = png_get_image_width(r.png, r.info);
  const png_uint_32 height = png_get_image_height(r.png, r.info);
  if (!Surface::SizeAllowed(width, height) || !r.image.Allocate(int(width), int(height)))
    return false;
  r.rows.reset(new (std::nothrow) png_bytep[height]);
  if (!r.rows) return false;
  for (png_uint_32 y = 0; y < height; ++y)
    r.rows[y] = reinterpret_cast<png_bytep>(r.image.Row(int(y)));
  if (!ReadRows(r)) return false;

  // The rows hold bytes B, G, R, 0; turn each group into a pixel whatever the byte order.
  for (png_uint_32 y = 0; y < height; ++y) {
    Pixel* row = r.image.Row(int(y));
    for (png_uint_32 x = 0; x < width; ++x) {
      const auto* b = reinterpret_cast<const png_byte*>(row + x);
      row[x] = Pixel(b[0]) | Pixel(b[1]) << 8 | Pixel(b[2]) << 16;
    }
  }
  out = std::move(r.image);
  return true;
}

HBITMAP LoadBitmapPng(const std::filesystem::path& path) {
  auto bitmap = std::make_unique<GdiBitmap>();
  if (!LoadPng(path, bitmap->surface)) return nullptr;
  return Register<GdiBitmap, HBITMAP>(std::move(bitmap));
}

}  // namespace platform
