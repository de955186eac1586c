// Hit testing, scrolling and the visible range over hand-made prefix widths.
#include <gtest/gtest.h>

#include <vector>

#include "edit/EditGeometry.h"

namespace {

// Characters 10, 10, 6 and 20 pixels wide.
const std::vector<int> kWidths{0, 10, 20, 26, 46};

}  // namespace

TEST(EditGeometry, AClickPicksTheNearerSideOfACharacter) {
  EXPECT_EQ(HitTestPrefixWidths(kWidths, -50), 0);
  EXPECT_EQ(HitTestPrefixWidths(kWidths, 4), 0);
  EXPECT_EQ(HitTestPrefixWidths(kWidths, 5), 1);  // exactly the middle goes after
  EXPECT_EQ(HitTestPrefixWidths(kWidths, 14), 1);
  EXPECT_EQ(HitTestPrefixWidths(kWidths, 22), 2);
  EXPECT_EQ(HitTestPrefixWidths(kWidths, 23), 3);
  EXPECT_EQ(HitTestPrefixWidths(kWidths, 35), 3);
  EXPECT_EQ(HitTestPrefixWidths(kWidths, 36), 4);
  EXPECT_EQ(HitTestPrefixWidths(kWidths, 1000), 4);  // beyond the text: its end
}

TEST(EditGeometry, EmptyOrWidthlessTextHitsTheStart) {
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
