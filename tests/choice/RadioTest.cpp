// The radio through the host window: clicks, drags, cancels, disabled, what the page pictures
// do not show of its looks, and its shared defaults.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include "choice/CElementRadio.h"
#include "choice/CRatioGroup.h"
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

// A radio and a second one below it, in one group, under a parent that may act.
class Radio : public HostFixture {
 protected:
  Radio() {
    Place(radio, kId, 10);
    Place(*second, kId + 1, 40);
    group->AddRadioToGroup(&radio);
    group->AddRadioToGroup(second.get());
    Pump();
  }
  void Place(CElementRadio& r, DWORD id, int y) {
    _CONTAINER_INFO info = Info(10, y, 120, kHeight, id);
    info.SetText(L"Radio");
    r.InitObject(L"radio", &info);
  }
  COLORREF Box() { return PixelAt(radio, kBoxMiddle.x, kBoxMiddle.y); }
  void ClickRadio() { Click(radio, 30, 10); }
  void PressRadio(int x) { Press(radio, x, 10); }
  // The whole radio as the user sees it.
  std::vector<COLORREF> Picture() { return Shown(radio, {0, 0, 120, kHeight}); }

  CElementRadio radio;
  std::unique_ptr<CElementRadio> second = std::make_unique<CElementRadio>();
  std::unique_ptr<CRatioGroup> group = std::make_unique<CRatioGroup>();
};

}  // namespace

// What the parent hears (the sender of each notice), in order, and both checks after each
// interaction: only a release inside checks, a move with another button held cancels the press,
// every click notifies, even when checked, and the group unchecks the previous choice first.
TEST_F(Radio, EachInteractionNotifiesInOrderAndTheGroupFollows) {
  const POINT at = ScreenPoint(radio, 30, 10);
  const struct {
    const char* what;
    std::function<void()> act;
    std::vector<DWORD> heard;
    std::vector<int> checks;
    COLORREF box;
  } kSteps[] = {
      {"SetCheck", [&] { radio.SetCheck(CElementRadio::RADIO_CHECKED); }, {}, {1, 0},
       kDotChecked},
      {"SetCheck back", [&] { radio.SetCheck(CElementRadio::RADIO_UNCHECKED); }, {}, {0, 0},
       kFaceNormal},
      {"press", [&] { PressRadio(30); }, {}, {0, 0}, kFacePushed},
      {"drag off and release", [&] { MoveTo(radio, 200, 10), Release(radio, 200, 10); }, {},
       {0, 0}, kFaceNormal},
      {"press, another button, release", [&] {
         PressRadio(30);
         screen.MouseDown(at.x, at.y, platform::MouseButton::Right);
         MoveTo(radio, 32, 10);
         Release(radio, 32, 10);
         screen.MouseUp(at.x, at.y, platform::MouseButton::Right);
         Pump();
       }, {}, {0, 0}, kFaceNormal},
      {"press, Shift, release", [&] {
         PressRadio(30), screen.KeyDown(VK_SHIFT), MoveTo(radio, 32, 10), Release(radio, 32, 10);
         screen.KeyUp(VK_SHIFT);
       }, {}, {0, 0}, kFaceNormal},
      {"click", [&] { ClickRadio(); }, {kId}, {1, 0}, kDotChecked},
      {"click the second", [&] { Click(*second, 30, 10); }, {kId + 1}, {0, 1}, kFaceNormal},
      {"drag off and back", [&] { PressRadio(30), MoveTo(radio, 200, 10), MoveTo(radio, 30, 12),
                                  Release(radio, 30, 12); }, {kId}, {1, 0}, kDotChecked},
      {"a quick second click", [&] { ClickRadio(), ClickRadio(); }, {kId, kId}, {1, 0},
       kDotChecked},
      {"disabled", [&] { radio.SetCheck(CElementRadio::RADIO_UNCHECKED), radio.Enable(0),
                         ClickRadio(); }, {}, {0, 0}, kFaceDisabled},
  };
  for (const auto& step : kSteps) {
    SCOPED_TRACE(step.what);
    parent.notices.clear();
    step.act();
    Advance(1000);
    std::vector<DWORD> heard;
    for (const auto& n : parent.notices) {
      EXPECT_EQ(n.msg, UINT(WM_NOTIFY));
      EXPECT_EQ(n.code, 0u);
      EXPECT_EQ(n.wParam, WPARAM(n.from));
      heard.push_back(n.from);
    }
    EXPECT_EQ(heard, step.heard);
    EXPECT_EQ((std::vector<int>{radio.GetCheck(), second->GetCheck()}), step.checks);
    EXPECT_EQ(Box(), step.box);
  }
}

