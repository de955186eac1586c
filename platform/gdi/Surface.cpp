#include "platform/gdi/Surface.h"

#include <new>

namespace platform {

bool Surface::Allocate(int width, int height) {
  if (!SizeAllowed(width, height)) return false;
  // Value-initialised: a new bitmap is black, as a new DDB is.
  std::unique_ptr<Pixel[]> pixels(new (std::nothrow) Pixel[std::size_t(width) * height]());
  if (!pixels) return false;
  m_pixels = std::move(pixels);
  m_width = width;
  m_height = height;
  return true;
}

}  // namespace platform
