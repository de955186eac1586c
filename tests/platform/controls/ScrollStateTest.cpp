// The scroll state's storing rule and the scroll bar's layout, without a window.
#include <gtest/gtest.h>

#include <climits>
#include <cstddef>
#include <cstdlib>
#include <random>
#include <tuple>
#include <vector>

#include "platform/controls/ScrollBarLayout.h"

namespace platform {
namespace {

SCROLLINFO Info(UINT mask, int min, int max, UINT page, int pos) {
  return {sizeof(SCROLLINFO), mask, min, max, page, pos, 0};
}

TEST(ScrollState, StoringClampsPageAndPositionAsThePlatformDoes) {
  struct Case {
    const char* what;
    SCROLLINFO info;
    ScrollState expected;
  };
  const Case cases[] = {
      {"plain", Info(SIF_ALL, 0, 99, 10, 50), {0, 99, 10, 50}},
      {"position past the last page", Info(SIF_ALL, 0, 99, 10, 95), {0, 99, 10, 90}},
      {"position below the range", Info(SIF_ALL, 5, 99, 10, -3), {5, 99, 10, 5}},
      {"page larger than the range", Info(SIF_ALL, 0, 9, 50, 4), {0, 9, 10, 0}},
      {"no page", Info(SIF_ALL, 0, 9, 0, 9), {0, 9, 0, 9}},
      {"empty list: max below min", Info(SIF_ALL, 0, -1, 5, 3), {0, 0, 1, 0}},
      {"inverted range", Info(SIF_ALL, 10, 2, 0, 7), {0, 0, 0, 0}},
      {"range too wide for an int", Info(SIF_ALL, INT_MIN, INT_MAX, 0, 0), {0, 0, 0, 0}},
      {"extreme but legal", Info(SIF_ALL, 0, INT_MAX - 1, UINT_MAX, INT_MAX),
       {0, INT_MAX - 1, UINT(INT_MAX), 0}},
      {"extreme position", Info(SIF_ALL, -10, 10, 0, INT_MIN), {-10, 10, 0, -10}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ScrollState s;
    ASSERT_TRUE(s.Apply(&c.info));
    EXPECT_EQ(std::tuple(s.min, s.max, s.page, s.pos),
              std::tuple(c.expected.min, c.expected.max, c.expected.page, c.expected.pos));
  }
}

// Thumb pixels and positions agree both ways over random bars, degenerate ones included, which
// must never divide by zero.
TEST(ScrollBarLayout, ThumbAndPositionRoundTrip) {
  std::mt19937 rng(7);
  for (int i = 0; i < 3000; ++i) {
    const int min = int(rng() % 50) - 25, max = int(rng() % 200000), pos = int(rng() % 200000);
    const UINT page = rng() % 300;
    const int length = int(rng() % 605) - 5, breadth = 1 + int(rng() % 30);
    ScrollState s;
    SCROLLINFO info = Info(SIF_ALL, min, max, page, pos);
    s.Apply(&info);
    const ScrollBarLayout l(length, breadth, s);
    ASSERT_GE(l.trackEnd, l.trackStart);
    if (!l.HasThumb()) {  // too short for a thumb: every pixel means the first position
      ASSERT_EQ(l.PosForThumbStart(l.trackStart + 50), s.min);
      ASSERT_NE(l.PartAt(l.trackStart), ScrollPart::Thumb);
      continue;
    }
    ASSERT_GE(l.thumbStart, l.trackStart);
    ASSERT_LE(l.thumbStart + l.thumbLength, l.trackEnd);
    const int travel = l.trackEnd - l.trackStart - l.thumbLength;
    // A thumb that fills its track cannot be dragged anywhere else.
    if (travel == 0) {
      ASSERT_EQ(l.PosForThumbStart(l.trackStart + 3), s.min);
      continue;
    }
    ASSERT_EQ(l.PosForThumbStart(INT_MIN / 2), s.min);
    ASSERT_EQ(l.PosForThumbStart(INT_MAX / 2), s.MaxPos());
    // A pixel the thumb can take means a position whose thumb sits there, as near as whole
    // positions allow.
    const long long span = static_cast<long long>(s.MaxPos()) - s.min;
    const int start = l.trackStart + int(rng() % (travel + 1));
    const int at = l.PosForThumbStart(start);
    ASSERT_GE(at, s.min);
    ASSERT_LE(at, s.MaxPos());
    if (span == 0) continue;
    const long long pixelsPerPos = (travel + span - 1) / span;
    ASSERT_LE(std::abs(l.ThumbStartFor(at) - start), pixelsPerPos + 1);
  }
}

}  // namespace
}  // namespace platform
