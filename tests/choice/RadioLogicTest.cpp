// The radio's press machine, look choice and layout, without a screen. The press tests follow
// the event table in choice/RadioLogic.h row by row.
#include <gtest/gtest.h>

#include "choice/RadioLogic.h"

using radio::PressState;

namespace {

bool Same(PressState a, PressState b) { return a.dwStatus == b.dwStatus && a.bPushed == b.bPushed; }

const PressState kIdle{COLOR_STATE_NORMAL, false};
const PressState kPressed{COLOR_STATE_PUSH, true};

}  // namespace

TEST(RadioPress, FollowsTheEventTable) {
  EXPECT_TRUE(Same(radio::AfterDown(kIdle), kPressed));
  // Moves with the left button alone keep a press; any other flags end it.
  EXPECT_TRUE(Same(radio::AfterMove(kPressed, MK_LBUTTON), kPressed));
  const PressState cancelled{COLOR_STATE_HOVER, false};
  EXPECT_TRUE(Same(radio::AfterMove(kPressed, MK_LBUTTON | MK_RBUTTON), cancelled));
  EXPECT_TRUE(Same(radio::AfterMove(kPressed, MK_LBUTTON | MK_SHIFT), {COLOR_STATE_HOVER, false}));
  EXPECT_TRUE(Same(radio::AfterMove(kPressed, 0), {COLOR_STATE_HOVER, false}));
  EXPECT_TRUE(Same(radio::AfterMove(kIdle, MK_LBUTTON), {COLOR_STATE_HOVER, false}));
  // Leaving shows the normal look but keeps the press, so coming back can still complete it.
  const PressState left = radio::AfterLeave(kPressed);
  EXPECT_TRUE(Same(left, {COLOR_STATE_NORMAL, true}));
  EXPECT_TRUE(Same(radio::AfterMove(left, MK_LBUTTON), kPressed));

  const radio::ReleaseResult inside = radio::AfterUp(kPressed, true);
  EXPECT_TRUE(inside.click);
  EXPECT_TRUE(Same(inside.state, {COLOR_STATE_FOCUS, false}));
  // Released outside: no click, and the pushed look stays until the next move or leave.
  const radio::ReleaseResult outside = radio::AfterUp(kPressed, false);
  EXPECT_FALSE(outside.click);
  EXPECT_TRUE(Same(outside.state, {COLOR_STATE_PUSH, false}));
  const radio::ReleaseResult stray = radio::AfterUp({COLOR_STATE_HOVER, false}, true);
  EXPECT_FALSE(stray.click);
  EXPECT_TRUE(Same(stray.state, {COLOR_STATE_HOVER, false}));
}

TEST(RadioLooks, DisabledWinsAndFocusGivesWayOnlyToPushed) {
  EXPECT_EQ(radio::BitmapStatus(COLOR_STATE_PUSH, false, true), COLOR_STATE_DISABLE);
  EXPECT_EQ(radio::BitmapStatus(COLOR_STATE_HOVER, true, true), COLOR_STATE_FOCUS);
  EXPECT_EQ(radio::BitmapStatus(COLOR_STATE_NORMAL, true, true), COLOR_STATE_FOCUS);
  EXPECT_EQ(radio::BitmapStatus(COLOR_STATE_PUSH, true, true), COLOR_STATE_PUSH);
  EXPECT_EQ(radio::BitmapStatus(COLOR_STATE_HOVER, true, false), COLOR_STATE_HOVER);
  // Colours know no focus.
  EXPECT_EQ(radio::ColorStatus(COLOR_STATE_FOCUS, true), COLOR_STATE_FOCUS);
  EXPECT_EQ(radio::ColorStatus(COLOR_STATE_HOVER, false), COLOR_STATE_DISABLE);
}

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
