// The rows of a pop-up menu and the keyboard's walk over them.
#include <gtest/gtest.h>

#include "host/MenuLayout.h"

namespace {

const std::vector<MenuItem> kItems = {
    {MF_ENABLED, 1, L"one"},  {MF_GRAYED, 2, L"two"},   {MF_SEPARATOR, 0, L""},
    {MF_ENABLED, 3, L"three"}, {MF_GRAYED, 4, L"four"},
};
constexpr int kTextHeight = 14;
constexpr int kRow = kTextHeight + 2 * MenuLayout::kRowPaddingY;

TEST(MenuLayout, StacksRowsAndSeparatorsBetweenThePaddings) {
  const MenuLayout layout(kItems, {30, 40, 999, 50, 20}, kTextHeight);
  const int top = MenuLayout::kMenuPaddingY;
  EXPECT_EQ(layout.RowRect(0), CRect(0, top, MenuLayout::kMinClientWidth, top + kRow));
  EXPECT_EQ(layout.RowRect(2).top, top + 2 * kRow);
  EXPECT_EQ(layout.RowRect(2).Height(), MenuLayout::kSeparatorHeight);
  EXPECT_EQ(layout.RowRect(3).top, top + 2 * kRow + MenuLayout::kSeparatorHeight);
  EXPECT_EQ(layout.ClientSize().cy, layout.RowRect(4).bottom + MenuLayout::kMenuPaddingY);
  EXPECT_TRUE(layout.RowRect(5).IsRectEmpty());
  EXPECT_TRUE(layout.RowRect(-1).IsRectEmpty());
}

TEST(MenuLayout, IsAsWideAsTheWidestTextButNeverNarrowerThanTheMinimum) {
  // The separator's width does not count.
  EXPECT_EQ(MenuLayout(kItems, {30, 40, 999, 50, 20}, kTextHeight).ClientSize().cx,
            MenuLayout::kMinClientWidth);
  const int wide = 300;
  const MenuLayout layout(kItems, {30, wide, 0, 50, 20}, kTextHeight);
  EXPECT_EQ(layout.ClientSize().cx, MenuLayout::kTextInsetLeft + wide + MenuLayout::kTextInsetRight);
  EXPECT_EQ(layout.TextRect(1).Width(), wide);
  EXPECT_EQ(layout.RowRect(4).Width(), layout.ClientSize().cx);
}

TEST(MenuLayout, FindsTheRowUnderAPoint) {
  const MenuLayout layout(kItems, {30, 40, 0, 50, 20}, kTextHeight);
  const CRect second = layout.RowRect(1);
  EXPECT_EQ(layout.RowAt({5, second.top}), 1);
  EXPECT_EQ(layout.RowAt({5, second.bottom - 1}), 1);
  EXPECT_EQ(layout.RowAt({5, second.bottom}), 2);
  EXPECT_EQ(layout.RowAt({5, 0}), -1);  // top padding
  EXPECT_EQ(layout.RowAt({5, layout.ClientSize().cy - 1}), -1);
  EXPECT_EQ(layout.RowAt({layout.ClientSize().cx, second.top}), -1);
  EXPECT_EQ(layout.RowAt({-1, second.top}), -1);
}

TEST(MenuItemWalk, SkipsGreyedItemsAndSeparatorsAndWraps) {
  EXPECT_EQ(NextChoosableItem(kItems, -1, +1), 0);
  EXPECT_EQ(NextChoosableItem(kItems, 0, +1), 3);
  EXPECT_EQ(NextChoosableItem(kItems, 3, +1), 0);
  EXPECT_EQ(NextChoosableItem(kItems, -1, -1), 3);
  EXPECT_EQ(NextChoosableItem(kItems, 0, -1), 3);
  // Starting on an item that cannot be chosen still moves on.
  EXPECT_EQ(NextChoosableItem(kItems, 1, -1), 0);
  // A lone choosable item is found again from itself.
  EXPECT_EQ(NextChoosableItem({{MF_ENABLED, 1, L"a"}}, 0, +1), 0);
}

TEST(MenuItemWalk, FindsNothingWhenNothingCanBeChosen) {
  EXPECT_EQ(NextChoosableItem({}, -1, +1), -1);
  EXPECT_EQ(NextChoosableItem({{MF_GRAYED, 1, L"a"}, {MF_SEPARATOR, 0, L""}}, -1, -1), -1);
}

}  // namespace
