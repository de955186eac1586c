// The skinned scroll bar's own arithmetic, without a window: drags and actions, including the
// ranges, travels and pages that must never be divided by. Its thumb is ScrollThumb's.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <tuple>

#include "scroll/SkinScrollGeometry.h"

namespace {

using platform::ScrollState;
using G = SkinScrollGeometry;

TEST(SkinScrollGeometry, DragsSpreadThePositionsOverTheTravel) {
  // {what, state, travel, start, dy, position}
  const std::tuple<const char*, ScrollState, int, int, int, int> cases[] = {
      // Half way and past either end are pinned by the bar's session of requests.
      {"no travel", {0, 24, 20, 2}, 0, 2, 50, 2},
      {"nothing to scroll", {0, 9, 10, 0}, 80, 0, 50, 0},
      // A far drag on a wide range: the double is clamped before it becomes an int.
      {"far beyond a wide range", {0, INT_MAX - 1, 1, 0}, 1, 0, INT_MAX, INT_MAX - 1},
      {"far before a wide range", {INT_MIN / 2, INT_MAX / 2, 1, 0}, 1, 0, INT_MIN, INT_MIN / 2},
  };
  for (const auto& [what, state, travel, start, dy, position] : cases)
    EXPECT_EQ(G::DragPosition(state, travel, start, dy), position) << what;
}

TEST(SkinScrollGeometry, ActionsStayWithinTheRange) {
  // {what, state, action, position}
  const std::tuple<const char*, ScrollState, int, int> cases[] = {
      {"line down", {0, 24, 20, 2}, G::kLineDown, 3},
      {"page down stops at the last page", {0, 24, 20, 1}, G::kPageDown, 5},
      {"minimum not zero", {10, 34, 20, 12}, G::kPageDown, 15},
      {"page larger than anything", {0, INT_MAX - 1, UINT_MAX, 0}, G::kPageDown, 0},
      {"huge page up", {INT_MIN / 2, INT_MAX / 2, UINT(INT_MAX), INT_MIN / 2 + 5}, G::kPageUp,
       INT_MIN / 2},
      {"unknown action re-clamps", {0, 24, 20, 9}, 7, 5},
      {"empty range", {0, -1, 0, 0}, G::kPageDown, 0},
  };
  for (const auto& [what, state, action, position] : cases)
    EXPECT_EQ(G::ScrollTarget(state, action), position) << what;
}

// Random states, travels (negative ones among them) and moves: every position lies in range.
TEST(SkinScrollGeometry, RandomStatesKeepPositionsInside) {
  std::mt19937 rng(5101);
  for (int i = 0; i < 5000; ++i) {
    const int min = int(rng() % 200) - 100, max = int(rng() % 300000) - 100;
    const UINT page = rng() % 400;
    const int pos = int(rng() % 300000) - 100;
    ScrollState state;
    const SCROLLINFO info{sizeof(SCROLLINFO), SIF_ALL, min, max, page, pos, 0};
    ASSERT_TRUE(state.Apply(&info));
    const int dragged = G::DragPosition(state, int(rng() % 800) - 20, state.pos,
                                        int(rng() % 4000) - 2000);
    ASSERT_GE(dragged, state.min);
    ASSERT_LE(dragged, state.MaxPos());
    const int moved = G::ScrollTarget(state, int(rng() % 6) - 1);
    ASSERT_GE(moved, state.min);
    ASSERT_LE(moved, state.MaxPos());
  }
}

}  // namespace
