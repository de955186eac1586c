// The picture button's image choice and centring, without a screen.
#include <gtest/gtest.h>

#include "button/ButtonLogic.h"

namespace {

bool Same(button::PictureLayers a, button::PictureLayers b) {
  return a.bPushed == b.bPushed && a.bHover == b.bHover && a.bNormal == b.bNormal &&
         a.bFifth == b.bFifth;
}

}  // namespace

TEST(ButtonPicture, DrawsOneStateImageAndTheFifthOverIt) {
  using button::ChoosePictureLayers;
  //                                     pushed hover  normal fifth
  EXPECT_TRUE(Same(ChoosePictureLayers(false, false, false), {false, false, true, false}));
  EXPECT_TRUE(Same(ChoosePictureLayers(false, true, false), {false, true, false, false}));
  EXPECT_TRUE(Same(ChoosePictureLayers(true, true, false), {true, false, false, false}));
  EXPECT_TRUE(Same(ChoosePictureLayers(true, false, false), {true, false, false, false}));
  // The fifth image replaces the normal one and covers the pushed or hover one.
  EXPECT_TRUE(Same(ChoosePictureLayers(false, false, true), {false, false, false, true}));
  EXPECT_TRUE(Same(ChoosePictureLayers(false, true, true), {false, true, false, true}));
  EXPECT_TRUE(Same(ChoosePictureLayers(true, false, true), {true, false, false, true}));
}

TEST(ButtonPicture, CentresAndOverhangsEvenly) {
  const RECT r{10, 20, 50, 40};
  EXPECT_EQ(button::CentreIn(r, 10, 6).x, 25);
  EXPECT_EQ(button::CentreIn(r, 10, 6).y, 27);
  EXPECT_EQ(button::CentreIn(r, 11, 7).x, 24);  // odd spare: the extra pixel goes right
  // Larger than the rectangle: -3 / 2 rounds toward zero.
  EXPECT_EQ(button::CentreIn(r, 43, 20).x, 9);
  EXPECT_EQ(button::CentreIn(r, 40, 23).y, 19);
}
