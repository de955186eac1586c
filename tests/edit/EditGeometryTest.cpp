// Hit testing, scrolling and the visible range over hand-made prefix widths.
#include <gtest/gtest.h>

#include <vector>

#include "edit/EditGeometry.h"

namespace {

// Characters 10, 10, 6 and 20 pixels wide.
const std::vector<int> kWidths{0, 10, 20, 26, 46};

}  // namespace

TEST(EditGeometry, AClickPicksTheNearerSideOfACharacter) {
  // {x, boundary}: exactly the middle goes after; beyond the text is its end.
  const int rows[][2] = {{-50, 0}, {4, 0}, {5, 1}, {14, 1}, {22, 2},
                         {23, 3},  {35, 3}, {36, 4}, {1000, 4}};
  for (const auto& [x, boundary] : rows) EXPECT_EQ(HitTestPrefixWidths(kWidths, x), boundary) << x;
  // Empty or widthless text hits the start.
  EXPECT_EQ(HitTestPrefixWidths(std::vector<int>{0}, 30), 0);
  EXPECT_EQ(HitTestPrefixWidths(std::vector<int>{0, 0, 0}, 30), 0);
}

TEST(EditGeometry, TheViewFollowsTheCaret) {
  // 46 pixels of text in a 30-pixel area.
  EXPECT_EQ(ScrollOffsetFor(kWidths, 0, 30, 12), 0);   // the start shows the start
  EXPECT_EQ(ScrollOffsetFor(kWidths, 4, 30, 0), 16);   // the end sits at the right edge
  EXPECT_EQ(ScrollOffsetFor(kWidths, 1, 30, 12), 10);  // left of the view: scrolled to it
  EXPECT_EQ(ScrollOffsetFor(kWidths, 2, 30, 0), 0);    // in view: unchanged
  EXPECT_EQ(ScrollOffsetFor(std::vector<int>{0, 10, 20, 26, 46, 66}, 4, 30, 0), 16);  // right of it
  // Once the text from the offset no longer fills the area it is pulled back to the right edge,
  // or to 0 when it fits.
  EXPECT_EQ(ScrollOffsetFor(kWidths, 2, 30, 30), 16);
  EXPECT_EQ(ScrollOffsetFor(kWidths, 2, 60, 10), 0);
}
