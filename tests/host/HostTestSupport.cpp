#include "tests/host/HostTestSupport.h"

#include <fstream>
#include <random>

namespace trellis::test {

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
