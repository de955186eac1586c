// The system button through the host window: what each step of a session shows and tells the
// parent, a parent acting inside each notification, refused arguments, and both kinds' looks.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <map>
#include <string>
#include <tuple>

#include "button/CElementButtonSys.h"
#include "host/CGlobalEnv.h"
#include "tests/support/HostFixture.h"
#include "tests/support/Reentry.h"
#include "tests/support/SolidBitmap.h"

using namespace trellis::test;

namespace {

constexpr DWORD kId = 12, kProbeId = 13;
// One frame colour a state, so that any pixel of a captionless button tells its look.
constexpr COLORREF kNormal = RGB(1, 0, 0), kHover = RGB(2, 0, 0), kPush = RGB(3, 0, 0),
                   kFocus = RGB(4, 0, 0), kDisable = RGB(5, 0, 0);
using Heard = std::vector<std::pair<DWORD, UINT>>;

class ButtonSys : public HostFixture {
 public:
  ButtonSys() {
    held->AddRef();
    for (auto [b, x, id] : {std::tuple{held, 20, kId}, {&probe, 120, kProbeId}}) {
      _CONTAINER_INFO info = Info(x, 20, 80, 24, id);
      b->InitObject(L"button", &info);
    }
    for (auto [state, color] : {std::pair{COLOR_STATE_NORMAL, kNormal}, {COLOR_STATE_HOVER, kHover},
                                {COLOR_STATE_PUSH, kPush}, {COLOR_STATE_FOCUS, kFocus},
                                {COLOR_STATE_DISABLE, kDisable}})
      button.SetColor(color, COLOR_PART_FRAME, state);
    button.SetShowColor(COLOR_STATE_NORMAL);
  }
  ~ButtonSys() override {
    if (held) held->ReleaseObject(), held->Release();
  }
  COLORREF Look() { return PixelAt(button, 2, 2); }

