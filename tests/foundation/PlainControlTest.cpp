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

TEST_F(PlainControl, ALabelShowsItsTextInItsOwnFontOverItsParentWithoutABackground) {
  const COLORREF green = RGB(0, 128, 0);
  parent.SetColor(green, COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  CElementLabel small, big;
  for (auto [label, y, height] : {std::tuple{&small, 10, -12}, std::tuple{&big, 50, -24}}) {
    _CONTAINER_INFO info = Info(10, y, 120, 36);
    info.SetText(L"标签 Hg");
    label->InitObject(L"label", &info);
    LOGFONTW lf{};
    label->GetFont(&lf);
    lf.lfHeight = height;
    label->SetFont(lf);
    label->SetColor(COLOR_NONE, COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  }
  Pump();
  EXPECT_EQ(PixelAt(big, 119, 0), green);
  const auto ink = [&](CElementLabel& label) {
    Pump();
    return InkIn(screen, ScreenPoint(label, 0, 0), 120, 36, green);
  };
  const int smallInk = ink(small);
  EXPECT_GT(smallInk, 20);
  EXPECT_GT(ink(big), 2 * smallInk);
  small.SetText(L"");
  EXPECT_EQ(ink(small), 0);
}

// Its wiring to the shared press machine: a completed click or the space bar toggles and tells
// the parent; a release outside does not. It shows its mark and its focus, and when disabled
// ignores input.
TEST_F(PlainControl, ACheckBoxTogglesOnACompletedClickShowsFocusAndIgnoresInputWhenDisabled) {
  CElementCheckBox box;
  _CONTAINER_INFO info = Info(10, 10, 120, 20, 5, ELEMENT_STYLE_CHECKBOX);
  info.SetText(L"Check");
  box.InitObject(L"check", &info);
  Pump();
  const COLORREF panel = PixelAt(box, 6, 10), background = PixelAt(box, 119, 0);
  const int unfocused = InkIn(screen, ScreenPoint(box, kCheckBoxSize, 0), 107, 20, background);
  Click(box, 6, 10);
  EXPECT_EQ(box.GetCheck(), 1);
  EXPECT_NE(PixelAt(box, 6, 10), panel);  // the tick crosses the middle of the box
  // Focus draws a frame around the caption.
  EXPECT_GT(InkIn(screen, ScreenPoint(box, kCheckBoxSize, 0), 107, 20, background), unfocused + 20);
  ASSERT_EQ(parent.notices.size(), 1u);
  EXPECT_EQ(parent.notices[0].msg, UINT(WM_COMMAND));
  EXPECT_EQ(parent.notices[0].wParam, MAKEWPARAM(5, BN_CLICKED));
  Press(box, 6, 10);
  MoveTo(box, 200, 10);
  Release(box, 200, 10);
  EXPECT_EQ(box.GetCheck(), 1);
  Key(VK_SPACE);
  EXPECT_EQ(box.GetCheck(), 0);
  EXPECT_EQ(parent.notices.size(), 2u);
  box.Enable(0);
  Click(box, 6, 10);
  Key(VK_SPACE);
  EXPECT_EQ(box.GetCheck(), 0);
  EXPECT_EQ(parent.notices.size(), 2u);
}
