// The system button through the host window: its clicks, focus notifications and looks in
// both kinds.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>

#include "button/CElementButtonSys.h"
#include "host/CGlobalEnv.h"
#include "tests/support/SolidBitmap.h"
#include "tests/support/HostFixture.h"

using trellis::test::HostFixture;
using trellis::test::SolidBitmap;

namespace {

constexpr DWORD kId = 12;
constexpr int kWidth = 80;
constexpr int kHeight = 24;

// One frame colour a state, so that any pixel of a captionless button tells its look.
constexpr COLORREF kNormal = RGB(1, 0, 0), kHover = RGB(2, 0, 0), kPush = RGB(3, 0, 0),
                   kFocus = RGB(4, 0, 0), kDisable = RGB(5, 0, 0);
const std::pair<DWORD, COLORREF> kLooks[] = {{COLOR_STATE_NORMAL, kNormal},
    {COLOR_STATE_HOVER, kHover}, {COLOR_STATE_PUSH, kPush}, {COLOR_STATE_FOCUS, kFocus},
    {COLOR_STATE_DISABLE, kDisable}};

class ButtonSys : public HostFixture {
 protected:
  ButtonSys() {
    _CONTAINER_INFO info = Info(20, 20, kWidth, kHeight, kId);
    button.InitObject(L"button", &info);
    for (const auto& [state, color] : kLooks) button.SetColor(color, COLOR_PART_FRAME, state);
    button.SetShowColor(COLOR_STATE_NORMAL);
    button.InvalidContainerRect(0, nullptr);
  }
  COLORREF Look() { return PixelAt(button, 2, 2); }
  void PressButton(int x) { Press(button, x, 10); }

  CElementButtonSys button;
};

}  // namespace

// Its wiring to the shared press machine: a release anywhere clicks, a second mouse button
// does not cancel, and each click is one BN_CLICKED notice.
TEST_F(ButtonSys, ReleaseAnywhereAfterAPressClicksAndOtherButtonsDoNotCancel) {
  EXPECT_EQ(Look(), kNormal);
  PressButton(10);
  EXPECT_EQ(Look(), kPush);
  MoveTo(button, 300, 200);
  Release(button, 300, 200);
  ASSERT_EQ(parent.notices.size(), 1u);
  EXPECT_EQ(parent.notices[0].msg, UINT(WM_NOTIFY));
  EXPECT_EQ(parent.notices[0].from, kId);
  EXPECT_EQ(parent.notices[0].wParam, WPARAM(0));
  EXPECT_EQ(parent.notices[0].code, UINT(BN_CLICKED));
  // A release over the button after a press elsewhere is a click too.
  Press(parent, 300, 200);
  MoveTo(button, 10, 10);
  Release(button, 10, 10);
  EXPECT_EQ(Look(), kHover);
  // A quick second press is a press too, not a double click the button would drop.
  Press(button, 10, 10);
  const POINT at = ScreenPoint(button, 10, 10);
  screen.MouseDown(at.x, at.y, platform::MouseButton::Right);
  MoveTo(button, 12, 10);
  EXPECT_EQ(Look(), kPush);
  Release(button, 12, 10);
  screen.MouseUp(at.x, at.y, platform::MouseButton::Right);
  Pump();
  EXPECT_EQ(parent.NotifyCodes(), (std::vector<UINT>{BN_CLICKED, BN_CLICKED, BN_CLICKED}));
}

// Its look policy: hover shows over focus.
TEST_F(ButtonSys, HoverShowsOverFocusOnlyWhileThePointerIsThere) {
  button.SetFocus();
  EXPECT_EQ(Look(), kFocus);
  MoveTo(button, 10, 10);
  EXPECT_EQ(Look(), kHover);
  MoveTo(button, 300, 200);
  EXPECT_EQ(Look(), kFocus);
  parent.SetFocus();
  EXPECT_EQ(Look(), kNormal);
  EXPECT_EQ(parent.NotifyCodes(), (std::vector<UINT>{BN_SETFOCUS, BN_KILLFOCUS}));
}

TEST_F(ButtonSys, DisablingDuringAPressLetsTheMouseGo) {
  PressButton(10);
  button.Enable(0);
  EXPECT_FALSE(button.HasCapture());
  EXPECT_EQ(Look(), kDisable);
  Release(button, 10, 10);
  EXPECT_TRUE(parent.notices.empty());
  button.Enable(1);
  EXPECT_EQ(Look(), kHover);  // the pointer is still over it
  PressButton(10);
  EXPECT_TRUE(button.HasCapture());
  Release(button, 10, 10);
  EXPECT_EQ(parent.NotifyCodes(), (std::vector<UINT>{BN_CLICKED}));
}

