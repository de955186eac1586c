// Pop-up placement on the screen, without a screen.
#include <gtest/gtest.h>

#include <random>

#include "host/MenuPlacement.h"
#include "platform/mfc/CPoint.h"

namespace {

constexpr RECT kScreen{0, 0, 800, 600};
constexpr SIZE kMenu{100, 50};

CPoint Place(POINT anchor, UINT flags, const RECT* avoid = nullptr, SIZE size = kMenu) {
  return PlaceMenu(anchor, size, flags, kScreen, avoid);
}

TEST(MenuPlacement, AlignsTheChosenCornerOrCentreToThePoint) {
  EXPECT_EQ(Place({300, 200}, TPM_LEFTALIGN | TPM_TOPALIGN), CPoint(300, 200));
  EXPECT_EQ(Place({300, 200}, TPM_CENTERALIGN | TPM_VCENTERALIGN), CPoint(250, 175));
  EXPECT_EQ(Place({300, 200}, TPM_RIGHTALIGN | TPM_BOTTOMALIGN), CPoint(200, 150));
}

TEST(MenuPlacement, FlipsToTheOtherSideOfThePointAtAnEdge) {
  // Near the bottom-right corner the menu opens up and to the left of the point.
  EXPECT_EQ(Place({750, 580}, TPM_LEFTALIGN | TPM_TOPALIGN), CPoint(650, 530));
  // Near the top-left corner a bottom-right aligned menu opens down and to the right.
  EXPECT_EQ(Place({30, 20}, TPM_RIGHTALIGN | TPM_BOTTOMALIGN), CPoint(30, 20));
}

TEST(MenuPlacement, ShiftsWhatFitsOnNeitherSide) {
  // A centred menu at the edge slides in rather than flipping.
  EXPECT_EQ(Place({20, 590}, TPM_CENTERALIGN | TPM_VCENTERALIGN), CPoint(0, 550));
  // Wider than either side of the point: as far right as still fits.
  EXPECT_EQ(Place({400, 100}, TPM_LEFTALIGN, nullptr, {500, 50}), CPoint(300, 100));
  // Larger than the screen: its beginning shows.
  EXPECT_EQ(Place({400, 300}, TPM_RIGHTALIGN | TPM_BOTTOMALIGN, nullptr, {900, 700}), CPoint(0, 0));
}

TEST(MenuPlacement, MovesOffTheRectangleToAvoid) {
  // A button at the bottom of the screen: the menu cannot go below it, so it goes above.
  const RECT button{300, 560, 380, 580};
  EXPECT_EQ(Place({300, 580}, TPM_VERTICAL, &button), CPoint(300, 510));
  // Room below: it simply opens under the button.
  const RECT high{300, 100, 380, 120};
  EXPECT_EQ(Place({300, 120}, TPM_VERTICAL, &high), CPoint(300, 120));
  // Sideways: at the right edge it flips left of the point and then clears the rectangle.
  const RECT side{700, 100, 780, 120};
  EXPECT_EQ(Place({780, 100}, TPM_HORIZONTAL, &side), CPoint(600, 100));
  // A right-aligned menu prefers the left side even when the right one has room.
  const RECT middle{300, 100, 380, 120};
  EXPECT_EQ(Place({340, 100}, TPM_RIGHTALIGN, &middle), CPoint(200, 100));
  // No room on either side: the roomier side, kept on the screen.
  const RECT tall{0, 20, 800, 590};
  EXPECT_EQ(Place({400, 300}, TPM_VERTICAL, &tall), CPoint(400, 0));
}

TEST(MenuPlacement, AMenuThatFitsTheScreenStaysOnIt) {
  std::mt19937 random(20240611);
  const UINT aligns[] = {TPM_LEFTALIGN, TPM_CENTERALIGN, TPM_RIGHTALIGN};
  const UINT valigns[] = {TPM_TOPALIGN, TPM_VCENTERALIGN, TPM_BOTTOMALIGN};
  for (int i = 0; i < 2000; ++i) {
    const SIZE size{int(random() % 800) + 1, int(random() % 600) + 1};
    const POINT anchor{int(random() % 1000) - 100, int(random() % 800) - 100};
    const RECT avoid{anchor.x - 40, anchor.y - 20, anchor.x + 40, anchor.y + 20};
    const UINT flags = aligns[random() % 3] | valigns[random() % 3] |
                       (random() % 2 ? TPM_VERTICAL : TPM_HORIZONTAL);
    const POINT at = Place(anchor, flags, random() % 2 ? &avoid : nullptr, size);
    ASSERT_GE(at.x, kScreen.left) << i;
    ASSERT_GE(at.y, kScreen.top) << i;
    ASSERT_LE(at.x + size.cx, kScreen.right) << i;
    ASSERT_LE(at.y + size.cy, kScreen.bottom) << i;
  }
}

}  // namespace
