// The environment's keyboard operation, key by key through the host window: with it on, each
// key does what the click it stands for does (the same state, the same notices to the parent)
// and the parent still hears the key as before; with it off, the parent hears only what it
// heard before and nothing changes.
#include <functional>
#include <memory>
#include <string>
#include <tuple>

#include "button/CElementButtonSys.h"
#include "choice/CElementRadio.h"
#include "choice/CRatioGroup.h"
#include "datepicker/CElementDatePicker.h"
#include "droplist/CDropWnd.h"
#include "droplist/CElementDropList.h"
#include "host/CElementHost.h"
#include "host/CGlobalEnv.h"
#include "tests/support/HostFixture.h"
#include "tree/CElementTree.h"
#include "tree/CTreeItem.h"

namespace trellis::test {
namespace {

enum : DWORD { kButton = 11, kRadio1, kRadio2, kDropList, kPicker, kTree, kPanel };

// Where a click opens or checks the first row's item.
class KeyTree : public CElementTree {
 public:
  POINT RowPart(bool check) {
    m_pItemPainter->SetItemValue(m_vecItems[1]);
    const TreeRowGeometry g = m_pItemPainter->GetRowGeometry(GetShowRects().at(0), 20);
    return {(check ? g.check : g.button).CenterPoint().x, g.mid};
  }
};

// Records the keys that reach it as an element, besides its children's notices.
class KeyPanel : public RecordingParent {
 protected:
  int OnKeyDown(UINT vk, UINT, UINT) override {
    notices.push_back({kPanel, WM_KEYDOWN, vk, 0, 0});
    return 1;
  }
};

// Every control, made after the switch is set: a button and a radio decide at InitObject.
struct Board {
  Board(HostFixture& f, bool on) {
    CGlobalEnv::GetGlobalEnv()->SetKeyboardOperation(on);
    _CONTAINER_INFO info = f.Info(0, 0, HostFixture::kWindowWidth, HostFixture::kWindowHeight);
    panel.InitObject(L"panel", &info);
    panel.RegisterMessage(WM_KEYDOWN);
    Place(f, button, 10, 10, 80, 24, kButton);
    Place(f, radio1, 10, 40, 100, 20, kRadio1);
    Place(f, radio2, 10, 62, 100, 20, kRadio2);
    group.AddRadioToGroup(&radio1);
    group.AddRadioToGroup(&radio2);
    Place(f, dropList, 150, 10, 120, 18, kDropList);
    for (const wchar_t* text : {L"one", L"two", L"three"}) dropList.AddString(text);
    Place(f, *picker, 150, 40, 120, 24, kPicker);
    Place(f, *tree, 150, 80, 200, 150, kTree);
    _TREE_ITEM top{.eCheck = TREE_CHECK_NO, .strText = L"top"};
    tree->InsertItem(top, nullptr);
    _TREE_ITEM child{.eCheck = TREE_CHECK_NO, .strText = L"child"};
    tree->InsertItem(child, &top);
    tree->RecalcAndRefresh();
    f.Pump();
  }
  ~Board() {
    for (CElementContainer* e : std::initializer_list<CElementContainer*>{
             &button, &radio1, &radio2, &dropList, picker.p, tree.p, &panel})
      e->ReleaseObject();
  }
  template <class Element>
  void Place(HostFixture& f, Element& e, int x, int y, int cx, int cy, DWORD id) {
    _CONTAINER_INFO info = f.Info(x, y, cx, cy, id);
    info.SetParent(&panel);
    e.InitObject(L"control", &info);
  }
  // What the user can see change: checks, open pop-ups, the tree's first item, the focus.
  std::string State(HostFixture& f) {
    _TREE_ITEM top;
    tree->GetItemById(1, top);
    const CElementContainer* focus = f.window.Host()->Focus();
    return std::to_string(radio1.GetCheck()) + std::to_string(radio2.GetCheck()) +
           " list " + std::to_string(dropList.GetDropWnd()->IsOpen()) + " calendar " +
           std::to_string(::GetFocus() != f.window.m_hWnd) + " tree " +
           std::to_string(top.nOpen) + std::to_string(top.eCheck) + " focus " +
           std::to_string(focus ? focus->GetID() : 0);
  }
  // (sender, message, code): a WM_NOTIFY's code (the tree's rides in wParam), a key's key.
  std::vector<std::tuple<DWORD, UINT, int>> Heard() {
    std::vector<std::tuple<DWORD, UINT, int>> heard;
    for (const Notice& n : panel.notices)
      heard.push_back({n.from, n.msg,
                       n.msg == WM_NOTIFY && n.from != kTree ? int(n.code) : int(n.wParam)});
    panel.notices.clear();
    return heard;
  }

