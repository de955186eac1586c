// Compares a picture file that a program wrote with a golden image, for tests that run whole
// programs (the installed example):  compare_golden PICTURE NAME
// Exit code 0 when they match; otherwise the reason, and the actual and diff pictures written
// as MatchesGolden writes them.
#include <cstdio>

#include "platform/image/Png.h"
#include "tests/support/Golden.h"

int main(int argc, char** argv) {
  if (argc != 3) return std::fprintf(stderr, "usage: compare_golden PICTURE NAME\n"), 2;
  platform::Surface picture;
  if (!platform::LoadPng(argv[1], picture))
    return std::fprintf(stderr, "compare_golden: cannot read %s\n", argv[1]), 1;
  const ::testing::AssertionResult match = trellis::test::MatchesGolden(picture, argv[2]);
  if (!match) std::fprintf(stderr, "compare_golden: %s\n", match.message());
  return match ? 0 : 1;
}
