// The system button through the host window: its clicks, focus notifications and looks in
// both kinds.
#include <gtest/gtest.h>

#include <map>
#include <climits>
#include <functional>
#include <string>
#include <tuple>
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
 public:
  ButtonSys() {
    held->AddRef();
    for (auto [b, x, id] : {std::tuple{held, 20, kId}, {&probe, 120, kProbeId}}) {
      _CONTAINER_INFO info = Info(x, 20, kWidth, kHeight, id);
      b->InitObject(L"button", &info);
    }
    for (const auto& [state, color] : kLooks) button.SetColor(color, COLOR_PART_FRAME, state);
    button.SetShowColor(COLOR_STATE_NORMAL);
    button.InvalidContainerRect(0, nullptr);
  }
  ~ButtonSys() override {
    if (held) held->ReleaseObject(), held->Release();
  }
  COLORREF Look() { return PixelAt(button, 2, 2); }
  using HostFixture::Click, HostFixture::Key, HostFixture::Press, HostFixture::Release,
      HostFixture::parent;

  static constexpr DWORD kProbeId = kId + 1;
  CElementButtonSys* held = new CElementButtonSys;  // one reference; null once destroyed
  CElementButtonSys& button = *held;
  CElementButtonSys probe;  // a second button, to see that the window still routes input
};

using Heard = std::vector<std::pair<DWORD, UINT>>;

Heard HeardBy(const trellis::test::RecordingParent& parent) {
  Heard heard;
  for (const auto& n : parent.notices) {
    EXPECT_EQ(n.msg, UINT(WM_NOTIFY));
    EXPECT_EQ(n.wParam, WPARAM(0));
    heard.push_back({n.from, n.code});
  }
  return heard;
}

}  // namespace

// A session of a user's steps, with the look after each and everything the parent has heard:
// a release anywhere after a press clicks, hover shows over focus, and a press cut short by
// disabling lets the mouse go without a click.
TEST_F(ButtonSys, LooksAndNotificationsOfATypicalSession) {
  const Heard click{{kId, BN_CLICKED}};
  const Heard twice{{kId, BN_CLICKED}, {kId, BN_CLICKED}};
  Heard thrice = twice;
  thrice.push_back({kId, BN_CLICKED});
  Heard focused = thrice;
  focused.push_back({kId, BN_SETFOCUS});
  Heard left = focused;
  left.insert(left.end(), {{kId, BN_KILLFOCUS}, {kProbeId, BN_SETFOCUS}});
  const struct {
    const char* step;
    std::function<void()> act;
    COLORREF look;
    const Heard& heard;
  } steps[] = {
      {"start", [] {}, kNormal, {}},
      {"move over", [&] { MoveTo(button, 10, 10); }, kHover, {}},
      {"press", [&] { Press(button, 10, 10); }, kPush, {}},
      {"drag off", [&] { MoveTo(button, 300, 200); }, kNormal, {}},
      {"drag back", [&] { MoveTo(button, 12, 10); }, kPush, {}},
      {"release", [&] { Release(button, 12, 10); }, kHover, click},
      {"press and release off it", [&] { Press(button, 10, 10), Release(parent, 300, 200); },
       kNormal, twice},
      {"press elsewhere, release over it", [&] { Press(parent, 300, 200), Release(button, 9, 9); },
       kHover, thrice},
      {"Tab in while hovered", [&] { Key(VK_TAB); }, kHover, focused},
      {"leave while focused", [&] { MoveTo(parent, 300, 200); }, kFocus, focused},
      {"Tab out", [&] { Key(VK_TAB); }, kNormal, left},
      {"press, then disabled", [&] { Press(button, 10, 10), button.Enable(0); }, kDisable, left},
      {"release while disabled", [&] { Release(button, 10, 10); }, kDisable, left},
      {"enabled under the pointer", [&] { button.Enable(1); }, kHover, left},
  };
  for (const auto& s : steps) {
    s.act();
    EXPECT_EQ(Look(), s.look) << s.step;
    EXPECT_EQ(HeardBy(parent), s.heard) << s.step;
  }
  EXPECT_FALSE(button.HasCapture());
}