  KeyPanel panel;
  CElementButtonSys button;
  CElementRadio radio1, radio2;
  CRatioGroup group;
  CElementDropList dropList;
  CComPtr<CElementDatePicker> picker{new CElementDatePicker};
  CComPtr<KeyTree> tree{new KeyTree};
};

class KeyboardOperation : public HostFixture {};

TEST_F(KeyboardOperation, EachKeyClicksWhenOnAndIsOnlyPassedOnWhenOff) {
  using Heard = std::vector<std::tuple<DWORD, UINT, int>>;
  using Part = std::function<CElementContainer&(Board&)>;
  // The key notice of a control that reports keys: WM_NOTIFY from the drop list, WM_KEYDOWN
  // from the tree; and a key passed on to the panel as an element.
  const auto notice = [](DWORD from, int vk) {
    return std::tuple<DWORD, UINT, int>{from, from == kTree ? WM_KEYDOWN : WM_NOTIFY, vk};
  };
  const auto passed = [](int vk) { return std::tuple<DWORD, UINT, int>{kPanel, WM_KEYDOWN, vk}; };
  const Part button = [](Board& b) -> CElementContainer& { return b.button; };
  const Part radio1 = [](Board& b) -> CElementContainer& { return b.radio1; };
  const Part radio2 = [](Board& b) -> CElementContainer& { return b.radio2; };
  const Part list = [](Board& b) -> CElementContainer& { return b.dropList; };
  const Part dropButton = [](Board& b) -> CElementContainer& {
    return *b.picker->GetDropButton();
  };
  const Part tree = [](Board& b) -> CElementContainer& { return *b.tree; };
  const auto clickOn = [this](Part part, int x, int y) {
    return [this, part, x, y](Board& b) { Click(part(b), x, y); };
  };
  const auto treeClick = [this](bool check) {
    return [this, check](Board& b) {
      const POINT at = b.tree->RowPart(check);
      Click(*b.tree, at.x, at.y);
    };
  };
  // {name, focus, key, with Alt, the click it stands for (none: the key only passes), what the
  // parent hears of the key itself off and on; on, the click's notices follow the Alt key's}
  struct Row {
    const char* name;
    Part focus;
    UINT vk;
    bool alt;
    std::function<void(Board&)> click;
    Heard off, on;
  };
  const Row rows[] = {
      {"button, Space", button, VK_SPACE, false, clickOn(button, 5, 5), {passed(VK_SPACE)}, {}},
      {"button, Enter", button, VK_RETURN, false, clickOn(button, 5, 5), {passed(VK_RETURN)}, {}},
      {"button, another key", button, 'A', false, nullptr, {passed('A')}, {passed('A')}},
      {"radio, Space", radio1, VK_SPACE, false, clickOn(radio1, 50, 9), {passed(VK_SPACE)}, {}},
      {"radio, Enter", radio1, VK_RETURN, false, clickOn(radio1, 50, 9), {passed(VK_RETURN)}, {}},
      {"radio, Down", radio1, VK_DOWN, false, clickOn(radio2, 50, 9), {passed(VK_DOWN)}, {}},
      {"radio, Left", radio2, VK_LEFT, false, clickOn(radio1, 50, 9), {passed(VK_LEFT)}, {}},
      {"radio, another key", radio1, 'A', false, nullptr, {passed('A')}, {passed('A')}},
      {"drop list, F4", list, VK_F4, false, clickOn(list, 60, 9), {notice(kDropList, VK_F4)},
       {notice(kDropList, VK_F4)}},
      {"drop list, Alt+Down", list, VK_DOWN, true, clickOn(list, 60, 9),
       {notice(kDropList, VK_MENU), notice(kDropList, VK_DOWN)},
       {notice(kDropList, VK_MENU), notice(kDropList, VK_DOWN)}},
      {"drop list, Down", list, VK_DOWN, false, nullptr, {notice(kDropList, VK_DOWN)},
       {notice(kDropList, VK_DOWN)}},
      {"date picker, F4", dropButton, VK_F4, false, clickOn(dropButton, 5, 5), {passed(VK_F4)},
       {}},
      {"date picker, Alt+Down", dropButton, VK_DOWN, true, clickOn(dropButton, 5, 5),
       {passed(VK_MENU), passed(VK_DOWN)}, {passed(VK_MENU)}},
      {"tree, Right", tree, VK_RIGHT, false, treeClick(false), {notice(kTree, VK_RIGHT)},
       {notice(kTree, VK_RIGHT)}},
      {"tree, +", tree, VK_ADD, false, treeClick(false), {notice(kTree, VK_ADD)},
       {notice(kTree, VK_ADD)}},
      {"tree, Space", tree, VK_SPACE, false, treeClick(true), {notice(kTree, VK_SPACE)},
       {notice(kTree, VK_SPACE)}},
      {"tree, Left on a closed item", tree, VK_LEFT, false, nullptr, {notice(kTree, VK_LEFT)},
       {notice(kTree, VK_LEFT)}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    // What the click does and sends, from the same start.
    std::string clicked;
    Heard clickHeard;
    {
      Board b(*this, true);
      row.focus(b).SetFocus();
      b.Heard();
      Advance(1000);  // not the second half of the last row's double click
      if (row.click) row.click(b);
      clicked = b.State(*this);
      clickHeard = b.Heard();
      Key(VK_ESCAPE);  // no pop-up outlives its control
    }
    for (const bool on : {false, true}) {
      SCOPED_TRACE(on ? "on" : "off");
      Board b(*this, on);
      row.focus(b).SetFocus();
      b.Heard();
      const std::string before = b.State(*this);
      if (row.alt) screen.KeyDown(VK_MENU), Pump();
      Key(row.vk);
      if (row.alt) screen.KeyUp(VK_MENU), Pump();
      Heard expected = on ? row.on : row.off;
      if (on) expected.insert(expected.begin() + (row.alt ? 1 : 0), clickHeard.begin(),
                              clickHeard.end());
      EXPECT_EQ(b.State(*this), on ? clicked : before);
      EXPECT_EQ(b.Heard(), expected);
      Key(VK_ESCAPE);
    }
  }
}

}  // namespace
}  // namespace trellis::test