// Inside the notice the parent ends the radio, its group or the host window, or changes the
// radio; afterwards the window is gone cleanly, or the second radio still takes a click.
TEST_F(Radio, AParentMayActInsideTheNotice) {
  enum Act { EndRadio, EndGroup, EndWindow, Change };
  for (Act act : {EndRadio, Change, EndGroup, EndWindow}) {
    SCOPED_TRACE(act);
    auto clicked = std::make_unique<CElementRadio>();
    Place(*clicked, kId + 2, 70);
    if (group) group->AddRadioToGroup(clicked.get());
    Click(*second, 30, 10);
    parent.ReactOnce([](const trellis::test::Notice&) { return true; }, [&] {
      if (act == EndRadio) clicked.reset();
      if (act == EndGroup) group.reset();
      if (act == EndWindow) window.DestroyWindow();
      if (act == Change)
        clicked->SetCheck(CElementRadio::RADIO_UNCHECKED), clicked->Enable(0),
            clicked->SetText(L"changed");
    });
    parent.notices.clear();
    Click(*clicked, 30, 10);
    parent.react = nullptr;
    EXPECT_EQ(parent.notices.size(), 1u);
    if (act == EndWindow) return ExpectWindowEnded();
    EXPECT_EQ(second->GetCheck(), 0);  // the group is told before the parent
    Advance(1000);
    Click(*second, 30, 10);
    EXPECT_EQ(parent.notices.back().from, kId + 1);
  }
}

// Values the radio has no look for, and null radios, are refused: the radio looks as it did and
// the group keeps its choice.
TEST_F(Radio, BadArgumentsAreRefusedAndChangeNothing) {
  CBitmap wide;
  SolidBitmap(wide, 40, 5, RGB(0, 200, 0));
  using Check = CElementRadio::RADIO_CHECK_STATE;
  std::vector<std::pair<std::string, std::function<int()>>> refused;  // each answers 0
  for (int bad : {2, -1, INT_MIN, INT_MAX}) {
    refused.emplace_back("SetCheck " + std::to_string(bad),
                         [&, bad] { return radio.SetCheck(Check(bad)), 0; });
    refused.emplace_back("SetCheckBmp check " + std::to_string(bad), [&, bad] {
      return radio.SetCheckBmp(COLOR_STATE_NORMAL, Check(bad), &wide, 0), 0;
    });
  }
  for (DWORD status : {0u, 3u, 0x20u, 0xFFFFFFFFu})
    refused.emplace_back("SetCheckBmp status " + std::to_string(status), [&, status] {
      return radio.SetCheckBmp(status, CElementRadio::RADIO_UNCHECKED, &wide, 0), 0;
    });
  refused.emplace_back("InitObject", [] { return CElementRadio().InitObject(L"x", nullptr); });
  refused.emplace_back("a null radio", [&] { return group->AddRadioToGroup(nullptr); });
  refused.emplace_back("a null array", [&] { return group->AddRadioToGroup(nullptr, 3); });
  refused.emplace_back("no radio", [&] { return group->AddRadioToGroup(&radio, 0) - 1; });
  ClickRadio();
  const std::vector<COLORREF> before = Picture();
  for (const auto& [what, call] : refused) {
    SCOPED_TRACE(what);
    EXPECT_EQ(call(), 0);
    EXPECT_EQ(radio.GetCheck(), CElementRadio::RADIO_CHECKED);
    EXPECT_TRUE(Picture() == before);
  }
  Click(*second, 30, 10);
  EXPECT_EQ(radio.GetCheck(), CElementRadio::RADIO_UNCHECKED);
}

