// The drop lists and their host: the notifications a user's actions send, in order; a parent
// that destroys the control, changes it or destroys the window inside any of them; arguments
// the control refuses.
#include <climits>
#include <functional>
#include <string>
#include <tuple>

#include "droplist/CDropList.h"
#include "droplist/CElementDropdown.h"
#include "tests/droplist/DropListFixture.h"
#include "tests/support/Reentry.h"

namespace trellis::test {
namespace {

using DropList = CElementDropList;
constexpr UINT kOpen = DropList::DROPLIST_NM_DROPDOWN, kSelect = DropList::DROPLIST_NM_SELECT,
               kDone = DropList::DROPLIST_NM_SELECTDONE;
// What the parent hears: the message, its wParam and a WM_NOTIFY's code.
using Heard = std::vector<std::tuple<UINT, WPARAM, UINT>>;

Heard HeardFrom(const RecordingParent& parent, DWORD id) {
  Heard heard;
  for (const Notice& n : parent.notices)
    if (n.from == id) heard.push_back({n.msg, n.wParam, n.code});
  return heard;
}

class DropListReentry : public DropListFixture, public ReentryCase {
 public:
  static constexpr DWORD kVictimId = 21;
  DropListReentry();
  ~DropListReentry() override {
    if (victim) victim->ReleaseObject(), victim->Release();
  }

