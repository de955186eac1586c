#include "tests/support/Golden.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/image/Png.h"
#include "tests/support/ScopedVariable.h"

namespace {

namespace fs = std::filesystem;
using platform::Pixel;
using platform::Surface;
using trellis::test::MatchesGolden;
using trellis::test::TestOutputDirectory;

// The picture of tests/golden/support/pattern.png.
Surface Pattern() {
  Surface s;
  s.Allocate(16, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) s.Row(y)[x] = Pixel(x * 16) << 16 | Pixel(y * 32) << 8 | 0x40;
  return s;
}

// These tests compare on purpose with wrong pictures; asked to refresh goldens they would
// overwrite them, so they always compare.
class Golden : public ::testing::Test {
 private:
  const trellis::test::ScopedVariable m_noUpdate{"TRELLIS_UPDATE_GOLDEN", nullptr};
};

}  // namespace

// The one test here that may refresh its golden.
TEST(GoldenPattern, MatchesItsGolden) { EXPECT_TRUE(MatchesGolden(Pattern(), "support/pattern")); }

// Every failing comparison with the pattern writes the same two files, so the cases that fail
// run in one test, one after another: tests run in parallel.
TEST_F(Golden, ToleranceMismatchesAndRefusals) {
  Surface picture = Pattern();
  picture.Row(3)[5] += 2;  // blue 0x40 -> 0x42: within the default tolerance
  EXPECT_TRUE(MatchesGolden(picture, "support/pattern"));
  EXPECT_FALSE(MatchesGolden(picture, "support/pattern", {.channel = 1}));
  EXPECT_TRUE(MatchesGolden(picture, "support/pattern", {.channel = 1, .pixels = 1}));

  picture = Pattern();
  picture.Row(0)[0] = 0xFFFFFF;
  picture.Row(7)[15] = 0x000000;
  const fs::path actual = TestOutputDirectory() / "support/pattern.actual.png";
  const fs::path diff = TestOutputDirectory() / "support/pattern.diff.png";
  for (const fs::path& stale : {actual, diff}) fs::remove(stale);
  const auto result = MatchesGolden(picture, "support/pattern", {.pixels = 1});
  ASSERT_FALSE(result);
  for (const std::string& words : {std::string("2 pixels differ"), actual.string(), diff.string()})
    EXPECT_NE(std::string(result.message()).find(words), std::string::npos) << result.message();
  Surface written;
  ASSERT_TRUE(platform::LoadPng(diff, written));
  EXPECT_EQ(written.Row(0)[0], 0xFF0000u);  // the differing pixels are marked, the others not
  EXPECT_EQ(written.Row(7)[15], 0xFF0000u);
  EXPECT_NE(written.Row(3)[3], 0xFF0000u);
  ASSERT_TRUE(platform::LoadPng(actual, written));
  EXPECT_EQ(written.Row(0)[0], 0xFFFFFFu);

  Surface small;
  small.Allocate(4, 4);
  const std::pair<const char*, const char*> refusals[] = {  // a name, and words of its refusal
      {"support/pattern", "4x4 but its golden is 16x8"},
      {"support/no-such-golden", "TRELLIS_UPDATE_GOLDEN=1"},
      {"", "bad golden name"}, {"../escape", "bad golden name"}, {"/absolute", "bad golden name"},
      {"a b", "bad golden name"}, {"trailing/", "bad golden name"},
      {"double//slash", "bad golden name"}};
  for (const auto& [name, words] : refusals) {
    const auto refused = MatchesGolden(small, name);
    EXPECT_FALSE(refused) << name;
    EXPECT_NE(std::string(refused.message()).find(words), std::string::npos) << refused.message();
  }
  EXPECT_TRUE(fs::exists(TestOutputDirectory() / "support/no-such-golden.actual.png"));
  EXPECT_FALSE(MatchesGolden(Surface(), "support/pattern"));
  EXPECT_FALSE(MatchesGolden(HBITMAP(nullptr), "support/pattern"));
}
