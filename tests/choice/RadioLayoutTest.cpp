// Where the radio's box and caption go, without a screen.
#include <gtest/gtest.h>

#include "choice/RadioLayout.h"

TEST(RadioLayout, CentresTheBoxAndPutsTheCaptionAfterIt) {
  const SIZE box{13, 13};
  radio::Layout tall = radio::LayoutCheckText(120, 22, &box);
  EXPECT_EQ(tall.rcCheck, CRect(0, 4, 13, 17));  // 9 spare rows: 4 above
  EXPECT_EQ(tall.rcText, CRect(14, 0, 120, 22));
  // Shorter than the box: the box keeps the control's full height, drawn from the top.
  radio::Layout shortOne = radio::LayoutCheckText(120, 8, &box);
  EXPECT_EQ(shortOne.rcCheck, CRect(0, 0, 13, 8));
  EXPECT_EQ(radio::LayoutCheckText(120, 13, &box).rcCheck, CRect(0, 0, 13, 13));
  // No bitmap: both cover the control.
  radio::Layout none = radio::LayoutCheckText(120, 22, nullptr);
  EXPECT_EQ(none.rcCheck, CRect(0, 0, 120, 22));
  EXPECT_EQ(none.rcText, CRect(0, 0, 120, 22));
}
