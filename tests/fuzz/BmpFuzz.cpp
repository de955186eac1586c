// Bitmap resources (packed DIBs): any bytes are refused, leaving the target surface as it was,
// or give a surface of the declared size.
#include "platform/gdi/PackedDib.h"
#include "platform/win32/WinGdi.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto copy = ExactCopy(data, size);
  platform::Surface surface;
  if (!DecodedOrUntouched(surface, [&](auto& s) { return platform::DecodePackedDib(copy.get(), size, s); }))
    return 0;
  BITMAPINFOHEADER header;
  std::memcpy(&header, data, sizeof header);
  FUZZ_CHECK(surface.Width() == header.biWidth && surface.Height() == std::llabs(header.biHeight));
  return 0;
}
