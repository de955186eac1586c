// The drop window's arithmetic without a screen: heights, placement, the list and bar split,
// the first row shown and the arrow keys' targets.
#include <gtest/gtest.h>

#include <vector>

#include "droplist/DropWndLayout.h"

namespace {

using L = DropWndLayout;

TEST(DropWndLayout, PopupHeightHoldsAPageOfRowsAndNeverNone) {
  struct Case {
    int items, page, height;
  };
  const Case cases[] = {
      {0, 20, 2},                          // an empty list: the border alone
      {3, 20, 3 * 18 + 2}, {25, 20, 362},  // a page of rows; the rest scroll
      {25, 0, 20},                         // a page count of 0 or less still shows one row
      {25, -4, 20},        {1, 1, 20},
  };
  for (const Case& c : cases)
    EXPECT_EQ(L::PopupHeight(c.items, c.page), c.height) << c.items << " items, page " << c.page;
}

TEST(DropWndLayout, PopupOpensBelowOrAboveOverlappingTheControlByOnePixel) {
  const RECT desktop{0, 0, 800, 600};
  const RECT control{100, 200, 250, 218};
  const RECT below = L::PlacePopup(control, 362, desktop);
  EXPECT_EQ(below.left, 100);
  EXPECT_EQ(below.right, 250);
  EXPECT_EQ(below.top, 217);
  EXPECT_EQ(below.bottom, 217 + 362);
  // Exactly enough room below still opens downward; one pixel less opens upward.
  EXPECT_EQ(L::PlacePopup(control, 600 - 217, desktop).top, 217);
  const RECT above = L::PlacePopup(control, 600 - 216, desktop);
  EXPECT_EQ(above.bottom, 201);
  EXPECT_EQ(above.top, 201 - (600 - 216));
}

TEST(DropWndLayout, TheBarShowsOnlyWhileRowsDoNotFit) {
  const RECT client{0, 0, 150, 362};
  const L::Parts fit = L::SplitClient(client, 20, 18);
  EXPECT_FALSE(fit.scrollShown);
  EXPECT_EQ(std::vector<LONG>({fit.list.left, fit.list.right, fit.list.bottom - fit.list.top}),
            std::vector<LONG>({1, 149, 360}));
  // With the bar the list is 14 pixels narrower, the bar taking the right border's place.
  const L::Parts scroll = L::SplitClient(client, 21, 18);
  EXPECT_TRUE(scroll.scrollShown);
  EXPECT_EQ(std::vector<LONG>({scroll.list.right, scroll.scroll.left, scroll.scroll.right}),
            std::vector<LONG>({136, 136, 150}));
  // Nothing divides by a row height of 0, and a window too small for rows has an empty list.
  EXPECT_TRUE(L::SplitClient(client, 1000, 0).scrollShown);
  const L::Parts tiny = L::SplitClient(RECT{0, 0, 5, 1}, 3, 18);
  EXPECT_TRUE(tiny.list.top <= tiny.list.bottom && tiny.list.left <= tiny.list.right);
  EXPECT_EQ(L::VisibleRows(360, 0), 360);
  EXPECT_EQ(L::VisibleRows(-5, 18), 0);
}

TEST(DropWndLayout, FirstRowFollowsTheSelectionClampedNeverNegative) {
  struct Case {
    int selection, items, visible, first;
  };
  const Case cases[] = {
      {-1, 25, 20, 0}, {0, 25, 20, 0},  {3, 25, 20, 3}, {5, 25, 20, 5}, {22, 25, 20, 5},
      {24, 25, 20, 5}, {99, 25, 20, 5}, {2, 3, 20, 0},  {0, 0, 20, 0},  {7, 10, 0, 7},
  };
  for (const Case& c : cases)
    EXPECT_EQ(L::FirstRowFor(c.selection, c.items, c.visible), c.first)
        << "selection " << c.selection << " of " << c.items;
}

TEST(DropWndLayout, ArrowKeysMoveOneRowOrBackIntoView) {
  struct Case {
    UINT vk;
    int top, current, visible, items, target;
  };
  const Case cases[] = {
      {VK_UP, 0, 0, 20, 25, -1},  // Up on row 0 changes nothing
      {VK_UP, 0, 4, 20, 25, 3},
      {VK_UP, 5, 2, 20, 25, 5},   // out of view: the first row shown
      {VK_UP, 5, -1, 20, 25, 5},  // no row: the first row shown
      {VK_DOWN, 0, 4, 20, 25, 5},
      {VK_DOWN, 0, 22, 20, 25, 0},   // out of view: the first row shown
      {VK_DOWN, 5, 24, 20, 25, -1},  // the last row stays
      {VK_DOWN, 0, 0, 0, 3, 1},      // a view of no rows still counts one
      {VK_DOWN, 0, 0, 20, 0, -1},
      {VK_LEFT, 0, 3, 20, 25, -1},
  };
  for (const Case& c : cases)
    EXPECT_EQ(L::ArrowTarget(c.vk, c.top, c.current, c.visible, c.items), c.target)
        << "key " << c.vk << " top " << c.top << " current " << c.current;
}

}  // namespace
