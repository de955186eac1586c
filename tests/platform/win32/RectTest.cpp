#include <climits>

#include <gtest/gtest.h>

#include "platform/mfc/CRect.h"

TEST(Rect, IntersectUnionAndEmptiness) {
  CRect out;
  EXPECT_TRUE(out.IntersectRect(CRect(0, 0, 10, 10), CRect(5, 5, 20, 20)));
  EXPECT_EQ(out, CRect(5, 5, 10, 10));
  // Touching edges share no pixel: the result is empty and set to all zeros.
  EXPECT_FALSE(out.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
  EXPECT_TRUE(out.IsRectNull());
  // An empty rectangle does not grow a union.
  EXPECT_TRUE(out.UnionRect(CRect(0, 0, 10, 10), CRect(50, 50, 50, 60)));
  EXPECT_EQ(out, CRect(0, 0, 10, 10));
  EXPECT_TRUE(out.UnionRect(CRect(0, 0, 10, 10), CRect(20, 5, 30, 15)));
  EXPECT_EQ(out, CRect(0, 0, 30, 15));
  EXPECT_FALSE(out.UnionRect(CRect(3, 3, 3, 3), CRect(8, 8, 2, 2)));
}

TEST(Rect, HalfOpenContainmentAndNullArguments) {
  EXPECT_TRUE(CRect(10, 20, 30, 40).PtInRect({29, 39}));
  EXPECT_FALSE(CRect(10, 20, 30, 40).PtInRect({30, 39}));
  EXPECT_TRUE(CRect(30, 40, 10, 20).IsRectEmpty());
  RECT r{0, 0, 1, 1};
  EXPECT_FALSE(IntersectRect(nullptr, &r, &r));
  EXPECT_FALSE(UnionRect(&r, nullptr, &r));
  EXPECT_FALSE(PtInRect(nullptr, {0, 0}));
  EXPECT_TRUE(IsRectEmpty(nullptr));
}

TEST(MulDiv, RoundsHalfAwayAndRefusesOverflow) {
  const int cases[][4] = {{5, 1, 2, 3},       {-5, 1, 2, -3}, {7, 3, -2, -11},
                          {INT_MAX, 2, 1, -1}, {1, 1, 0, -1},  {INT_MAX, INT_MAX, INT_MAX, INT_MAX}};
  for (const auto& c : cases) EXPECT_EQ(MulDiv(c[0], c[1], c[2]), c[3]) << c[0] << " " << c[1];
}
