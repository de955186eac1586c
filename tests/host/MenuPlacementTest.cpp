// Pop-up placement on the screen, without a screen.
#include <gtest/gtest.h>

#include <random>
#include <tuple>

#include "host/MenuPlacement.h"
#include "platform/mfc/CPoint.h"

namespace {

constexpr RECT kScreen{0, 0, 800, 600};

CPoint Place(POINT anchor, UINT flags, const RECT* avoid = nullptr, SIZE size = {100, 50}) {
  return PlaceMenu(anchor, size, flags, kScreen, avoid);
}

TEST(MenuPlacement, AlignsFlipsAtTheEdgesAndShiftsWhatFitsNowhere) {
  EXPECT_EQ(Place({300, 200}, TPM_LEFTALIGN | TPM_TOPALIGN), CPoint(300, 200));
  EXPECT_EQ(Place({300, 200}, TPM_CENTERALIGN | TPM_VCENTERALIGN), CPoint(250, 175));
  EXPECT_EQ(Place({300, 200}, TPM_RIGHTALIGN | TPM_BOTTOMALIGN), CPoint(200, 150));
  // Near a corner the menu opens on the other sides of the point.
  EXPECT_EQ(Place({750, 580}, TPM_LEFTALIGN | TPM_TOPALIGN), CPoint(650, 530));
  EXPECT_EQ(Place({30, 20}, TPM_RIGHTALIGN | TPM_BOTTOMALIGN), CPoint(30, 20));
  // Centred at the edge, or too wide for either side: it slides in.
  EXPECT_EQ(Place({20, 590}, TPM_CENTERALIGN | TPM_VCENTERALIGN), CPoint(0, 550));
  EXPECT_EQ(Place({400, 100}, TPM_LEFTALIGN, nullptr, {500, 50}), CPoint(300, 100));
  EXPECT_EQ(Place({400, 300}, TPM_RIGHTALIGN, nullptr, {900, 700}), CPoint(0, 0));
}

TEST(MenuPlacement, MovesOffTheRectangleToAvoid) {
  // The point, the flags and the rectangle to avoid: where the menu goes.
  const std::tuple<POINT, UINT, RECT, CPoint> cases[] = {
      // A button at the bottom of the screen: no room below it, so the menu goes above.
      {{300, 580}, TPM_VERTICAL, {300, 560, 380, 580}, {300, 510}},
      {{300, 120}, TPM_VERTICAL, {300, 100, 380, 120}, {300, 120}},
      // Sideways, a right-aligned menu prefers the left side.
      {{340, 100}, TPM_RIGHTALIGN, {300, 100, 380, 120}, {200, 100}},
      {{780, 100}, TPM_HORIZONTAL, {700, 100, 780, 120}, {600, 100}},
      // No room on either side: the roomier one, kept on the screen.
      {{400, 300}, TPM_VERTICAL, {0, 20, 800, 590}, {400, 0}},
  };
  for (const auto& [anchor, flags, avoid, at] : cases)
    EXPECT_EQ(Place(anchor, flags, &avoid), at) << anchor.x << "," << anchor.y;
}

TEST(MenuPlacement, AMenuThatFitsTheScreenStaysOnIt) {
  std::mt19937 random(20240611);
  for (int i = 0; i < 2000; ++i) {
    const SIZE size{int(random() % 800) + 1, int(random() % 600) + 1};
    const POINT anchor{int(random() % 1000) - 100, int(random() % 800) - 100};
    const RECT avoid{anchor.x - 40, anchor.y - 20, anchor.x + 40, anchor.y + 20};
    const UINT flags = (random() % 3) * TPM_CENTERALIGN | (random() % 3) * TPM_VCENTERALIGN |
                       (random() % 2) * TPM_VERTICAL;
    const CPoint at = Place(anchor, flags, random() % 2 ? &avoid : nullptr, size);
    ASSERT_TRUE(at.x >= 0 && at.y >= 0 && at.x + size.cx <= 800 && at.y + size.cy <= 600) << i;
  }
}

}  // namespace
