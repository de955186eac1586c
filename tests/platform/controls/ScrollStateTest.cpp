// The scroll state's storing rule and the scroll bar's layout, without a window.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <tuple>

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

// The bar's own layout (the thumb's place is ScrollThumb's) over random bars, degenerate ones
// included: a thumb exactly when the track has room for it, and the parts in order.
TEST(ScrollBarLayout, TheThumbNeedsRoomAndThePartsKeepTheirOrder) {
  std::mt19937 rng(7);
  for (int i = 0; i < 3000; ++i) {
    const int min = int(rng() % 50) - 25, max = int(rng() % 200000), pos = int(rng() % 200000);
    const UINT page = rng() % 300;
    const int length = int(rng() % 605) - 5, breadth = 1 + int(rng() % 30);
    ScrollState s;
    SCROLLINFO info = Info(SIF_ALL, min, max, page, pos);
    s.Apply(&info);
    const ScrollBarLayout l(length, breadth, s);
    const int shortest = s.page > 0 ? ScrollBarLayout::kMinThumb : breadth;
    ASSERT_EQ(l.HasThumb(), shortest <= l.trackEnd - l.trackStart);
    // Without a thumb every pixel means the first position.
    ASSERT_TRUE(l.HasThumb() || l.PosForThumbStart(l.trackStart + 50) == s.min);
    if (!l.HasThumb()) continue;
    ASSERT_TRUE(s.page > 0 || l.thumbLength == breadth);
    // Up arrow, page up, thumb, page down, down arrow: in this order, the thumb whole.
    int thumbPixels = 0;
    ScrollPart previous = ScrollPart::LineUp;
    for (int at = 0; at < length; ++at) {
      const ScrollPart part = l.PartAt(at);
      ASSERT_GE(part, previous) << at;
      previous = part;
      thumbPixels += part == ScrollPart::Thumb;
    }
    ASSERT_EQ(thumbPixels, l.thumbLength);
  }
}

}  // namespace
}  // namespace platform