namespace {

enum class Reaction { DestroyButton, DestroyWindow, ChangeButton };

class ButtonReentry : public ButtonSys,
                      public testing::WithParamInterface<std::tuple<int, Reaction>> {};

const struct {
  const char* name;
  UINT code;
  void (*provoke)(ButtonReentry&);
} kProvocations[] = {
    {"ClickedByRelease", BN_CLICKED, [](ButtonReentry& t) { t.Click(t.button, 10, 10); }},
    {"ClickedByReleaseOffIt", BN_CLICKED,
     [](ButtonReentry& t) { t.Press(t.button, 10, 10), t.Release(t.parent, 300, 200); }},
    {"FocusByTab", BN_SETFOCUS, [](ButtonReentry& t) { t.Key(VK_TAB); }},
    {"BlurByTab", BN_KILLFOCUS, [](ButtonReentry& t) { t.Key(VK_TAB), t.Key(VK_TAB); }},
};

TEST_P(ButtonReentry, TheParentMayActInsideEveryNotification) {
  const auto& [row, reaction] = GetParam();
  bool reacted = false;
  parent.react = [&, code = kProvocations[row].code](trellis::test::Notice n) {
    if (n.from != kId || n.code != code || std::exchange(reacted, true)) return;
    if (reaction == Reaction::DestroyButton) {
      held->ReleaseObject();
      std::exchange(held, nullptr)->Release();
    } else if (reaction == Reaction::DestroyWindow) {
      window.DestroyWindow();
    } else {
      button.SetText(L"host");
      button.Enable(0);
    }
  };
  kProvocations[row].provoke(*this);
  parent.react = nullptr;
  ASSERT_TRUE(reacted);
  if (reaction == Reaction::DestroyWindow) {
    EXPECT_EQ(window.Host(), nullptr);
    screen.Click(60, 60);
    Pump();
    return;
  }
  if (held) {
    EXPECT_EQ(Look(), kDisable);
  }
  Click(probe, 10, 10);
  EXPECT_EQ(HeardBy(parent).back(), std::pair(kProbeId, UINT(BN_CLICKED)));
}

std::string RowName(const testing::TestParamInfo<ButtonReentry::ParamType>& info) {
  static const char* const kReactions[] = {"DestroyButton", "DestroyWindow", "ChangeButton"};
  return std::string(kProvocations[std::get<0>(info.param)].name) + "_" +
         kReactions[int(std::get<1>(info.param))];
}

INSTANTIATE_TEST_SUITE_P(Button, ButtonReentry,
                         testing::Combine(testing::Range(0, int(std::size(kProvocations))),
                                          testing::Values(Reaction::DestroyButton,
                                                          Reaction::DestroyWindow,
                                                          Reaction::ChangeButton)),
                         RowName);

}  // namespace

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

TEST_F(PictureButton, ShowsTheImageOfEachStateCentredOnItsBackground) {
  ASSERT_EQ(button.SetImage(L"icons", L"normal", L"hover", L"pushed", L"fifth"), 1);
  button.InvalidContainerRect(0, nullptr);
  EXPECT_EQ(PixelAt(button, 35, 9), RGB(200, 0, 0));
  EXPECT_EQ(PixelAt(button, 44, 14), RGB(200, 0, 0));
  EXPECT_EQ(PixelAt(button, 34, 9), RGB(9, 9, 9));
  EXPECT_EQ(PixelAt(button, 45, 15), RGB(9, 9, 9));
  MoveTo(button, 2, 2);
  EXPECT_EQ(Middle(), RGB(0, 200, 0));
  Press(button, 2, 10);
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
  MoveTo(button, 2, 2);
  EXPECT_EQ(Middle(), RGB(200, 0, 0));
  Press(button, 2, 10);
  EXPECT_EQ(Middle(), RGB(200, 0, 0));
  Release(button, 2, 2);
  const std::wstring mega(1 << 20, L'n');
  ASSERT_EQ(button.SetImage(L"icons", mega.c_str(), nullptr, nullptr, nullptr), 1);
  button.InvalidContainerRect(0, nullptr);
  EXPECT_EQ(Middle(), RGB(9, 9, 9));
}

// Every entry point taking a pointer, a string or a kind, with what a careless host passes:
// each refusal is the documented one and leaves the picture as it was.
TEST_F(PictureButton, BadArgumentsAreRefusedAndChangeNothing) {
  ASSERT_EQ(button.SetImage(L"icons", L"normal", L"hover", nullptr, nullptr), 1);
  const std::wstring mega(1 << 20, L'k');
  const struct {
    const char* call;
    std::function<int()> run;
    int result;
  } rows[] = {
      {"InitObject(null)", [&] { return button.InitObject(L"x", nullptr); }, 0},
      {"SetImage(no source)", [&] { return button.SetImage(nullptr, L"hover", 0, 0, 0); }, 0},
      {"SetImage(no normal)", [&] { return button.SetImage(L"icons", 0, L"hover", 0, 0); }, 0},
      {"SetImage(nothing)", [&] { return button.SetImage(0, 0, 0, 0, 0); }, 0},
      {"GetColorEx(null)", [&] { return int(button.GetColorEx(nullptr)); }, 0},
      {"GetColorEx(empty)", [&] { return int(button.GetColorEx(L"")); }, 0},
      {"GetColorEx(1 MB)", [&] { return int(button.GetColorEx(mega.c_str())); }, 0},
  };
  const auto state = [&] { return std::pair{Middle(), PixelAt(button, 1, 1)}; };
  const auto before = state();
  for (const auto& row : rows) {
    EXPECT_EQ(row.run(), row.result) << row.call;
    button.InvalidContainerRect(0, nullptr);
    EXPECT_EQ(state(), before) << row.call;
  }
  // A kind other than the picture's is a colour button, with any caption.
  for (const int kind : {-1, 0, 2, INT_MAX}) {
    button.SetButtonType(ButtonType(kind));
    button.SetShowColor(COLOR_STATE_NORMAL);
    button.SetText(mega.c_str());
    EXPECT_EQ(PixelAt(button, 1, 1), kNormal) << kind;
  }
}
