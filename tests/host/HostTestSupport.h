// Shared helpers of the host tests.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>

#include "host/CGlobalEnv.h"
#include "host/CUnknown.h"
#include "platform/com/IUnknown.h"
#include "platform/mfc/CGdiObject.h"

namespace trellis::test {

// The reference count of a counted object, read without changing it.
inline ULONG RefCount(IUnknown* object) { object->AddRef(); return object->Release(); }

// Counts its own deaths, so a test sees exactly when the last reference went.
struct DeathCounter : CUnknown {
  explicit DeathCounter(int* deaths) : deaths(deaths) {}
  ~DeathCounter() override { ++*deaths; }
  int* deaths;
};

// The pixel size of a bitmap, 0 x 0 for none.
CSize SizeOf(CBitmap* bitmap);

// Writes a one-colour PNG, making its folder.
void WritePng(const std::filesystem::path& file, int width, int height, COLORREF color);

// Every test that touches the process-wide environment leaves none behind for the next one.
class HostEnvTest : public ::testing::Test {
 protected:
  void TearDown() override { CGlobalEnv::ResetGlobalEnv(); }
};

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::filesystem::path& path() const { return m_path; }
  std::filesystem::path Write(const std::filesystem::path& relative, std::string_view bytes) const;

 private:
  std::filesystem::path m_path;
};

}  // namespace trellis::test
