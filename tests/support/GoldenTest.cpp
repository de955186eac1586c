#include "tests/support/Golden.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

#include "platform/image/Png.h"

namespace {

namespace fs = std::filesystem;
using platform::Pixel;
using platform::Surface;
using trellis::test::MatchesGolden;

// The picture of tests/golden/support/pattern.png.
Surface Pattern() {
  Surface s;
  s.Allocate(16, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) s.Row(y)[x] = Pixel(x * 16) << 16 | Pixel(y * 32) << 8 | 0x40;
  return s;
}

fs::path OutputFile(const std::string& name) {
  const char* out = std::getenv("TRELLIS_TEST_OUTPUT");
  return fs::path(out && *out ? out : (fs::current_path() / "test-output").string()) / name;
}

// These tests compare on purpose with wrong pictures; asked to refresh goldens they would
// overwrite them, so they always compare.
class Golden : public ::testing::Test {
 protected:
  Golden() {
    if (const char* update = std::getenv("TRELLIS_UPDATE_GOLDEN")) m_update = update;
    unsetenv("TRELLIS_UPDATE_GOLDEN");
  }
  ~Golden() override {
    if (m_update) setenv("TRELLIS_UPDATE_GOLDEN", m_update->c_str(), 1);
  }

 private:
  std::optional<std::string> m_update;
};

}  // namespace

// The one test here that may refresh its golden.
TEST(GoldenPattern, MatchesItsGolden) { EXPECT_TRUE(MatchesGolden(Pattern(), "support/pattern")); }

// Every failing comparison with the pattern writes the same two files, so the cases that fail
// run in one test, one after another: tests run in parallel.
TEST_F(Golden, ToleranceMismatchesAndRefusals) {
  {
    Surface picture = Pattern();
    picture.Row(3)[5] += 2;  // blue 0x40 -> 0x42
    EXPECT_TRUE(MatchesGolden(picture, "support/pattern"));
    EXPECT_FALSE(MatchesGolden(picture, "support/pattern", {.channel = 1}));
    EXPECT_TRUE(MatchesGolden(picture, "support/pattern", {.channel = 1, .pixels = 1}));
  }

  Surface picture = Pattern();
  picture.Row(0)[0] = 0xFFFFFF;
  picture.Row(7)[15] = 0x000000;
  const fs::path actual = OutputFile("support/pattern.actual.png");
  const fs::path diff = OutputFile("support/pattern.diff.png");
  fs::remove(actual);
  fs::remove(diff);

  const auto result = MatchesGolden(picture, "support/pattern", {.pixels = 1});
  ASSERT_FALSE(result);
  const std::string message = result.message();
  EXPECT_NE(message.find("2 pixels differ"), std::string::npos) << message;
  EXPECT_NE(message.find(actual.string()), std::string::npos) << message;
  EXPECT_NE(message.find(diff.string()), std::string::npos) << message;

  Surface written;
  ASSERT_TRUE(platform::LoadPng(actual, written));
  EXPECT_EQ(written.Row(0)[0], 0xFFFFFFu);
  ASSERT_TRUE(platform::LoadPng(diff, written));
  EXPECT_EQ(written.Row(0)[0], 0xFF0000u);
  EXPECT_EQ(written.Row(7)[15], 0xFF0000u);
  EXPECT_NE(written.Row(3)[3], 0xFF0000u);

  Surface small;
  small.Allocate(4, 4);
  const auto size = MatchesGolden(small, "support/pattern");
  EXPECT_FALSE(size);
  EXPECT_NE(std::string(size.message()).find("4x4 but its golden is 16x8"), std::string::npos)
      << size.message();

  const auto missing = MatchesGolden(small, "support/no-such-golden");
  EXPECT_FALSE(missing);
  EXPECT_NE(std::string(missing.message()).find("TRELLIS_UPDATE_GOLDEN=1"), std::string::npos);
  EXPECT_TRUE(fs::exists(OutputFile("support/no-such-golden.actual.png")));

  for (const char* name : {"", "../escape", "/absolute", "a b", "trailing/", "double//slash"})
    EXPECT_FALSE(MatchesGolden(small, name)) << name;
  EXPECT_FALSE(MatchesGolden(Surface(), "support/pattern"));
  EXPECT_FALSE(MatchesGolden(HBITMAP(nullptr), "support/pattern"));
}
