#include <climits>

#include <gtest/gtest.h>

#include "platform/mfc/CRect.h"

TEST(Rect, HalfOpenContainment) {
  const CRect r(10, 20, 30, 40);
  EXPECT_TRUE(r.PtInRect({10, 20}));
  EXPECT_TRUE(r.PtInRect({29, 39}));
  EXPECT_FALSE(r.PtInRect({30, 39}));
  EXPECT_FALSE(r.PtInRect({29, 40}));
  EXPECT_EQ(r.Width(), 20);
  EXPECT_EQ(r.Height(), 20);
}

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

TEST(Rect, InflateDeflateOffsetNormalize) {
  CRect r(10, 10, 20, 20);
  r.DeflateRect(2, 3);
  EXPECT_EQ(r, CRect(12, 13, 18, 17));
  r.InflateRect(1, 2, 3, 4);
  EXPECT_EQ(r, CRect(11, 11, 21, 21));
  r.OffsetRect(-11, 4);
  EXPECT_EQ(r, CRect(0, 15, 10, 25));
  CRect inverted(30, 40, 10, 20);
  EXPECT_TRUE(inverted.IsRectEmpty());
  inverted.NormalizeRect();
  EXPECT_EQ(inverted, CRect(10, 20, 30, 40));
}

TEST(Rect, NullArgumentsAreRefused) {
  RECT r{0, 0, 1, 1};
  EXPECT_FALSE(IntersectRect(nullptr, &r, &r));
  EXPECT_FALSE(UnionRect(&r, nullptr, &r));
  EXPECT_FALSE(PtInRect(nullptr, {0, 0}));
  EXPECT_TRUE(IsRectEmpty(nullptr));
}

TEST(MulDiv, RoundsHalfAwayAndRefusesOverflow) {
  EXPECT_EQ(MulDiv(5, 1, 2), 3);
  EXPECT_EQ(MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(MulDiv(7, 3, -2), -11);
  EXPECT_EQ(MulDiv(INT_MAX, INT_MAX, INT_MAX), INT_MAX);
  EXPECT_EQ(MulDiv(INT_MAX, 2, 1), -1);
  EXPECT_EQ(MulDiv(1, 1, 0), -1);
}
