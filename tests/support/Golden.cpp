#include "tests/support/Golden.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

#include "platform/gdi/GdiObjects.h"
#include "platform/image/Png.h"

namespace trellis::test {

namespace fs = std::filesystem;
using ::testing::AssertionFailure;
using ::testing::AssertionResult;
using ::testing::AssertionSuccess;
using platform::Pixel;
using platform::Surface;

namespace {

constexpr Pixel kDiffMark = 0xFF0000;  // red

constexpr std::string_view kNameCharacters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789_-/";

bool IsValidName(std::string_view name) {
  return !name.empty() && name.front() != '/' && name.back() != '/' &&
         name.find("//") == name.npos && name.find_first_not_of(kNameCharacters) == name.npos;
}

bool UpdateRequested() {
  const char* update = std::getenv("TRELLIS_UPDATE_GOLDEN");
  return update && std::string_view(update) == "1";
}

int ChannelDelta(Pixel a, Pixel b) {
  int delta = 0;
  for (int shift = 0; shift < 24; shift += 8)
    delta = std::max(delta, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
  return delta;
}

// The golden faded towards white, so the red marks stand out.
Pixel Faded(Pixel p) {
  Pixel out = 0;
  for (int shift = 0; shift < 24; shift += 8)
    out |= Pixel(0xC0 + ((p >> shift) & 0xFF) / 4) << shift;
  return out;
}

// Counts the pixels that differ by more than the tolerance and draws them into `diff`.
int CountDifferences(const Surface& actual, const Surface& golden, int channel, Surface& diff) {
  diff.Allocate(golden.Width(), golden.Height());
  int differing = 0;
  for (int y = 0; y < golden.Height(); ++y)
    for (int x = 0; x < golden.Width(); ++x) {
      const bool differs = ChannelDelta(actual.Row(y)[x], golden.Row(y)[x]) > channel;
      differing += differs;
      diff.Row(y)[x] = differs ? kDiffMark : Faded(golden.Row(y)[x]);
    }
  return differing;
}

bool SaveCreatingFolders(const Surface& image, const fs::path& path) {
  std::error_code error;
  fs::create_directories(path.parent_path(), error);
  return platform::SavePng(image, path);
}

// Writes what the failure is about next to each other in the output folder and says where.
AssertionResult Failure(AssertionResult failure, std::string_view name, const Surface& actual,
                        const Surface* diff) {
  const std::string out = (TestOutputDirectory() / std::string(name)).string();
  const fs::path actualPath = out + ".actual.png";
  failure << (SaveCreatingFolders(actual, actualPath)
                  ? "; the actual picture is "
                  : "; the actual picture could not be written to ")
          << actualPath.string();
  const fs::path diffPath = out + ".diff.png";
  if (diff && SaveCreatingFolders(*diff, diffPath))
    failure << "; the diff is " << diffPath.string();
  return failure;
}

}  // namespace

fs::path TestOutputDirectory() {
  const char* dir = std::getenv("TRELLIS_TEST_OUTPUT");
  return dir && *dir ? fs::path(dir) : fs::current_path() / "test-output";
}

AssertionResult MatchesGolden(const Surface& actual, std::string_view name,
                              GoldenTolerance tolerance) {
  if (!IsValidName(name)) return AssertionFailure() << "bad golden name '" << name << "'";
  if (actual.Empty()) return AssertionFailure() << "no picture to compare with " << name;
  const fs::path golden = fs::path(TRELLIS_GOLDEN_DIR) / (std::string(name) + ".png");
  if (UpdateRequested())
    return SaveCreatingFolders(actual, golden)
               ? AssertionSuccess() << "wrote the golden " << golden.string()
               : AssertionFailure() << "could not write the golden " << golden.string();

  Surface expected;
  if (!platform::LoadPng(golden, expected))
    return Failure(AssertionFailure() << "no readable golden " << golden.string()
                                      << " (run with TRELLIS_UPDATE_GOLDEN=1 to make it)",
                   name, actual, nullptr);
  if (expected.Width() != actual.Width() || expected.Height() != actual.Height())
    return Failure(AssertionFailure() << name << " is " << actual.Width() << "x"
                                      << actual.Height() << " but its golden is "
                                      << expected.Width() << "x" << expected.Height(),
                   name, actual, nullptr);
  Surface diff;
  const int differing = CountDifferences(actual, expected, tolerance.channel, diff);
  if (differing <= tolerance.pixels) return AssertionSuccess();
  return Failure(AssertionFailure() << name << ": " << differing
                                    << " pixels differ by more than " << tolerance.channel
                                    << " per channel (" << tolerance.pixels << " allowed)",
                 name, actual, &diff);
}

AssertionResult MatchesGolden(HBITMAP actual, std::string_view name, GoldenTolerance tolerance) {
  const platform::GdiBitmap* bitmap = platform::Resolve<platform::GdiBitmap>(actual);
  if (!bitmap) return AssertionFailure() << "not a bitmap to compare with " << name;
  return MatchesGolden(bitmap->surface, name, tolerance);
}

}  // namespace trellis::test
