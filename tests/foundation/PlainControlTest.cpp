// The framework's plain control: a label shows its text; a check box toggles and tells its
// parent, in a pinned order, and survives a parent that ends it (or its window) there.
#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <string>

#include "foundation/CElementCheckBox.h"
#include "foundation/CElementLabel.h"
#include "tests/support/HostFixture.h"

using trellis::test::HostFixture;

namespace {

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

// Labels in their own fonts over a green parent: no background of their own, more ink for the
// bigger font, none for no text. The default looks are the framework page picture's.
TEST_F(PlainControl, ALabelShowsItsTextInItsOwnFontOverItsParentWithoutABackground) {
  const COLORREF green = RGB(0, 128, 0);
  parent.SetColor(green, COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  box->Show(0, 0);
  CElementLabel labels[2];
  for (int k : {0, 1}) {
    _CONTAINER_INFO info = Info(10, 10 + 40 * k, 120, 36);
    info.SetText(L"标签 Hg");
    labels[k].InitObject(L"label", &info);
    LOGFONTW lf{};
    labels[k].GetFont(&lf);
    lf.lfHeight = -12 * (k + 1);
    labels[k].SetFont(lf);
    labels[k].SetColor(COLOR_NONE, COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  }
  const auto inkOf = [&](CElementLabel& l) { return PixelsOtherThan(l, {0, 0, 120, 36}, green); };
  const int small = inkOf(labels[0]);
  EXPECT_GT(small, 20);
  EXPECT_GT(inkOf(labels[1]), 2 * small);
  labels[0].SetText(L"");
  EXPECT_EQ(inkOf(labels[0]), 0);
}

// What the parent hears, in order, for each thing a user does. Disabled, the box hears nothing.
// The check mark and the focus frame are the framework page picture's.
TEST_F(PlainControl, ACheckBoxTellsItsParentOnceForEachCompletedToggle) {
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
    parent.ReactOnce([](const trellis::test::Notice&) { return true; }, [&, action = action] {
      if (action == EndBox) box.reset();
      if (action == EndWindow) window.DestroyWindow();
      if (action == Change) box->Enable(0), box->SetText(L"changed"), box->SetCheck(0);
    });
    parent.notices.clear();
    byKey ? Key(VK_SPACE) : Click(*box, 6, 10);
    parent.react = nullptr;
    EXPECT_EQ(parent.notices.size(), 1u);
    if (action == EndWindow) return ExpectWindowEnded();
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
