// The pop-up menu driven as a user drives it: an element opens it, input arrives at screen
// coordinates, and the choice comes back to the element's OnMenuCommand.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "host/CElementHostWnd.h"
#include "host/CMenuEx.h"
#include "host/CMenuWnd.h"
#include "host/ThemeLookup.h"
#include "tests/support/AccessibleReader.h"
#include "tests/support/HostFixture.h"
#include "tests/support/Golden.h"
#include "tests/support/Pixels.h"

namespace {

using platform::MouseButton;

// Opens a menu as the edit box does: on the right button, at the pointer, from a CMenuEx that
// is gone as soon as tracking returns.
class MenuOpener : public CElementControl {
 public:
  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override {
    if (!CElementControl::InitObject(name, info)) return 0;
    for (UINT msg : {WM_LBUTTONDOWN, WM_RBUTTONUP}) RegisterMessage(msg);
    return 1;
  }
  BOOL Open(POINT screen) {
    CMenuEx menu(openMode, backgroundMode);
    menu.AppendMenuEx(MF_ENABLED, 1, L"撤销");
    menu.AppendMenuEx(MF_GRAYED, 2, L"剪切");
    menu.AppendMenuEx(MF_ENABLED, 3, L"拷贝");
    menu.AppendMenuEx(MF_SEPARATOR, 0, nullptr);
    menu.AppendMenuEx(MF_ENABLED, 4, L"粘贴");
    menu.AppendMenuEx(MF_ENABLED, 6, L"全选 Select all");
    return menu.TrackPopupMenuWithContainerID(tpmFlags, screen.x, screen.y, GetWndContainer(),
                                              GetID(), nullptr);
  }
  int OnMenuCommand(DWORD id) override {
    commands.push_back(id);
    if (onCommand) onCommand();
    return 1;
  }
  int OnLButtonDown(POINT) override { ++leftPresses; return 1; }
  int OnRButtonUp(POINT pt) override { return Open(ToScreen(pt)); }

  UINT tpmFlags = TPM_RIGHTBUTTON;
  CMenuEx::OPEN_MODE openMode = CMenuEx::OPEN_DOWN;
  CMenuEx::MENUBK_MODE backgroundMode = CMenuEx::MENUBK_SOLID;
  std::vector<DWORD> commands;
  std::function<void()> onCommand;  // what the element does on hearing its choice
  int leftPresses = 0;

 private:
  POINT ToScreen(POINT pt) const {
    POINT screen{GetContainerRect().left + pt.x, GetContainerRect().top + pt.y};
    ::ClientToScreen(GetVMWindow(), &screen);
    return screen;
  }
};

// Item indexes of the opener's menu.
enum : int { kUndo, kCutGreyed, kCopy, kSeparator, kPaste, kSelectAll };
using Commands = std::vector<DWORD>;

class MenuTest : public trellis::test::HostFixture {
 protected:
  MenuTest() { MakeOpener(); }
  void MakeOpener() {
    opener = std::make_unique<MenuOpener>();
    _CONTAINER_INFO info = Info(0, 0, kWindowWidth, kWindowHeight, 7);
    opener->InitObject(L"opener", &info);
    Pump();
  }

  // Right-clicks the opener at a screen point; the menu that opened, or null.
  CMenuWnd* OpenAt(int x, int y) {
    screen.Click(x, y, MouseButton::Right);
    Pump();
    m_hMenu = ::GetFocus();
    return CMenuWnd::FromMenuWindow(m_hMenu);
  }
  static CPoint Center(CMenuWnd* menu, int item) { return menu->GetItemRect(item).CenterPoint(); }
  void Click(CPoint at, MouseButton button = MouseButton::Left) {
    screen.Click(at.x, at.y, button);
    Pump();
  }
  // The last menu opened is gone and the keyboard is back with the host window.
  bool ClosedBackToHost() const { return !::IsWindow(m_hMenu) && ::GetFocus() == window.m_hWnd; }