  DropList* victim = nullptr;  // one reference; null once destroyed
};

// Each way a user makes a drop list (or, where named so, a drop-down with an edit box) with
// five items notify its parent; `drop` of the fixture stays beside it as a probe.
using T = DropListReentry;
const struct {
  const char* name;
  bool dropdown;
  UINT msg, code;
  void (*provoke)(T&);
} kProvocations[] = {
    {"OpenByClick", false, WM_NOTIFY, kOpen, [](T& t) { t.Drop(*t.victim); }},
    {"SelectByClick", false, WM_NOTIFY, kSelect,
     [](T& t) { t.Drop(*t.victim), t.ClickAt(t.RowPoint(*t.victim, 2)); }},
    {"SelectDoneByClick", false, WM_NOTIFY, kDone,
     [](T& t) { t.Drop(*t.victim), t.ClickAt(t.RowPoint(*t.victim, 2)); }},
    {"SelectByEnter", false, WM_NOTIFY, kSelect,
     [](T& t) { t.Drop(*t.victim), t.Key(VK_DOWN), t.Key(VK_RETURN); }},
    {"SelectDoneByEnter", false, WM_NOTIFY, kDone,
     [](T& t) { t.Drop(*t.victim), t.Key(VK_RETURN); }},
    {"SelectByDragFromTheFace", false, WM_NOTIFY, kSelect,
     [](T& t) {
       t.Press(*t.victim, 140, 9);  // on the face
       const POINT row = t.RowPoint(*t.victim, 3);
       t.screen.MouseMove(row.x, row.y);
       t.screen.MouseUp(row.x, row.y);
     }},
    {"KeyWhileClosed", false, WM_NOTIFY, VK_DOWN,
     [](T& t) { t.Drop(*t.victim), t.Drop(*t.victim), t.Key(VK_DOWN); }},
    {"DropdownOpenByClick", true, WM_NOTIFY, kOpen, [](T& t) { t.Drop(*t.victim); }},
    {"DropdownSelectByEnter", true, WM_NOTIFY, kSelect,
     [](T& t) { t.Drop(*t.victim), t.Key(VK_DOWN), t.Key(VK_RETURN); }},
    {"DropdownSelectDoneByClick", true, WM_NOTIFY, kDone,
     [](T& t) { t.Drop(*t.victim), t.ClickAt(t.RowPoint(*t.victim, 4)); }},
};

DropListReentry::DropListReentry() {
  victim = kProvocations[Row()].dropdown ? new CElementDropdown : new DropList;
  victim->AddRef();
  _CONTAINER_INFO info = Info(200, 10, kWidth, 18, kVictimId);
  info.SetName(L"victim");
  victim->InitObject(L"victim", &info);
  Fill(*victim, 5);
  Pump();
}

TEST_P(DropListReentry, TheParentMayActInsideEveryNotification) {
  const auto& provocation = kProvocations[Row()];
  parent.ReactOnce(
      [&](const Notice& n) {
        return n.from == kVictimId && n.msg == provocation.msg && n.code == provocation.code;
      },
      [&] {
        Carry([&] { victim->ReleaseObject(), std::exchange(victim, nullptr)->Release(); },
              [&] { window.DestroyWindow(); },
              [&] {
                while (victim->GetCount() > 0) victim->DeleteString(0);
                victim->AddString(L"new");
                victim->SetText(L"host");
                victim->Enable(0);
              });
      });
  provocation.provoke(*this);
  Pump();
  parent.react = nullptr;
  ASSERT_TRUE(parent.reacted);
  if (victim) {
    EXPECT_FALSE(IsOpen(*victim));
    EXPECT_NE(::GetCapture(), Popup(*victim).m_hWnd);
    EXPECT_TRUE(React() == Reaction::EndWindow || (victim->GetCount() == 1 && !victim->IsEnable()));
  }
  if (React() == Reaction::EndWindow) return ExpectWindowEnded();
  Drop(drop);
  EXPECT_TRUE(IsOpen(drop));
  EXPECT_EQ(HeardFrom(parent, kId), (Heard{{WM_NOTIFY, kId, kOpen}}));
}

INSTANTIATE_TEST_SUITE_P(DropList, DropListReentry, ReentryCases(kProvocations),
                         ReentryCaseNames(kProvocations));

// One scripted session; any change in what the parent hears, or in its order, shows here.
TEST_F(DropListFixture, NotificationSequenceOfATypicalSession) {
  Fill(drop, 5);
  const POINT face = ScreenPoint(drop, kWidth - 6, 9);
  MoveTo(drop, 20, 9);                        // hover: nothing
  Drop(drop);                                 // open
  HoverAt(RowPoint(drop, 1));                 // rows follow the pointer: nothing
  ClickAt(RowPoint(drop, 2));                 // choose
  Key(VK_DOWN);                                // closed: the key as the code,
  Key(VK_BACK);                                // but Backspace's code would read as a choice
  Press(drop, kWidth - 6, 9);                  // open by a press, drag onto a row
  HoverAt(RowPoint(drop, 4));
  screen.MouseMove(face.x, face.y);            // and back onto the face
  screen.MouseUp(face.x, face.y);              // released on the face: still open
  Pump();
  ClickAt(RowPoint(drop, 3));                 // choose
  Drop(drop);                                 // open, then Escape: no choice
  Key(VK_ESCAPE);
  Drop(drop);                                 // open, Up, Enter
  Key(VK_UP);
  Key(VK_RETURN);
  screen.MouseWheel(-WHEEL_DELTA);             // closed: the wheel tells nothing
  Pump();
  const Heard expected = {
      {WM_NOTIFY, kId, kOpen}, {WM_NOTIFY, kId, kSelect}, {WM_NOTIFY, kId, kDone},
      {WM_NOTIFY, kId, VK_DOWN}, {WM_KEYDOWN, VK_BACK, 0}, {WM_NOTIFY, kId, kOpen},
      {WM_NOTIFY, kId, kSelect}, {WM_NOTIFY, kId, kDone}, {WM_NOTIFY, kId, kOpen},
      {WM_NOTIFY, kId, kOpen}, {WM_NOTIFY, kId, kSelect}, {WM_NOTIFY, kId, kDone}};
  EXPECT_EQ(HeardFrom(parent, kId), expected);
  EXPECT_EQ(parent.notices.size(), expected.size());
  EXPECT_EQ(drop.GetCurSel(), 2);
}

// Every entry point taking an index, a pointer or a string, with the values a careless host
// passes: each is refused as documented and leaves items, data, selection, text and the
// pop-up's colour keys as they were.
TEST_F(DropListFixture, BadArgumentsAreRefusedAndChangeNothing) {
  Fill(drop, 3);
  for (int i = 0; i < 3; ++i) drop.SetItemData(i, 100 + i);
  drop.SetCurSel(1);
  const std::wstring mega(1 << 20, L'k');
  using Clr = DropList::ELEMENTDROPWND_CLR;
  std::vector<std::tuple<std::string, std::function<long long()>, long long>> rows = {
      {"InitObject(null)", [&] { return drop.InitObject(L"x", nullptr); }, 0},
      {"AddString(null)", [&] { return drop.AddString(nullptr); }, -1},
      {"InsertString(0, null)", [&] { return drop.InsertString(0, nullptr); }, -1},
  };
  const auto call = [](std::string name, int i) {
    return name.append("(").append(std::to_string(i)).append(")");
  };
  // -1 and the count are good places to insert at; any index outside the items is refused.
  for (const int i : {-2, 4, INT_MIN, INT_MAX})
    rows.push_back({call("InsertString", i), [this, i] { return drop.InsertString(i, L"x"); },
                    -1});
  for (const int i : {-1, 3, 4, INT_MIN, INT_MAX}) {
    rows.push_back({call("DeleteString", i), [this, i] { return drop.DeleteString(unsigned(i)); },
                    -1});
    rows.push_back({call("SetItemData", i), [this, i] { return drop.SetItemData(i, 9); }, 0});
    rows.push_back({call("GetItemData", i), [this, i] { return drop.GetItemData(i); }, 0});
    rows.push_back({call("GetItemText", i), [this, i] { return drop.GetItemText(i).size(); }, 0});
  }
  for (const int role : {-1, 5, INT_MIN, INT_MAX})
    rows.push_back({call("SetDropWndClr", role),
                    [this, role] { return drop.SetDropWndClr(Clr(role), L"x"), 0; }, 0});
  const auto state = [&] {
    std::vector<std::wstring> seen{drop.GetTextString().GetString(), Popup(drop).GetBkKey()};
    for (int role = 0; role < CDropList::kRoleCount; ++role)
      seen.push_back(PopupList(drop).GetColorKey(role));
    for (int i = 0; i < drop.GetCount(); ++i)
      seen.push_back(drop.GetItemText(i) + std::to_wstring(drop.GetItemData(i)));
    return std::pair{drop.GetCurSel(), seen};
  };
  const auto before = state();
  for (const auto& [call, run, result] : rows) {
    EXPECT_EQ(run(), result) << call;
    EXPECT_EQ(state(), before) << call;
  }
  EXPECT_TRUE(parent.notices.empty());
  // Values that are kept as they are: any selection, any page count, a null key, a text too
  // long to show. The pop-up still opens, a row at least high, and closes.
  drop.AddString(mega.c_str());
  drop.SetDropWndClr(DropList::DROPWND_CLR_ITEM_NORMAL, nullptr);
  for (const int value : {-1, 0, 4, 5, INT_MIN, INT_MAX}) {
    EXPECT_EQ(drop.SetCurSel(value), 0);
    EXPECT_EQ(drop.GetCurSel(), value);
    drop.SetDropPageCount(value);
    Drop(drop);
    ASSERT_TRUE(IsOpen(drop)) << value;
    EXPECT_GE(PopupRect(drop).Height(), 20) << value;
    Key(VK_ESCAPE);
  }
}

}  // namespace
}  // namespace trellis::test
