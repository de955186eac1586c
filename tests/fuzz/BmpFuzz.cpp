// Bitmap resources (packed DIBs): any bytes are refused, leaving the target surface as it was,
// or give a surface of the declared size. The bytes sit in a buffer of exactly their size, so
// a read past it is caught.
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/gdi/PackedDib.h"
#include "platform/win32/WinGdi.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::unique_ptr<std::uint8_t[]> copy(new std::uint8_t[size + 1]);  // new[0] is not null
  std::memcpy(copy.get(), data, size);
  platform::Surface surface;
  FUZZ_CHECK(surface.Allocate(1, 1));
  surface.Row(0)[0] = 0x123456;
  if (!platform::DecodePackedDib(copy.get(), size, surface)) {
    FUZZ_CHECK(surface.Width() == 1 && surface.Height() == 1 && surface.Row(0)[0] == 0x123456);
    return 0;
  }
  BITMAPINFOHEADER header;
  std::memcpy(&header, data, sizeof header);
  FUZZ_CHECK(surface.Width() == header.biWidth && surface.Height() == std::llabs(header.biHeight));
  return 0;
}
