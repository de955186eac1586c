// The edit box and its host: the notifications a user's actions send, in order; a parent that
// destroys the edit, changes it or destroys the window inside any of them; arguments it refuses.
#include <climits>
#include <string>
#include <tuple>
#include <utility>

#include "tests/edit/EditBoxFixture.h"
#include "tests/support/Reentry.h"
#include "choice/CElementRadio.h"
#include "droplist/CElementDropdown.h"
#include "tree/CElementTree.h"

using namespace trellis::test;

namespace {

// The edit, holding "abc", and a probe under it, to see that the window still routes input.
class TwoEdits : public HostFixture {
 public:
  TwoEdits() {
    edit->AddRef();
    for (auto [e, y] : {std::pair{edit, 10}, {&probe, 50}}) {
      _CONTAINER_INFO info = Info(10, y, 200, 24, kId);
      info.SetText(L"abc");
      e->InitObject(L"edit", &info);
    }
    Pump();
  }
  ~TwoEdits() override {
    if (edit) edit->ReleaseObject(), edit->Release();
  }

  CElementEdit* edit = new CElementEdit;
  CElementEdit probe;
};

class EditReentry : public TwoEdits, public ReentryCase {};

// Each way a user makes the edit (unfocused, holding "abc") notify its parent.
const struct {
  const char* name;
  UINT code;
  void (*provoke)(EditReentry&);
} kProvocations[] = {
    {"FocusByClick", kFocus, [](EditReentry& t) { t.Click(*t.edit, 20, 12); }},
    {"FocusByRightClick", kFocus,  // Escape closes the menu a living edit opens
     [](EditReentry& t) { t.RightClick(*t.edit, 20, 12), t.Key(VK_ESCAPE); }},
    {"BlurByClickElsewhere", kBlur,
     [](EditReentry& t) { t.Click(*t.edit, 20, 12), t.Click(t.probe, 20, 12); }},
    {"ChangeByTyping", kChange, [](EditReentry& t) { t.Click(*t.edit, 20, 12), t.Type(L"x"); }},
    {"ChangeByDelete", kChange,
     [](EditReentry& t) { t.Click(*t.edit, 2, 12), t.Key(VK_DELETE); }},
    {"ChangeByInputMethod", kChange,
     [](EditReentry& t) { t.Click(*t.edit, 20, 12), t.screen.ImeResult(L"中"); }},
    {"ReturnByEnter", kReturn, [](EditReentry& t) { t.Click(*t.edit, 20, 12), t.Type(L"\r"); }},
};

TEST_P(EditReentry, TheParentMayActInsideEveryNotification) {
  parent.ReactOnce([code = kProvocations[Row()].code](const Notice& n) { return n.code == code; },
                   [&] {
                     Carry([&] { edit->ReleaseObject(), std::exchange(edit, nullptr)->Release(); },
                           [&] { window.DestroyWindow(); },
                           [&] { edit->SetText(L"host"), edit->Enable(0); });
                   });
  kProvocations[Row()].provoke(*this);
  Pump();
  parent.react = nullptr;
  ASSERT_TRUE(parent.reacted);
  if (React() == Reaction::EndWindow) return ExpectWindowEnded();
  if (edit) {
    EXPECT_EQ(edit->GetTextString(), L"host");
    EXPECT_LE(std::max({edit->GetCaret(), edit->GetSelectedStart(), edit->GetSelectedEnd()}), 4);
    EXPECT_FALSE(edit->IsEnable());
  }
  Click(probe, 190, 12);
  Type(L"!");
  EXPECT_EQ(probe.GetTextString(), L"abc!");
}

INSTANTIATE_TEST_SUITE_P(Edit, EditReentry, ReentryCases(kProvocations),
                         ReentryCaseNames(kProvocations));

// A control clicked while the edit has the focus takes it from the edit, whose parent hears of
// that and may end the clicked control right there: each control then leaves itself alone, and
// the window goes on routing input.
TEST_F(TwoEdits, ControlsTakingTheFocusMayBeEndedByTheLosersParent) {
  const struct {
    const char* name;
    CElementControl* control;
    void (HostFixture::*provoke)(const CElementContainer&, int, int);
    int x;
  } victims[] = {
      {"TreeClick", new CElementTree, &HostFixture::Click, 20},
      {"DropListPress", new CElementDropList, &HostFixture::Press, 20},
      {"DropdownPressOnTheArrow", new CElementDropdown, &HostFixture::Press, 190},
      {"RadioPress", new CElementRadio, &HostFixture::Press, 20},
      {"EditRightClick", new CElementEdit, &HostFixture::RightClick, 20},
  };
  for (auto [name, control, provoke, x] : victims) {
    SCOPED_TRACE(name);
    control->AddRef();
    _CONTAINER_INFO info = Info(10, 90, 200, 18, kId + 1);
    control->InitObject(L"victim", &info);
    Click(*edit, 20, 12);
    parent.ReactOnce([](const Notice& n) { return n.from == kId && n.code == kBlur; },
                     [&] { control->ReleaseObject(), std::exchange(control, nullptr)->Release(); });
    (this->*provoke)(*control, x, 9);
    screen.MouseUp(0, 0);
    Pump();
    parent.react = nullptr;
    EXPECT_TRUE(parent.reacted);
    if (control) control->ReleaseObject(), control->Release();
    probe.SetText(L"");
    Click(probe, 190, 12);
    Type(L"!");
    EXPECT_EQ(probe.GetTextString(), L"!");
  }
}

// One scripted session; any change in what the parent hears, or in its order, shows here.
TEST_F(EditBox, NotificationSequenceOfATypicalSession) {
  Make(L"abc");
  CElementEdit other;
  _CONTAINER_INFO info = Info(10, 50, 200, 24, kId + 1);
  other.InitObject(L"other", &info);
  Click(edit, At(3), 12);  // focus
  Type(L"de\b\r\x1b\x01");  // change, change, change, return; escape and ^A type nothing
  Key(VK_LEFT);            // nothing
  Key(VK_DELETE);          // change
  screen.ImeResult(L"中");  // change
  Pump();
  Drag(0, 2);              // a drag, a double click: nothing
  Click(edit, At(1), 12);
  Click(edit, At(1), 12);
  Key(VK_TAB);           // blur, then the other's focus
  Click(edit, At(1), 12);  // the other's blur, then focus
  edit.Enable(0);          // blur; disabled, clicks and keys tell nothing and change nothing
  LoseFocus();
  Click(edit, At(3), 12);
  Type(L"x");
  const std::vector<std::pair<DWORD, UINT>> expected = {
      {kId, kFocus},  {kId, kChange},     {kId, kChange}, {kId, kChange},
      {kId, kReturn}, {kId, kChange},     {kId, kChange}, {kId, kBlur},
      {kId + 1, kFocus}, {kId + 1, kBlur}, {kId, kFocus}, {kId, kBlur}};
  EXPECT_EQ(parent.Notifications(), expected);
  EXPECT_EQ(Text(), L"abc中");
  EXPECT_FALSE(edit.IsFocus());
}

// Every entry point taking a position, id, pointer or string, with the values a careless host
// passes: each is refused as documented and leaves the edit as it was.
TEST_F(EditBox, BadArgumentsAreRefusedAndChangeNothing) {
  Make(L"abc");
  Click(edit, At(1), 12);
  const std::wstring mega(1 << 20, L'm');
  std::vector<std::tuple<std::string, std::function<int()>, int>> rows = {
      {"InitObject(null)", [&] { return edit.InitObject(L"x", nullptr); }, 0},
      {"CalcTextPos(null)", [&] { return edit.CalcTextPos(nullptr, 50); }, 0},
      {"CalcTextPos(empty)", [&] { return edit.CalcTextPos(L"", 50); }, 0},
      {"CalcTextPos(INT_MIN)", [&] { return edit.CalcTextPos(L"abc", INT_MIN); }, 0},
      {"CalcTextPos(INT_MAX)", [&] { return edit.CalcTextPos(L"abc", INT_MAX); }, 3},
      {"CalcTextPos(1 MB, INT_MAX)", [&] { return edit.CalcTextPos(mega.c_str(), INT_MAX); },
       1 << 20},
  };
  for (const int i : {-1, 4, INT_MIN, INT_MAX}) {  // 4 is one past the text
    const std::string at = std::to_string(i);
    rows.push_back({"SetSelectedStart " + at, [&, i] { return edit.SetSelectedStart(i); }, E_FAIL});
    rows.push_back({"SetSelectedEnd " + at, [&, i] { return edit.SetSelectedEnd(i); }, E_FAIL});
  }
  for (const int id : {0, 7, -1, INT_MIN})  // no such command: handled, nothing done
    rows.push_back({"OnMenuCommand " + std::to_string(id),
                    [&, id] { return edit.OnMenuCommand(DWORD(id)); }, 1});
  const auto state = [&] {
    return std::tuple{Text(), edit.GetCaret(), edit.GetSelectedStart(), edit.GetSelectedEnd(),
                      edit.GetScrollOffset(), edit.GetShowState(), edit.IsFocus()};
  };
  const auto before = state();
  for (const auto& [call, run, result] : rows) {
    EXPECT_EQ(run(), result) << call;
    Pump();
    EXPECT_EQ(state(), before) << call;
  }
  EXPECT_TRUE(parent.NotifyCodes() == std::vector<UINT>{kFocus});
  // Texts the host sets are taken whole, however long, and the caret stays inside them.
  for (const wchar_t* text : {static_cast<const wchar_t*>(nullptr), L"", mega.c_str()}) {
    edit.SetText(text);
    Key(VK_END);
    Type(L"z");
    EXPECT_EQ(Text(), std::wstring(text ? text : L"") + L"z");
    EXPECT_EQ(edit.GetCaret(), int(Text().size()));
  }
}

}  // namespace
