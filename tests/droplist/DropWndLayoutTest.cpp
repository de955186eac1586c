// The drop window's arithmetic without a screen: heights, placement, the list and bar split,
// the first row shown and the arrow keys' targets.
#include <gtest/gtest.h>

#include <vector>

#include "droplist/DropWndLayout.h"

namespace {

using L = DropWndLayout;

TEST(DropWndLayout, HeightAndPlacementOfThePopup) {
  // {items, page, height}: the border alone for no items, a page of rows, and one row at least.
  const int heights[][3] = {{0, 20, 2}, {3, 20, 56}, {25, 20, 362}, {25, 0, 20}, {25, -4, 20},
                            {1, 1, 20}};
  for (const auto& [items, page, height] : heights)
    EXPECT_EQ(L::PopupHeight(items, page), height) << items << " items, page " << page;
  // Below the control overlapping it by one pixel while exactly enough room is left there,
  // else above it; the full rectangles are checked on the real window.
  const RECT desktop{0, 0, 800, 600}, control{100, 200, 250, 218};
  const int places[][3] = {{362, 217, 579}, {383, 217, 600}, {384, 201 - 384, 201}};
  for (const auto& [height, top, bottom] : places) {
    const RECT r = L::PlacePopup(control, height, desktop);
    EXPECT_EQ(std::vector<LONG>({r.top, r.bottom}), std::vector<LONG>({top, bottom})) << height;
  }
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
  // {selection, items, visible rows, first row}
  const int cases[][4] = {{-1, 25, 20, 0}, {0, 25, 20, 0},  {3, 25, 20, 3},  {5, 25, 20, 5},
                          {22, 25, 20, 5}, {24, 25, 20, 5}, {99, 25, 20, 5}, {2, 3, 20, 0},
                          {0, 0, 20, 0},   {7, 10, 0, 7}};
  for (const auto& [selection, items, visible, first] : cases)
    EXPECT_EQ(L::FirstRowFor(selection, items, visible), first) << selection << " of " << items;
}

TEST(DropWndLayout, ArrowKeysMoveOneRowOrBackIntoView) {
  // {key, top, current, visible, items, target}: -1 changes nothing; a row out of view, or no
  // row, brings the first row shown; a view of no rows still counts one.
  const int cases[][6] = {
      {VK_UP, 0, 0, 20, 25, -1},   {VK_UP, 0, 4, 20, 25, 3},     {VK_UP, 5, 2, 20, 25, 5},
      {VK_UP, 5, -1, 20, 25, 5},   {VK_DOWN, 0, 4, 20, 25, 5},   {VK_DOWN, 0, 22, 20, 25, 0},
      {VK_DOWN, 5, 24, 20, 25, -1}, {VK_DOWN, 0, 0, 0, 3, 1},    {VK_DOWN, 0, 0, 20, 0, -1},
      {VK_LEFT, 0, 3, 20, 25, -1}};
  for (const auto& [vk, top, current, visible, items, target] : cases)
    EXPECT_EQ(L::ArrowTarget(UINT(vk), top, current, visible, items), target)
        << "key " << vk << " top " << top << " current " << current;
}

}  // namespace
