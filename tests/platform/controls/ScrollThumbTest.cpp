// The thumb rule all scroll bars share, without a window: the bars' own cases, then random
// states, tracks and shortest thumbs with every invariant checked.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <random>
#include <tuple>

#include "platform/controls/ScrollThumb.h"

namespace platform {
namespace {

// Either spread takes the page's share, lengthened to the shortest. The nearest one spreads the
// positions over the travel; the bitmap bar's puts the thumb at the position's share of the whole
// track while it has its natural length, of the travel (truncated) once lengthened.
TEST(ScrollThumb, TakesThePageShareAndSpreadsThePositionsEitherWay) {
  // {what, state, track, shortest, thumb length, offset at the state's position: nearest, share}
  const std::tuple<const char*, ScrollState, int, int, int, int, int> cases[] = {
      // 25 rows, 20 shown, in a drop window of 362 pixels: the bar's track is 360 - 28.
      {"drop list at the top", {0, 24, 20, 0}, 332, 10, 265, 0, 0},
      {"drop list at the end", {0, 24, 20, 5}, 332, 10, 265, 67, 66},
      {"drop list part way", {0, 24, 20, 3}, 92, 10, 73, 11, 11},
      {"minimum not zero", {10, 34, 20, 15}, 332, 10, 265, 67, 66},
      {"page is the whole range", {0, 9, 10, 0}, 100, 8, 100, 0, 0},
      // Too short to take: lengthened, the positions spread over the travel left.
      {"long list at the top", {0, 99999, 20, 0}, 332, 10, 10, 0, 0},
      {"long list part way", {0, 99999, 20, 33333}, 332, 10, 10, 107, 107},
      {"long list half way", {0, 99999, 20, 49990}, 332, 12, 12, 160, 160},
      {"long list at the end", {0, 99999, 20, 99980}, 332, 10, 10, 322, 322},
      {"no page", {0, 9, 0, 9}, 100, 8, 8, 92, 92},
      {"track shorter than the shortest thumb", {0, 99999, 20, 0}, 6, 10, 6, 0, 0},
      {"no track", {0, 24, 20, 3}, 0, 10, 0, 0, 0},
      {"empty range", {0, -1, 0, 0}, 332, 10, 0, 0, 0},
      {"widest range", {INT_MIN / 2, INT_MAX / 2, UINT(INT_MAX / 4), 0}, 332, 10, 82, 167, 166},
  };
  for (const auto& [what, state, track, shortest, length, nearest, share] : cases) {
    const ScrollThumb n(state, track, shortest);
    const ScrollThumb s(state, track, shortest, ThumbSpread::ShareOfTrack);
    EXPECT_EQ(std::tuple(n.length, s.length, n.OffsetFor(state.pos), s.OffsetFor(state.pos)),
              std::tuple(length, length, nearest, share)) << what;
  }
}

// Random states (wide ones among them), tracks and shortest thumbs, each step traced.
TEST(ScrollThumb, RandomStatesKeepEveryInvariant) {
  std::mt19937 rng(6113);
  const auto random = [&](long long from, long long to) {
    const unsigned long long span = to - from + 1;
    return int(from + static_cast<long long>(rng() % span));
  };
  for (int i = 0; i < 5000; ++i) {
    SCOPED_TRACE(i);
    const int min = i % 8 ? random(-100, 100) : random(INT_MIN / 2, 0);
    const int max = min + random(-2, i % 8 ? 300000 : INT_MAX - 1);
    const SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, min, max, UINT(random(0, 400)),
                          random(INT_MIN, INT_MAX), 0};
    ScrollState state;
    ASSERT_TRUE(state.Apply(&info));
    const int track = random(-20, 800), shortest = random(-2, 40), last = state.MaxPos();
    const ScrollThumb thumb(state, track, shortest);
    // On its track, and as long as the shortest allowed where the track has room.
    ASSERT_TRUE(track > 0 || thumb.length == 0);
    if (track <= 0) continue;
    ASSERT_TRUE(thumb.length >= std::clamp(shortest, 0, track) && thumb.length <= track);
    // From the track's start at the first position to its end at the last, in order.
    ASSERT_EQ(thumb.OffsetFor(LLONG_MIN / 4) + thumb.OffsetFor(state.min), 0);
    ASSERT_EQ(thumb.OffsetFor(last), last > state.min ? thumb.travel : 0);
    ASSERT_EQ(thumb.PosAt(-1), state.min);
    ASSERT_EQ(thumb.PosAt(INT_MAX), thumb.travel ? last : state.min);
    const int p = random(state.min, last), q = random(p, last), at = thumb.OffsetFor(p);
    ASSERT_LE(at, thumb.OffsetFor(q));
    // The bitmap bar's spread: the same thumb, in order, never past the track's end.
    const ScrollThumb share(state, track, shortest, ThumbSpread::ShareOfTrack);
    ASSERT_EQ(share.length, thumb.length);
    ASSERT_LE(share.OffsetFor(p), share.OffsetFor(q));
    ASSERT_LE(share.OffsetFor(q) + share.length, track);
    // A position's pixel means that position again; whole when each has a pixel of its own.
    const int back = thumb.PosAt(at);
    ASSERT_TRUE(back >= state.min && back <= last);
    ASSERT_EQ(thumb.OffsetFor(back), at);
    ASSERT_TRUE(thumb.travel < static_cast<long long>(last) - state.min || back == p);
  }
}

}  // namespace
}  // namespace platform
