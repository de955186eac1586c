// The radio through the host window: clicks, drags, cancels, focus, disabled, its looks and its
// shared defaults.
#include <gtest/gtest.h>

#include <string>

#include "choice/CElementRadio.h"
#include "host/CGlobalEnv.h"
#include "tests/support/SolidBitmap.h"
#include "tests/support/HostFixture.h"

using trellis::test::HostFixture;
using trellis::test::SolidBitmap;

namespace {

// The default theme's images, read at the middle of the 13 x 13 box.
const COLORREF kFaceNormal = RGB(0xFF, 0xFF, 0xFF);
const COLORREF kFacePushed = RGB(0xCC, 0xE4, 0xF7);
const COLORREF kFaceDisabled = RGB(0xF0, 0xF0, 0xF0);
const COLORREF kDotChecked = RGB(0x00, 0x67, 0xC0);
const COLORREF kBackground = RGB(0xF3, 0xF3, 0xF3);

constexpr DWORD kId = 7;
constexpr int kHeight = 21;        // 8 rows more than the box: it sits at rows 4..16
constexpr POINT kBoxMiddle{6, 10};

class Radio : public HostFixture {
 protected:
  Radio() {
    _CONTAINER_INFO info = Info(10, 10, 120, kHeight, kId);
    info.SetText(L"Radio");
    radio.InitObject(L"radio", &info);
    Pump();
  }
  COLORREF Box() { return PixelAt(radio, kBoxMiddle.x, kBoxMiddle.y); }
  void ClickRadio() { Click(radio, 30, 10); }
  void PressRadio(int x) { Press(radio, x, 10); }

  CElementRadio radio;
};

}  // namespace

// Its wiring to the shared press machine: only a release inside checks it, and a move with
// another mouse button held cancels the press. Every click notifies, even when checked;
// SetCheck never does. Disabled, it shows its own face.
TEST_F(Radio, OnlyACompletedClickChecksAndEveryClickNotifies) {
  EXPECT_EQ(PixelAt(radio, 0, 4), kBackground);  // the image's red corner is left out
  radio.SetCheck(CElementRadio::RADIO_CHECKED);
  EXPECT_EQ(Box(), kDotChecked);
  radio.SetCheck(CElementRadio::RADIO_UNCHECKED);
  EXPECT_EQ(Box(), kFaceNormal);
  PressRadio(30);
  EXPECT_EQ(Box(), kFacePushed);
  MoveTo(radio, 200, 10);
  Release(radio, 200, 10);
  EXPECT_EQ(Box(), kFaceNormal);
  PressRadio(30);
  const POINT at = ScreenPoint(radio, 30, 10);
  screen.MouseDown(at.x, at.y, platform::MouseButton::Right);
  MoveTo(radio, 32, 10);
  Release(radio, 32, 10);
  screen.MouseUp(at.x, at.y, platform::MouseButton::Right);
  Pump();
  EXPECT_EQ(radio.GetCheck(), CElementRadio::RADIO_UNCHECKED);
  EXPECT_TRUE(parent.notices.empty());
  Advance(1000);
  ClickRadio();
  EXPECT_EQ(radio.GetCheck(), CElementRadio::RADIO_CHECKED);
  EXPECT_EQ(Box(), kDotChecked);
  ASSERT_EQ(parent.notices.size(), 1u);
  EXPECT_EQ(parent.notices[0].msg, UINT(WM_NOTIFY));
  EXPECT_EQ(parent.notices[0].from, kId);
  EXPECT_EQ(parent.notices[0].wParam, WPARAM(kId));
  // A quick second click is a click too, not a double click the radio would drop.
  Click(radio, 5, 5);
  Click(radio, 5, 5);
  EXPECT_EQ(parent.NotifyCodes(), (std::vector<UINT>{0, 0, 0}));
  radio.SetCheck(CElementRadio::RADIO_UNCHECKED);
  radio.Enable(0);
  EXPECT_EQ(Box(), kFaceDisabled);
}