  std::unique_ptr<MenuOpener> opener;
  HWND m_hMenu = nullptr;
};

TEST_F(MenuTest, OpensOwnedAndTopmostAtThePointAndChoosesOnRelease) {
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  EXPECT_EQ(::GetParent(m_hMenu), window.m_hWnd);
  const DWORD exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  EXPECT_EQ(menu->GetExStyle() & exStyle, exStyle);
  CRect shown;
  menu->GetWindowRect(&shown);
  EXPECT_EQ(shown.TopLeft(), CPoint(150, 120));
  // Greyed items and separators cannot be chosen; Enter with nothing highlighted does nothing.
  Click(Center(menu, kCutGreyed));
  Click(Center(menu, kSeparator));
  Key(VK_RETURN);
  EXPECT_TRUE(menu->IsWindowVisible());
  const CPoint copy = Center(menu, kCopy);
  screen.MouseDown(copy.x, copy.y);
  Pump();
  EXPECT_TRUE(opener->commands.empty());
  screen.MouseUp(copy.x, copy.y);
  Pump();
  EXPECT_EQ(opener->commands, Commands{3});
  EXPECT_TRUE(ClosedBackToHost());
}

TEST_F(MenuTest, TheKeyboardWalksChoosableItemsEnterChoosesEscapeAndAPressOutsideClose) {
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  // The walk itself is MenuItemWalk's; here the keys reach it and the highlight follows.
  for (UINT vk : {VK_DOWN, VK_DOWN}) Key(vk);
  EXPECT_EQ(menu->GetHotItem(), kCopy);
  for (UINT vk : {VK_UP, VK_UP, VK_UP}) Key(vk);
  EXPECT_EQ(menu->GetHotItem(), kPaste);
  Key(VK_ESCAPE);
  EXPECT_TRUE(ClosedBackToHost());
  // The press that closes the menu goes nowhere else; the next one reaches the element.
  ASSERT_NE(OpenAt(150, 120), nullptr);
  Click({100, 100});
  EXPECT_TRUE(ClosedBackToHost());
  EXPECT_EQ(opener->leftPresses, 0);
  Click({100, 100});
  EXPECT_EQ(opener->leftPresses, 1);
  ASSERT_NE(OpenAt(150, 120), nullptr);
  Key(VK_UP);
  Key(VK_RETURN);
  EXPECT_EQ(opener->commands, Commands{6});  // the only choice made
  EXPECT_TRUE(ClosedBackToHost());
}

TEST_F(MenuTest, TheRightButtonChoosesOnlyWhenAskedFor) {
  for (UINT flags : {UINT(TPM_LEFTBUTTON), UINT(TPM_RIGHTBUTTON)}) {
    opener->tpmFlags = flags;
    CMenuWnd* menu = OpenAt(150, 120);
    ASSERT_NE(menu, nullptr);
    Click(Center(menu, kUndo), MouseButton::Right);
    if (::IsWindow(m_hMenu)) Key(VK_ESCAPE);
  }
  EXPECT_EQ(opener->commands, Commands{1});
}

TEST_F(MenuTest, AnOpenMenuLooksRightAndOnlyTheHoveredChoosableRowIsHighlighted) {
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  screen.MouseMove(Center(menu, kCopy).x, Center(menu, kCopy).y);
  Pump();
  CRect shown;
  menu->GetWindowRect(&shown);
  EXPECT_TRUE(
      trellis::test::MatchesGolden(trellis::test::ScreenPart(screen, shown), "host/menu_open"));

  // Over a greyed row, or off the menu, no row is highlighted.
  const COLORREF plain = ThemeColor(L"Menu.Background");
  for (CPoint at : {Center(menu, kCutGreyed), CPoint(600, 500)}) {
    screen.MouseMove(at.x, at.y);
    Pump();
    for (int item : {kUndo, kCutGreyed, kCopy}) {
      const CRect row = menu->GetItemRect(item);
      EXPECT_EQ(screen.PixelAt(row.right - 3, row.CenterPoint().y), plain) << item;
    }
  }
}

// Where it opens is MenuPlacement's table; here the open mode and the background reach it.
TEST_F(MenuTest, TheOpenModeAndTheGradientBackgroundAreHonoured) {
  opener->openMode = CMenuEx::OPEN_UP;
  opener->backgroundMode = CMenuEx::MENUBK_GRADIENT;
  ASSERT_NE(OpenAt(300, 300), nullptr);
  CRect shown;
  ::GetWindowRect(m_hMenu, &shown);
  EXPECT_EQ(CPoint(shown.left, shown.bottom), CPoint(300, 300));
  const COLORREF top = screen.PixelAt(shown.right - 3, shown.top + 1);
  const COLORREF bottom = screen.PixelAt(shown.right - 3, shown.bottom - 2);
  EXPECT_EQ(top, ThemeColor(L"Menu.Background"));
  EXPECT_LT(GetGValue(bottom), GetGValue(top));  // deepening towards the separator colour
}

TEST_F(MenuTest, OpeningAnotherMenuClosesTheFirst) {
  ASSERT_NE(OpenAt(150, 120), nullptr);
  const HWND first = m_hMenu;
  ASSERT_TRUE(opener->Open({400, 300}));
  Pump();
  EXPECT_FALSE(::IsWindow(first));
  CMenuWnd* second = CMenuWnd::FromMenuWindow(::GetFocus());
  ASSERT_NE(second, nullptr);
  Click(Center(second, kSelectAll));
  EXPECT_EQ(opener->commands, Commands{6});
}

TEST_F(MenuTest, TheChoiceReachesTheElementThatOpenedTheMenuWhateverTheIds) {
  // Two elements without ids over the big opener: each choice goes to its own opener.
  MenuOpener left, right;
  for (auto [element, x] : {std::pair{&left, 100}, std::pair{&right, 250}}) {
    _CONTAINER_INFO info = Info(x, 100, 100, 100);
    ASSERT_TRUE(element->InitObject(L"idless", &info));
  }
  for (MenuOpener* element : {&right, &left}) {
    const POINT at = ScreenPoint(*element, 20, 20);
    ASSERT_NE(OpenAt(at.x, at.y), nullptr);
    Key(VK_DOWN);
    Key(VK_RETURN);
  }
  EXPECT_EQ(right.commands, Commands{1});
  EXPECT_EQ(left.commands, Commands{1});
  EXPECT_TRUE(opener->commands.empty());
}

// The opener or the window may go while the menu is open, or on hearing the choice.
TEST_F(MenuTest, TheOpenerOrTheWindowMayGoAtAnyTime) {
  const struct {
    bool onChoice;  // else while the menu is open
    bool window;    // else the opener
  } kCases[] = {{false, false}, {true, false}, {true, true}, {false, true}};
  for (const auto& c : kCases) {
    SCOPED_TRACE(testing::Message() << "on choice " << c.onChoice << ", window " << c.window);
    if (!::IsWindow(window.m_hWnd)) opener.reset(), OpenWindow();
    if (!opener) MakeOpener();
    const auto go = [&] { c.window ? window.DestroyWindow() : (opener.reset(), TRUE); };
    opener->commands.clear();
    opener->onCommand = c.onChoice ? std::function<void()>(go) : nullptr;
    ASSERT_NE(OpenAt(150, 120), nullptr);
    if (!c.onChoice) go();
    if (!c.onChoice) {
      EXPECT_EQ(::IsWindow(m_hMenu), !c.window);  // the window takes its menu with it
    }
    Key(VK_DOWN);
    Key(VK_RETURN);
    EXPECT_FALSE(::IsWindow(m_hMenu));
    EXPECT_TRUE(screen.PumpUntilIdle());
    if (!c.window) {
      EXPECT_EQ(::GetFocus(), window.m_hWnd);
    }
    // A menu whose opener or window went before the choice delivers nothing.
    EXPECT_TRUE(c.onChoice || !opener || opener->commands.empty());
  }
}

// A screen reader reads the open menu as a pop-up menu of its rows, hears it open, the
// highlighted row as the focus and the close; a row's default action chooses it.
TEST_F(MenuTest, ReadsAsAPopupMenuWhoseRowsAreItemsAndWhoseActionChooses) {
  using trellis::test::EventLog;
  using trellis::test::Read;
  EventLog log;
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  CComPtr<IAccessible> object = trellis::test::ClientObject(m_hMenu);
  ASSERT_TRUE(object);
  EXPECT_EQ(Read(object).role, DWORD(ROLE_SYSTEM_MENUPOPUP));
  const struct {
    const wchar_t* name;
    DWORD role;
    DWORD state;
    const wchar_t* action;
  } kRows[] = {{L"撤销", ROLE_SYSTEM_MENUITEM, STATE_SYSTEM_FOCUSABLE, L"Execute"},
               {L"剪切", ROLE_SYSTEM_MENUITEM, STATE_SYSTEM_UNAVAILABLE, L""},
               {L"拷贝", ROLE_SYSTEM_MENUITEM, STATE_SYSTEM_FOCUSABLE, L"Execute"},
               {L"", ROLE_SYSTEM_SEPARATOR, 0, L""},
               {L"粘贴", ROLE_SYSTEM_MENUITEM, STATE_SYSTEM_FOCUSABLE, L"Execute"},
               {L"全选 Select all", ROLE_SYSTEM_MENUITEM, STATE_SYSTEM_FOCUSABLE, L"Execute"}};
  ASSERT_EQ(Read(object).childCount, LONG(std::size(kRows)));
  for (LONG item = 1; item <= LONG(std::size(kRows)); ++item) {
    const auto& row = kRows[item - 1];
    const trellis::test::Reading r = Read(object, item);
    EXPECT_EQ(r.name, row.name);
    EXPECT_EQ(r.role, row.role);
    EXPECT_EQ(r.state, row.state);
    EXPECT_EQ(r.action, row.action);
    CRect place = menu->GetItemRect(int(item - 1));
    EXPECT_TRUE(EqualRect(&r.place, &place)) << "row " << item;
  }
  // A window's object is made afresh for each asker: events are told by window and row.
  std::vector<trellis::test::Heard> heard;
  const auto heardOn = [&](DWORD event, LONG row) {
    for (const auto& h : heard)
      if (h.event == event && h.hwnd == m_hMenu && h.child == row) return true;
    return false;
  };
  heard = log.Take();
  EXPECT_TRUE(heardOn(EVENT_SYSTEM_MENUPOPUPSTART, CHILDID_SELF));
  // The keyboard's highlight is the focus, on its row.
  Key(VK_DOWN);
  heard = log.Take();
  EXPECT_TRUE(heardOn(EVENT_OBJECT_FOCUS, menu->GetHotItem() + 1));
  EXPECT_TRUE(Read(object, menu->GetHotItem() + 1).state & STATE_SYSTEM_FOCUSED);
  VARIANT id;
  VariantInit(&id);
  id.vt = VT_I4;
  id.lVal = kCutGreyed + 1;
  EXPECT_NE(object->accDoDefaultAction(id), S_OK);  // a greyed row does nothing
  id.lVal = kPaste + 1;
  EXPECT_EQ(object->accDoDefaultAction(id), S_OK);
  Pump();
  EXPECT_EQ(opener->commands, Commands{4});
  EXPECT_TRUE(ClosedBackToHost());
  heard = log.Take();
  bool ended = false;
  for (const auto& h : heard) ended = ended || h.event == EVENT_SYSTEM_MENUPOPUPEND;
  EXPECT_TRUE(ended);
  // The object outlives its window, describing nothing.
  VARIANT role;
  VariantInit(&role);
  EXPECT_EQ(object->get_accRole(id, &role), E_FAIL);
}

TEST_F(MenuTest, RefusesBadInput) {
  CMenuEx menu;
  EXPECT_FALSE(menu.TrackPopupMenuWithContainerID(0, 10, 10, &window, 7, nullptr));  // no items
  EXPECT_FALSE(menu.AppendMenuEx(0x0002, 1, L"an unknown flag"));
  EXPECT_FALSE(menu.AppendMenuEx(MF_ENABLED, 1, nullptr));
  EXPECT_TRUE(menu.AppendMenuEx(MF_SEPARATOR, 0, nullptr));
  EXPECT_EQ(menu.GetMenuItemCount(), 1);
  CWnd unattached;
  EXPECT_FALSE(menu.TrackPopupMenuWithContainerID(0, 10, 10, nullptr, 7, nullptr));
  EXPECT_FALSE(menu.TrackPopupMenuWithContainerID(0, 10, 10, &unattached, 7, nullptr));
  EXPECT_EQ(::GetFocus(), window.m_hWnd);
  EXPECT_EQ(::GetCapture(), nullptr);
}

}  // namespace
