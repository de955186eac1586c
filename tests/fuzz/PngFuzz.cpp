// PNG files: any bytes are refused, leaving the target surface as it was, or give a surface of
// exactly the size the header declares.
#include <sys/mman.h>
#include <unistd.h>

#include <string>

#include "platform/image/Png.h"
#include "tests/fuzz/FuzzInput.h"

namespace {

std::uint32_t BigEndian(const std::uint8_t* p) {
  return std::uint32_t(p[0]) << 24 | std::uint32_t(p[1]) << 16 | std::uint32_t(p[2]) << 8 | p[3];
}

// The reader takes a path; a memory file keeps the disk out of every run.
int MemoryFile() {
  static const int fd = memfd_create("fuzz.png", 0);
  FUZZ_CHECK(fd >= 0);
  return fd;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const int fd = MemoryFile();
  FUZZ_CHECK(ftruncate(fd, 0) == 0 && pwrite(fd, data, size, 0) == ssize_t(size));
  platform::Surface surface;
  FUZZ_CHECK(surface.Allocate(1, 1));
  surface.Row(0)[0] = 0x123456;
  if (!platform::LoadPng("/proc/self/fd/" + std::to_string(fd), surface)) {
    FUZZ_CHECK(surface.Width() == 1 && surface.Height() == 1 && surface.Row(0)[0] == 0x123456);
    return 0;
  }
  // A file that decodes starts with the signature and the IHDR chunk holding the size.
  FUZZ_CHECK(size >= 24 && std::uint32_t(surface.Width()) == BigEndian(data + 16) &&
             std::uint32_t(surface.Height()) == BigEndian(data + 20));
  return 0;
}