TEST_F(Radio, FocusShowsItsOwnBitmapUnlessPushed) {
  // One own bitmap a look, so each is told apart by colour.
  const struct {
    DWORD status;
    COLORREF color;
  } looks[] = {{COLOR_STATE_NORMAL, RGB(10, 0, 0)},  {COLOR_STATE_FOCUS, RGB(20, 0, 0)},
               {COLOR_STATE_HOVER, RGB(30, 0, 0)},   {COLOR_STATE_PUSH, RGB(40, 0, 0)},
               {COLOR_STATE_DISABLE, RGB(50, 0, 0)}};
  CBitmap bitmaps[5];
  for (int i = 0; i < 5; ++i) {
    SolidBitmap(bitmaps[i], 13, 13, looks[i].color);
    radio.SetCheckBmp(looks[i].status, CElementRadio::RADIO_UNCHECKED, &bitmaps[i], 0xFFFFFFFF);
  }
  radio.InvalidContainerRect(0, nullptr);
  EXPECT_EQ(Box(), RGB(10, 0, 0));
  MoveTo(radio, 30, 10);
  EXPECT_EQ(Box(), RGB(30, 0, 0));
  PressRadio(30);
  EXPECT_EQ(Box(), RGB(40, 0, 0));  // focused now, but pushed wins
  MoveTo(radio, 200, 10);
  MoveTo(radio, 200, 12);
  Release(radio, 200, 12);
  MoveTo(radio, 30, 10);
  EXPECT_TRUE(radio.IsFocus());
  EXPECT_EQ(Box(), RGB(20, 0, 0));  // hovered and focused: the focus look
  radio.Enable(0);
  EXPECT_EQ(Box(), RGB(50, 0, 0));
}

TEST_F(Radio, OneOwnBitmapSizesTheBoxWhileOtherLooksStayDefault) {
  CBitmap wide;
  SolidBitmap(wide, 20, 9, RGB(0, 200, 0));
  radio.SetCheckBmp(COLOR_STATE_PUSH, CElementRadio::RADIO_CHECKED, &wide, 0xFFFFFFFF);
  radio.SetCheck(CElementRadio::RADIO_CHECKED);
  // The box is 20 x 9 now, at rows 6..14; unpressed it still shows the default 13 x 13 image.
  EXPECT_EQ(PixelAt(radio, 6, 12), kDotChecked);
  PressRadio(60);
  EXPECT_EQ(PixelAt(radio, 19, 6), RGB(0, 200, 0));
  EXPECT_EQ(PixelAt(radio, 19, 14), RGB(0, 200, 0));
  EXPECT_EQ(PixelAt(radio, 19, 5), kBackground);
  EXPECT_EQ(PixelAt(radio, 20, 6), kBackground);
  Release(radio, 60, 10);
}

TEST_F(Radio, ACaptionOf1024CharactersIsNotDrawnButTheBoxIs) {
  auto ink = [&] {
    Pump();
    const POINT origin = ScreenPoint(radio, 14, 0);
    const platform::Surface& shown = screen.Composed();
    int count = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < 120 - 14; ++x)
        count += platform::ColorFromPixel(shown.Row(origin.y + y)[origin.x + x]) != kBackground;
    return count;
  };
  EXPECT_GT(ink(), 20);
  radio.SetText(std::wstring(1024, L'W').c_str());
  EXPECT_EQ(ink(), 0);
  EXPECT_EQ(Box(), kFaceNormal);
  radio.SetText(std::wstring(1023, L'W').c_str());
  EXPECT_GT(ink(), 20);
}

using RadioDefaults = HostFixture;

TEST_F(RadioDefaults, TheSharedTableLivesFromTheFirstRadioToTheLast) {
  _CONTAINER_INFO info = Info(10, 10, 120, kHeight, kId);
  EXPECT_EQ(CElementRadio::m_nRef.load(), 0u);
  {
    CElementRadio first;
    first.InitObject(L"first", &info);
    EXPECT_EQ(CElementRadio::sm_mapRadioStatusDefaultBmp.size(), 10u);
    CElementRadio copy(first);
    EXPECT_EQ(CElementRadio::m_nRef.load(), 2u);
  }
  EXPECT_EQ(CElementRadio::m_nRef.load(), 0u);
  EXPECT_TRUE(CElementRadio::sm_mapRadioStatusDefaultBmp.empty());
  CElementRadio later;
  EXPECT_TRUE(CElementRadio::sm_mapRadioStatusDefaultBmp.empty());
  later.InitObject(L"later", &info);
  EXPECT_EQ(CElementRadio::sm_mapRadioStatusDefaultBmp.size(), 10u);
  EXPECT_EQ(PixelAt(later, kBoxMiddle.x, kBoxMiddle.y), kFaceNormal);
}

TEST_F(RadioDefaults, WithoutAPaletteTheRadioIsBlackWithNoBox) {
  CGlobalEnv::SetGlobalEnv(nullptr);
  CElementRadio radio;
  EXPECT_EQ(radio.InitObject(L"none", nullptr), 0);
  _CONTAINER_INFO info = Info(10, 10, 120, kHeight, kId);
  EXPECT_EQ(radio.InitObject(L"bare", &info), 1);
  EXPECT_TRUE(CElementRadio::sm_mapRadioStatusDefaultBmp.empty());
  EXPECT_EQ(radio.ResetDefaultColor(), 1);
  EXPECT_EQ(PixelAt(radio, kBoxMiddle.x, kBoxMiddle.y), RGB(0, 0, 0));
  Click(radio, 30, 10);
  EXPECT_EQ(radio.GetCheck(), CElementRadio::RADIO_CHECKED);
}