TEST_F(Radio, OneOwnBitmapSizesTheBoxWhileOtherLooksStayDefault) {
  CBitmap wide;
  SolidBitmap(wide, 20, 9, RGB(0, 200, 0));
  radio.SetCheckBmp(COLOR_STATE_PUSH, CElementRadio::RADIO_CHECKED, &wide, 0xFFFFFFFF);
  radio.SetCheck(CElementRadio::RADIO_CHECKED);
  // The box is 20 x 9 now, at rows 6..14; unpressed it still shows the default 13 x 13 image.
  EXPECT_EQ(PixelAt(radio, 6, 12), kDotChecked);
  PressRadio(60);
  for (const auto& [x, y, color] : {std::tuple{19, 6, RGB(0, 200, 0)}, {19, 14, RGB(0, 200, 0)},
                                    {19, 5, kBackground}, {20, 6, kBackground}})
    EXPECT_EQ(PixelAt(radio, x, y), color) << x << "," << y;
  Release(radio, 60, 10);
}

TEST_F(Radio, ACaptionOf1024CharactersIsNotDrawnButTheBoxIs) {
  const auto ink = [&] { return PixelsOtherThan(radio, {14, 0, 120, kHeight}, kBackground); };
  EXPECT_GT(ink(), 20);
  radio.SetText(std::wstring(1024, L'W').c_str());
  EXPECT_EQ(ink(), 0);
  EXPECT_EQ(Box(), kFaceNormal);
  radio.SetText(std::wstring(1023, L'W').c_str());
  EXPECT_GT(ink(), 20);
}

using RadioDefaults = HostFixture;

// The shared table of default images lives from the first radio's creation to the last one's
// end, and comes back for a later radio; without a palette there is none and the box is black.
TEST_F(RadioDefaults, TheSharedTableLivesFromTheFirstRadioToTheLast) {
  _CONTAINER_INFO info = Info(10, 10, 120, kHeight, kId);
  const auto& table = CElementRadio::sm_mapRadioStatusDefaultBmp;
  EXPECT_EQ(CElementRadio::m_nRef.load(), 0u);
  {
    CElementRadio first;
    first.InitObject(L"first", &info);
    EXPECT_EQ(table.size(), 10u);
    CElementRadio copy(first);
    EXPECT_EQ(CElementRadio::m_nRef.load(), 2u);
  }
  EXPECT_EQ(CElementRadio::m_nRef.load(), 0u);
  EXPECT_TRUE(table.empty());
  CElementRadio later;
  later.InitObject(L"later", &info);
  EXPECT_EQ(table.size(), 10u);
  EXPECT_EQ(PixelAt(later, kBoxMiddle.x, kBoxMiddle.y), kFaceNormal);
}

TEST_F(RadioDefaults, WithoutAPaletteTheRadioIsBlackWithNoBox) {
  CGlobalEnv::SetGlobalEnv(nullptr);
  CElementRadio radio;
  _CONTAINER_INFO info = Info(10, 10, 120, kHeight, kId);
  EXPECT_EQ(radio.InitObject(L"bare", &info), 1);
  EXPECT_TRUE(CElementRadio::sm_mapRadioStatusDefaultBmp.empty());
  EXPECT_EQ(radio.ResetDefaultColor(), 1);
  EXPECT_EQ(PixelAt(radio, kBoxMiddle.x, kBoxMiddle.y), RGB(0, 0, 0));
  Click(radio, 30, 10);
  EXPECT_EQ(radio.GetCheck(), CElementRadio::RADIO_CHECKED);
}
