#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <memory>
#include <new>
#include <system_error>
#include <utility>

#include "platform/gdi/GdiObjects.h"
#include "platform/image/Png.h"

namespace platform {

namespace {

[[noreturn]] void JumpOnError(png_structp png, png_const_charp) { png_longjmp(png, 1); }
void IgnoreWarning(png_structp, png_const_charp) {}

// Everything a write must clean up; see PngReader for why it lives outside the jumping steps.
struct PngWriter {
  ~PngWriter() {
    if (png) png_destroy_write_struct(&png, &info);
    if (file) std::fclose(file);
  }
  std::FILE* file = nullptr;
  png_structp png = nullptr;
  png_infop info = nullptr;
  std::unique_ptr<png_byte[]> row;  // one row of R, G, B bytes
};

bool WriteImage(PngWriter& w, const Surface& s) {
  if (setjmp(png_jmpbuf(w.png))) return false;
  png_init_io(w.png, w.file);
  png_set_IHDR(w.png, w.info, png_uint_32(s.Width()), png_uint_32(s.Height()), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_write_info(w.png, w.info);
  for (int y = 0; y < s.Height(); ++y) {
    const Pixel* in = s.Row(y);
    for (int x = 0; x < s.Width(); ++x) {
      w.row[3 * x] = png_byte(in[x] >> 16);
      w.row[3 * x + 1] = png_byte(in[x] >> 8);
      w.row[3 * x + 2] = png_byte(in[x]);
    }
    png_write_row(w.png, w.row.get());
  }
  png_write_end(w.png, nullptr);
  return true;
}

bool WriteFile(const Surface& surface, const std::filesystem::path& path) {
  PngWriter w;
  w.row.reset(new (std::nothrow) png_byte[std::size_t(surface.Width()) * 3]);
  if (!w.row) return false;
  w.file = std::fopen(path.c_str(), "wb");
  if (!w.file) return false;
  w.png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, JumpOnError, IgnoreWarning);
  if (!w.png) return false;
  w.info = png_create_info_struct(w.png);
  if (!w.info || !WriteImage(w, surface)) return false;
  // Closing flushes the last bytes; a full disk shows up here.
  return std::fclose(std::exchange(w.file, nullptr)) == 0;
}

}  // namespace

bool SavePng(const Surface& surface, const std::filesystem::path& path) {
  if (surface.Empty()) return false;
  // Written beside the target and renamed over it, so a failed save never leaves a torn file.
  std::filesystem::path partial = path;
  partial += ".partial";
  std::error_code error;
  if (!WriteFile(surface, partial)) {
    std::filesystem::remove(partial, error);
    return false;
  }
  std::filesystem::rename(partial, path, error);
  if (!error) return true;
  std::filesystem::remove(partial, error);
  return false;
}

bool SaveBitmapPng(HBITMAP bitmap, const std::filesystem::path& path) {
  const GdiBitmap* object = Resolve<GdiBitmap>(bitmap);
  return object && SavePng(object->surface, path);
}

}  // namespace platform
