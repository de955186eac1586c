// PNG files: any bytes are refused, leaving the target surface as it was, or give a surface of
// exactly the size the header declares.
#include <sys/mman.h>
#include <unistd.h>

#include "platform/image/Png.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const int fd = memfd_create("fuzz.png", 0);  // the reader takes a path; keep off the disk
  FUZZ_CHECK(fd >= 0 && ftruncate(fd, 0) == 0 && pwrite(fd, data, size, 0) == ssize_t(size));
  platform::Surface surface;
  const std::string path = "/proc/self/fd/" + std::to_string(fd);
  if (!DecodedOrUntouched(surface, [&](auto& s) { return platform::LoadPng(path, s); })) return 0;
  // A file that decodes starts with the signature and the IHDR chunk holding the size.
  const auto bigEndian = [&](std::size_t at) {
    return std::uint32_t(data[at]) << 24 | std::uint32_t(data[at + 1]) << 16 | data[at + 2] << 8 | data[at + 3];
  };
  FUZZ_CHECK(size >= 24 && std::uint32_t(surface.Width()) == bigEndian(16) &&
             std::uint32_t(surface.Height()) == bigEndian(20));
  return 0;
}
