// The rows of a pop-up menu and the keyboard's walk over them.
#include <gtest/gtest.h>

#include <tuple>

#include "host/MenuLayout.h"

namespace {

const std::vector<MenuItem> kItems = {
    {MF_ENABLED, 1, L"one"},   {MF_GRAYED, 2, L"two"},  {MF_SEPARATOR, 0, L""},
    {MF_ENABLED, 3, L"three"}, {MF_GRAYED, 4, L"four"},
};

TEST(MenuLayout, StacksRowsAndIsAsWideAsTheWidestTextAtLeast) {
  const int wide = 300, row = 14 + 2 * MenuLayout::kRowPaddingY;
  // The separator's own "width" does not count.
  const MenuLayout layout(kItems, {30, wide, 999, 50, 20}, 14);
  const int width = MenuLayout::kTextInsetLeft + wide + MenuLayout::kTextInsetRight;
  const int top = MenuLayout::kMenuPaddingY;
  EXPECT_EQ(layout.RowRect(0), CRect(0, top, width, top + row));
  EXPECT_EQ(layout.RowRect(3).top, top + 2 * row + MenuLayout::kSeparatorHeight);
  EXPECT_EQ(layout.ClientSize(), CSize(width, layout.RowRect(4).bottom + top));
  EXPECT_TRUE(layout.RowRect(5).IsRectEmpty());
  EXPECT_EQ(MenuLayout(kItems, {1, 1, 999, 1, 1}, 14).ClientSize().cx, MenuLayout::kMinClientWidth);
}

TEST(MenuLayout, FindsTheRowUnderAPoint) {
  const MenuLayout layout(kItems, {30, 40, 0, 50, 20}, 14);
  const CRect second = layout.RowRect(1);
  EXPECT_EQ(layout.RowAt({5, second.top}), 1);
  EXPECT_EQ(layout.RowAt({5, second.bottom}), 2);
  EXPECT_EQ(layout.RowAt({5, 0}), -1);  // padding
  EXPECT_EQ(layout.RowAt({layout.ClientSize().cx, second.top}), -1);
}

TEST(MenuItemWalk, SkipsWhatCannotBeChosenAndWraps) {
  // From, step, to: -1 is no item highlighted.
  for (auto [from, step, to] :
       {std::tuple{-1, +1, 0}, {0, +1, 3}, {3, +1, 0}, {-1, -1, 3}, {1, -1, 0}})
    EXPECT_EQ(NextChoosableItem(kItems, from, step), to) << from << " by " << step;
  EXPECT_EQ(NextChoosableItem({}, -1, +1), -1);
  EXPECT_EQ(NextChoosableItem({{MF_GRAYED, 1, L"a"}, {MF_SEPARATOR, 0, L""}}, -1, -1), -1);
}

}  // namespace
