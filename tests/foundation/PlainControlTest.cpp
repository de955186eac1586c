// The framework's plain control: a label shows its text; a check box toggles, shows focus and
// tells its parent, in a pinned order, and survives a parent that ends it (or its window) there.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>
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

class PlainControl : public HostFixture {
 protected:
  PlainControl() {
    box = Place(5, 10);
    Pump();
  }
  std::unique_ptr<CElementCheckBox> Place(DWORD id, int y) {
    auto made = std::make_unique<CElementCheckBox>();
    _CONTAINER_INFO info = Info(10, y, 120, 20, id, ELEMENT_STYLE_CHECKBOX);
    info.SetText(L"Check");
    made->InitObject(L"check", &info);
    return made;
  }
  std::vector<WPARAM> Heard() const {
    std::vector<WPARAM> out;
    for (const auto& n : parent.notices) out.push_back(n.msg == WM_COMMAND ? n.wParam : 0);
    return out;
  }

  std::unique_ptr<CElementCheckBox> box;
};

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
  box->Show(0, 0);
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

// What the parent hears, in order, for each thing a user does; the check mark and the focus
// frame follow. Disabled, the box hears nothing.
TEST_F(PlainControl, ACheckBoxTellsItsParentOnceForEachCompletedToggle) {
  const COLORREF panel = PixelAt(*box, 6, 10), background = PixelAt(*box, 119, 0);
  const int unfocused = InkIn(screen, ScreenPoint(*box, kCheckBoxSize, 0), 107, 20, background);
  const WPARAM clicked = MAKEWPARAM(5, BN_CLICKED);
  const struct {
    const char* what;
    std::function<void()> act;
    std::vector<WPARAM> heard;
    int check;
  } kSteps[] = {
      {"click", [&] { Click(*box, 6, 10); }, {clicked}, 1},
      {"drag off and release", [&] { Press(*box, 6, 10), MoveTo(*box, 200, 10),
                                     Release(*box, 200, 10); }, {}, 1},
      {"drag off, back and release", [&] { Press(*box, 6, 10), MoveTo(*box, 200, 10),
                                           MoveTo(*box, 8, 10), Release(*box, 8, 10); },
       {clicked}, 0},
      {"space", [&] { Key(VK_SPACE); }, {clicked}, 1},
      {"another key", [&] { Key('A'); }, {}, 1},
      {"disabled click and space", [&] { box->Enable(0), Click(*box, 6, 10), Key(VK_SPACE); },
       {}, 1},
  };
  for (const auto& step : kSteps) {
    SCOPED_TRACE(step.what);
    parent.notices.clear();
    step.act();
    Advance(1000);
    EXPECT_EQ(Heard(), step.heard);
    EXPECT_EQ(box->GetCheck(), step.check);
  }
  box->Enable(1);
  EXPECT_NE(PixelAt(*box, 6, 10), panel);  // the tick crosses the middle of the box
  EXPECT_GT(InkIn(screen, ScreenPoint(*box, kCheckBoxSize, 0), 107, 20, background), unfocused + 20);
}

// Inside BN_CLICKED the parent ends the box, changes it, or ends the host window (last); the
// window then still routes input to a second box, or is gone cleanly.
TEST_F(PlainControl, ACheckBoxSurvivesAParentActingInsideItsNotice) {
  enum Action { EndBox, Change, EndWindow };
  const std::pair<bool, Action> kRows[] = {
      {true, EndBox}, {false, EndBox}, {true, Change}, {false, Change}, {false, EndWindow}};
  for (const auto& [byKey, action] : kRows) {
    SCOPED_TRACE(testing::Message() << (byKey ? "space" : "click") << ", action " << action);
    box = Place(5, 10);
    const auto other = Place(6, 40);
    box->SetFocus();
    Pump();
    bool acted = false;
    parent.react = [&, action = action](trellis::test::Notice) {
      if (std::exchange(acted, true)) return;
      if (action == EndBox) box.reset();
      if (action == EndWindow) window.DestroyWindow();
      if (action == Change) box->Enable(0), box->SetText(L"changed"), box->SetCheck(0);
    };
    parent.notices.clear();
    byKey ? Key(VK_SPACE) : Click(*box, 6, 10);
    parent.react = nullptr;
    EXPECT_EQ(parent.notices.size(), 1u);
    if (action == EndWindow) {
      EXPECT_FALSE(::IsWindow(window.m_hWnd));
      return;
    }
    EXPECT_TRUE(!box || box->GetCheck() == 0);
    Click(*other, 6, 10);
    EXPECT_EQ(parent.notices.back().wParam, MAKEWPARAM(6, BN_CLICKED));
  }
}

// The box adds no entry point of its own: the framework's refuse a missing creation record and
// take any text or check value without harm.
TEST_F(PlainControl, ACheckBoxTakesBadArgumentsWithoutHarm) {
  EXPECT_EQ(CElementCheckBox().InitObject(L"x", nullptr), 0);
  const std::wstring huge(1 << 20, L'x');
  for (const wchar_t* text : {static_cast<const wchar_t*>(nullptr), L"", huge.c_str()}) {
    box->SetText(text);
    Pump();
    EXPECT_EQ(box->GetText(nullptr, 0), text ? int(std::wcslen(text)) : 0);
  }
  for (int check : {INT_MIN, -1, 0, 1, INT_MAX}) {
    box->SetCheck(check);
    EXPECT_EQ(box->GetCheck(), check != 0) << check;
  }
  Click(*box, 6, 10);
  EXPECT_EQ(parent.notices.size(), 1u);
}