TEST_F(ButtonSys, TheFrameColourHidesTheBackgroundAndTheCaptionTakesTheLooksTextColour) {
  button.SetColor(RGB(0, 90, 0), COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  button.InvalidContainerRect(0, nullptr);
  EXPECT_EQ(PixelAt(button, kWidth / 2, kHeight / 2), kNormal);
  button.SetColor(COLOR_NONE, COLOR_PART_FRAME, COLOR_STATE_NORMAL);
  button.SetShowColor(COLOR_STATE_NORMAL);
  button.InvalidContainerRect(0, nullptr);
  EXPECT_EQ(PixelAt(button, kWidth / 2, kHeight / 2), RGB(0, 90, 0));  // an empty caption
  button.SetText(L"OK");
  button.SetColor(RGB(250, 250, 250), COLOR_PART_TEXT, COLOR_STATE_HOVER);
  MoveTo(button, 2, 2);
  // The caption is extra bold and centred: its middle columns have text-coloured pixels.
  int bright = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = kWidth / 2 - 8; x < kWidth / 2 + 8; ++x)
      bright += PixelAt(button, x, y) == RGB(250, 250, 250);
  EXPECT_GT(bright, 10);
  LOGFONTW font{};
  button.GetFont(&font);
  EXPECT_EQ(font.lfWeight, 800);
}

// ---- the picture kind

namespace {

// Images by name, from one source; counts what it was asked.
class TestFactory : public CUnknownTmp<IBitmapFactory> {
 public:
  CBitmap* GetBitmap(const wchar_t* source, const wchar_t* name) override {
    if (!source || std::wstring(source) != L"icons" || !name) return nullptr;
    const auto it = images.find(name);
    return it == images.end() ? nullptr : &it->second;
  }
  std::map<std::wstring, CBitmap> images;
};

class PictureButton : public ButtonSys {
 protected:
  PictureButton() {
    for (const auto& [name, color] :
         {std::pair{L"normal", RGB(200, 0, 0)}, std::pair{L"hover", RGB(0, 200, 0)},
          std::pair{L"pushed", RGB(0, 0, 200)}, std::pair{L"fifth", RGB(200, 200, 0)}})
      SolidBitmap(factory->images[name], 10, 6, color);
    CGlobalEnv::GetGlobalEnv()->SetBitmapFactory(factory);
    button.SetButtonType(BUTTON_TYPE_PICTURE);
    button.SetBKColor(RGB(9, 9, 9));
  }
  // The middle of the 80 x 24 button, where the 10 x 6 images are centred at (35, 9).
  COLORREF Middle() { return PixelAt(button, 40, 12); }

  CComPtr<TestFactory> factory{new TestFactory};
};

}  // namespace

TEST_F(PictureButton, ShowsTheImageOfEachStateCentredOnItsBackgroundAndRefusesBadNames) {
  EXPECT_EQ(button.SetImage(nullptr, L"normal", nullptr, nullptr, nullptr), 0);
  EXPECT_EQ(button.SetImage(L"icons", nullptr, nullptr, nullptr, nullptr), 0);
  ASSERT_EQ(button.SetImage(L"icons", L"normal", L"hover", L"pushed", L"fifth"), 1);
  button.InvalidContainerRect(0, nullptr);
  EXPECT_EQ(PixelAt(button, 35, 9), RGB(200, 0, 0));
  EXPECT_EQ(PixelAt(button, 44, 14), RGB(200, 0, 0));
  EXPECT_EQ(PixelAt(button, 34, 9), RGB(9, 9, 9));
  EXPECT_EQ(PixelAt(button, 45, 15), RGB(9, 9, 9));
  MoveTo(button, 2, 2);
  EXPECT_EQ(Middle(), RGB(0, 200, 0));
  PressButton(2);
  EXPECT_EQ(Middle(), RGB(0, 0, 200));
  button.SetFifthImage(TRUE);
  button.InvalidContainerRect(0, nullptr);
  EXPECT_EQ(Middle(), RGB(200, 200, 0));
  Release(button, 2, 2);
  // Focus does not change the picture, nor the background the host gave.
  button.SetFifthImage(FALSE);
  button.SetFocus();
  EXPECT_EQ(Middle(), RGB(0, 200, 0));
  EXPECT_EQ(PixelAt(button, 1, 1), RGB(9, 9, 9));
}

TEST_F(PictureButton, MissingNamesFallBackToTheNormalImageAndAnAbsentOneDrawsNothing) {
  ASSERT_EQ(button.SetImage(L"icons", L"normal", nullptr, nullptr, nullptr), 1);
  EXPECT_EQ(button.SetImage(L"icons", nullptr, L"hover", nullptr, nullptr), 0);
  MoveTo(button, 2, 2);
  EXPECT_EQ(Middle(), RGB(200, 0, 0));
  PressButton(2);
  EXPECT_EQ(Middle(), RGB(200, 0, 0));
  Release(button, 2, 2);
  ASSERT_EQ(button.SetImage(L"icons", L"absent", nullptr, nullptr, nullptr), 1);
  button.InvalidContainerRect(0, nullptr);
  EXPECT_EQ(Middle(), RGB(9, 9, 9));
}
