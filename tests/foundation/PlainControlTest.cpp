// The framework's plain control: a label shows its text; a check box toggles, shows focus and
// tells its parent.
#include <gtest/gtest.h>

#include <tuple>

#include "foundation/CElementCheckBox.h"
#include "foundation/CElementLabel.h"
#include "host/CElementHost.h"
#include "tests/support/HostFixture.h"

using trellis::test::HostFixture;

namespace {

// Pixels of a rectangle of the screen that differ from `background`.
int InkIn(platform::headless::HeadlessScreen& screen, POINT topLeft, int cx, int cy,
          COLORREF background) {
  int ink = 0;
  for (int y = 0; y < cy; ++y)
    for (int x = 0; x < cx; ++x) ink += screen.PixelAt(topLeft.x + x, topLeft.y + y) != background;
  return ink;
}

class PlainControl : public HostFixture {};

}  // namespace

TEST_F(PlainControl, ALabelShowsItsText) {
  CElementLabel label;
  _CONTAINER_INFO info = Info(10, 10, 120, 20, 3);
  info.SetText(L"标签 Label");
  label.InitObject(L"label", &info);
  Pump();
  const COLORREF back = PixelAt(label, 119, 0);
  EXPECT_GT(InkIn(screen, ScreenPoint(label, 0, 0), 120, 20, back), 40);
  label.SetText(L"");
  Pump();
  EXPECT_EQ(InkIn(screen, ScreenPoint(label, 0, 0), 120, 20, back), 0);
}

TEST_F(PlainControl, ALabelWithoutABackgroundShowsItsParentAndEachLabelItsOwnFont) {
  const COLORREF green = RGB(0, 128, 0);
  parent.SetColor(green, COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  CElementLabel small, big;
  for (auto [label, y, height] : {std::tuple{&small, 10, -12}, std::tuple{&big, 50, -24}}) {
    _CONTAINER_INFO info = Info(10, y, 120, 36);
    info.SetText(L"Hg");
    label->InitObject(L"label", &info);
    LOGFONTW lf{};
    label->GetFont(&lf);
    lf.lfHeight = height;
    label->SetFont(lf);
    label->SetColor(COLOR_NONE, COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  }
  Pump();
  EXPECT_EQ(PixelAt(big, 119, 0), green);
  const int smallInk = InkIn(screen, ScreenPoint(small, 0, 0), 120, 36, green);
  EXPECT_GT(smallInk, 20);
  EXPECT_GT(InkIn(screen, ScreenPoint(big, 0, 0), 120, 36, green), 2 * smallInk);
}

TEST_F(PlainControl, ACheckBoxTogglesOnACompletedClickAndTellsItsParent) {
  CElementCheckBox box;
  _CONTAINER_INFO info = Info(10, 10, 120, 20, 5, ELEMENT_STYLE_CHECKBOX);
  info.SetText(L"Check");
  box.InitObject(L"check", &info);
  Click(box, 6, 10);
  EXPECT_EQ(box.GetCheck(), 1);
  ASSERT_EQ(parent.notices.size(), 1u);
  EXPECT_EQ(parent.notices[0].msg, UINT(WM_COMMAND));
  EXPECT_EQ(parent.notices[0].wParam, MAKEWPARAM(5, BN_CLICKED));
  // Its policy: released outside, no toggle.
  Press(box, 6, 10);
  MoveTo(box, 200, 10);
  Release(box, 200, 10);
  EXPECT_EQ(box.GetCheck(), 1);
  // The space bar toggles the focused box.
  Key(VK_SPACE);
  EXPECT_EQ(box.GetCheck(), 0);
  EXPECT_EQ(parent.notices.size(), 2u);
}

TEST_F(PlainControl, ACheckBoxShowsItsMarkAndFocusAndIgnoresInputWhenDisabled) {
  CElementCheckBox box;
  _CONTAINER_INFO info = Info(10, 10, 120, 20, 5, ELEMENT_STYLE_CHECKBOX);
  info.SetText(L"Check");
  box.InitObject(L"check", &info);
  Pump();
  const COLORREF panel = PixelAt(box, 6, 10);
  box.SetCheck(1);
  EXPECT_NE(PixelAt(box, 6, 10), panel);  // the tick crosses the middle of the box
  // Focus draws a frame around the caption; without focus the caption's edge is background.
  const COLORREF background = PixelAt(box, 119, 0);
  const int before = InkIn(screen, ScreenPoint(box, kCheckBoxSize, 0), 107, 20, background);
  box.SetFocus();
  Pump();
  EXPECT_GT(InkIn(screen, ScreenPoint(box, kCheckBoxSize, 0), 107, 20, background), before + 20);
  box.Enable(0);
  Click(box, 6, 10);
  Key(VK_SPACE);
  EXPECT_EQ(box.GetCheck(), 1);
  EXPECT_TRUE(parent.notices.empty());
}
