#include "tests/host/HostTestSupport.h"

#include <algorithm>
#include <fstream>
#include <random>

#include "platform/image/Png.h"

namespace trellis::test {

CSize SizeOf(CBitmap* bitmap) {
  BITMAP bm{};
  if (!bitmap || !bitmap->GetBitmap(&bm)) return {0, 0};
  return {bm.bmWidth, bm.bmHeight};
}

void WritePng(const std::filesystem::path& file, int width, int height, COLORREF color) {
  platform::Surface surface;
  ASSERT_TRUE(surface.Allocate(width, height));
  // The rows lie one after another.
  std::fill_n(surface.Row(0), width * height, platform::PixelFromColor(color));
  std::filesystem::create_directories(file.parent_path());
  ASSERT_TRUE(platform::SavePng(surface, file));
}

TempDir::TempDir() {
  std::random_device seed;
  const auto base = std::filesystem::temp_directory_path();
  do {
    m_path = base / ("trellis-host-test-" + std::to_string(seed()));
  } while (!std::filesystem::create_directory(m_path));
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(m_path, ignored);
}

std::filesystem::path TempDir::Write(const std::filesystem::path& relative,
                                     std::string_view bytes) const {
  const std::filesystem::path file = m_path / relative;
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary).write(bytes.data(), std::streamsize(bytes.size()));
  return file;
}

}  // namespace trellis::test