  CElementButtonSys* held = new CElementButtonSys;  // one reference; null once destroyed
  CElementButtonSys& button = *held;
  CElementButtonSys probe;  // a second button, to see that the window still routes input
};

// A session of a user's steps, with the look after each and what the parent has heard: a
// release anywhere after a press clicks, hover shows over focus, and a press cut short by
// disabling lets the mouse go without a click.
TEST_F(ButtonSys, LooksAndNotificationsOfATypicalSession) {
  const std::pair<DWORD, UINT> click{kId, BN_CLICKED};
  // {step, what the user does, the look after it, what the parent heard in it}
  const std::tuple<const char*, std::function<void()>, COLORREF, Heard> steps[] = {
      {"move over", [&] { MoveTo(button, 10, 10); }, kHover, {}},
      {"press", [&] { Press(button, 10, 10); }, kPush, {}},
      {"drag off", [&] { MoveTo(button, 300, 200); }, kNormal, {}},
      {"drag back", [&] { MoveTo(button, 12, 10); }, kPush, {}},
      {"release", [&] { Release(button, 12, 10); }, kHover, {click}},
      {"release off it", [&] { Press(button, 10, 10), Release(parent, 300, 200); }, kNormal,
       {click}},
      {"press off it, release over it", [&] { Press(parent, 300, 200), Release(button, 9, 9); },
       kHover, {click}},
      {"Tab in while hovered", [&] { Key(VK_TAB); }, kHover, {{kId, BN_SETFOCUS}}},
      {"leave while focused", [&] { MoveTo(parent, 300, 200); }, kFocus, {}},
      {"Tab out", [&] { Key(VK_TAB); }, kNormal, {{kId, BN_KILLFOCUS}, {kProbeId, BN_SETFOCUS}}},
      {"press, then disabled", [&] { Press(button, 10, 10), button.Enable(0); }, kDisable, {}},
      {"release while disabled", [&] { Release(button, 10, 10); }, kDisable, {}},
      {"enabled under the pointer", [&] { button.Enable(1); }, kHover, {}},
  };
  for (const auto& [step, act, look, heard] : steps) {
    parent.notices.clear();
    act();
    EXPECT_EQ(Look(), look) << step;
    EXPECT_EQ(parent.Notifications(), heard) << step;
  }
  EXPECT_FALSE(button.HasCapture());
}

// Each way a user makes the button notify, crossed with each thing its parent may do then.
const struct {
  const char* name;
  UINT code;
  void (*provoke)(ButtonSys&);
} kProvocations[] = {
    {"ClickedByRelease", BN_CLICKED, [](ButtonSys& t) { t.Click(t.button, 10, 10); }},
    {"ClickedByReleaseOffIt", BN_CLICKED,
     [](ButtonSys& t) { t.Press(t.button, 10, 10), t.Release(t.parent, 300, 200); }},
    {"FocusByTab", BN_SETFOCUS, [](ButtonSys& t) { t.Key(VK_TAB); }},
    {"BlurByTab", BN_KILLFOCUS, [](ButtonSys& t) { t.Key(VK_TAB), t.Key(VK_TAB); }},
};
class ButtonReentry : public ButtonSys, public ReentryCase {};

TEST_P(ButtonReentry, TheParentMayActInsideEveryNotification) {
  const auto& row = kProvocations[Row()];
  parent.ReactOnce([&](const Notice& n) { return n.from == kId && n.code == row.code; }, [&] {
    Carry([&] { held->ReleaseObject(), std::exchange(held, nullptr)->Release(); },
          [&] { window.DestroyWindow(); }, [&] { button.SetText(L"host"), button.Enable(0); });
  });
  row.provoke(*this);
  parent.react = nullptr;
  ASSERT_TRUE(parent.reacted);
  if (React() == Reaction::EndWindow) return ExpectWindowEnded();
  EXPECT_TRUE(!held || Look() == kDisable);
  Click(probe, 10, 10);
  EXPECT_EQ(parent.Notifications().back(), std::pair(kProbeId, UINT(BN_CLICKED)));
}

INSTANTIATE_TEST_SUITE_P(Button, ButtonReentry, ReentryCases(kProvocations),
                         ReentryCaseNames(kProvocations));

// The caption's look is the choice page's golden image's.
TEST_F(ButtonSys, AFrameOfNoColourShowsTheBackground) {
  button.SetColor(RGB(0, 90, 0), COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  button.SetColor(COLOR_NONE, COLOR_PART_FRAME, COLOR_STATE_NORMAL);
  button.SetShowColor(COLOR_STATE_NORMAL);
  button.InvalidContainerRect(0, nullptr);
  EXPECT_EQ(PixelAt(button, 40, 12), RGB(0, 90, 0));
}

// ---- the picture kind

// Images by name, from one source.
class TestFactory : public CUnknownTmp<IBitmapFactory> {
 public:
  CBitmap* GetBitmap(const wchar_t* source, const wchar_t* name) override {
    const auto it = images.find(name ? name : L"");
    return source && std::wstring(source) == L"icons" && it != images.end() ? &it->second : nullptr;
  }
  std::map<std::wstring, CBitmap> images;
};

constexpr COLORREF kRed = RGB(200, 0, 0), kGreen = RGB(0, 200, 0), kBlue = RGB(0, 0, 200),
                   kYellow = RGB(200, 200, 0), kBack = RGB(9, 9, 9);

class PictureButton : public ButtonSys {
 protected:
  PictureButton() {
    for (auto [name, color] : {std::pair{L"normal", kRed}, {L"hover", kGreen},
                               {L"pushed", kBlue}, {L"fifth", kYellow}})
      SolidBitmap(factory->images[name], 10, 6, color);
    CGlobalEnv::GetGlobalEnv()->SetBitmapFactory(factory);
    button.SetButtonType(BUTTON_TYPE_PICTURE);
    button.SetBKColor(kBack);
  }
  // The middle of the 80 x 24 button, where the 10 x 6 images are centred at (35, 9).
  COLORREF Middle() { return PixelAt(button, 40, 12); }

  CComPtr<TestFactory> factory{new TestFactory};
};

// With every image named, each state shows its own; with the normal one only, every state
// shows it. Focus changes neither the picture nor the background the host gave.
TEST_F(PictureButton, EachStateShowsItsImageCentredOrElseTheNormalOne) {
  // {state, how it comes, the middle with every image named, with the normal one only}
  const std::tuple<const char*, std::function<void()>, COLORREF, COLORREF> steps[] = {
      {"normal", [] {}, kRed, kRed},
      {"hover", [&] { MoveTo(button, 2, 2); }, kGreen, kRed},
      {"pushed", [&] { Press(button, 2, 10); }, kBlue, kRed},
      {"fifth over pushed", [&] { button.SetFifthImage(TRUE); }, kYellow, kRed},
      {"focused under the pointer",
       [&] { Release(button, 2, 2), button.SetFifthImage(FALSE), button.SetFocus(); }, kGreen,
       kRed},
  };
  for (const bool all : {true, false}) {
    ASSERT_EQ(button.SetImage(L"icons", L"normal", all ? L"hover" : nullptr,
                              all ? L"pushed" : nullptr, all ? L"fifth" : nullptr), 1);
    for (const auto& [step, act, withAll, normalOnly] : steps) {
      act();
      button.InvalidContainerRect(0, nullptr);
      EXPECT_EQ(Middle(), all ? withAll : normalOnly) << step;
      EXPECT_EQ(PixelAt(button, 1, 1), kBack) << step;
    }
  }
  for (auto [x, y, color] :
       {std::tuple{35, 9, kRed}, {44, 14, kRed}, {34, 9, kBack}, {45, 15, kBack}})
    EXPECT_EQ(PixelAt(button, x, y), color) << x << "," << y;
}

// Every entry point taking a pointer, a string or a kind, with what a careless host passes:
// each refusal is the documented one and leaves the picture as it was.
TEST_F(PictureButton, BadArgumentsAreRefusedAndChangeNothing) {
  ASSERT_EQ(button.SetImage(L"icons", L"normal", L"hover", nullptr, nullptr), 1);
  const std::wstring mega(1 << 20, L'k');
  const std::tuple<const char*, std::function<int()>, int> rows[] = {
      {"InitObject(null)", [&] { return button.InitObject(L"x", nullptr); }, 0},
      {"SetImage(no source)", [&] { return button.SetImage(nullptr, L"hover", 0, 0, 0); }, 0},
      {"SetImage(no normal)", [&] { return button.SetImage(L"icons", 0, L"hover", 0, 0); }, 0},
  };
  for (const auto& [call, run, result] : rows) {
    EXPECT_EQ(run(), result) << call;
    button.InvalidContainerRect(0, nullptr);
    EXPECT_EQ(std::pair(Middle(), PixelAt(button, 1, 1)), std::pair(kRed, kBack)) << call;
  }
  // An image the factory does not have draws nothing over the background.
  ASSERT_EQ(button.SetImage(L"icons", mega.c_str(), nullptr, nullptr, nullptr), 1);
  button.InvalidContainerRect(0, nullptr);
  EXPECT_EQ(Middle(), kBack);
  // A kind other than the picture's is a colour button, with any caption.
  for (const int kind : {-1, 0, 2, INT_MAX}) {
    button.SetButtonType(ButtonType(kind));
    button.SetShowColor(COLOR_STATE_NORMAL);
    button.SetText(mega.c_str());
    EXPECT_EQ(PixelAt(button, 1, 1), kNormal) << kind;
  }
}

}  // namespace
