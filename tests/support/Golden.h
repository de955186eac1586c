// Golden images for visual tests.
//
//   EXPECT_TRUE(MatchesGolden(canvas.bitmap(), "tree/flat_style"));
//
// compares the picture with tests/golden/tree/flat_style.png. Each channel of a pixel may differ
// by `channel`; up to `pixels` pixels may differ by more. On a mismatch the actual picture and a
// diff (differing pixels red over a faded golden) are written into $TRELLIS_TEST_OUTPUT (else
// ./test-output) as <name>.actual.png and <name>.diff.png, and the failure says where. With
// TRELLIS_UPDATE_GOLDEN=1 in the environment the golden is written instead and the check passes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string_view>

#include "platform/gdi/Surface.h"

namespace trellis::test {

struct GoldenTolerance {
  int channel = 2;
  int pixels = 0;
};

// `name` is a relative path without extension: letters, digits, '_', '-' and '/' only.
::testing::AssertionResult MatchesGolden(const platform::Surface& actual, std::string_view name,
                                         GoldenTolerance tolerance = {});
::testing::AssertionResult MatchesGolden(HBITMAP actual, std::string_view name,
                                         GoldenTolerance tolerance = {});

// Where tests write what they leave behind: $TRELLIS_TEST_OUTPUT, else ./test-output.
std::filesystem::path TestOutputDirectory();

}  // namespace trellis::test
