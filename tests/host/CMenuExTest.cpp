// The pop-up menu driven as a user drives it: an element opens it, input arrives at screen
// coordinates, and the choice comes back to the element's OnMenuCommand.
#include <gtest/gtest.h>

#include <memory>

#include "host/CElementHostWnd.h"
#include "host/CMenuEx.h"
#include "host/CMenuWnd.h"
#include "host/ThemeLookup.h"
#include "platform/backend/headless/HeadlessScreen.h"
#include "tests/host/HostTestSupport.h"
#include "tests/support/Golden.h"

namespace {

using platform::MouseButton;

constexpr DWORD kOpenerId = 7;

// Opens a menu like the edit box's context menu: on the right button, at the pointer, from a
// CMenuEx that is gone as soon as tracking returns.
class MenuOpener : public CElementContainer {
 public:
  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override {
    if (!CElementContainer::InitObject(name, info)) return 0;
    for (UINT msg : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_RBUTTONUP}) RegisterMessage(msg);
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
    return 1;
  }
  int OnLButtonDown(POINT) override {
    ++leftPresses;
    return 1;
  }
  int OnRButtonDown(POINT pt) override { return openOnPress ? OpenAt(pt) : 1; }
  int OnRButtonUp(POINT pt) override { return openOnPress ? 1 : OpenAt(pt); }

  UINT tpmFlags = TPM_RIGHTBUTTON;
  CMenuEx::OPEN_MODE openMode = CMenuEx::OPEN_DOWN;
  CMenuEx::MENUBK_MODE backgroundMode = CMenuEx::MENUBK_SOLID;
  bool openOnPress = false;
  std::vector<DWORD> commands;
  int leftPresses = 0;

 private:
  int OpenAt(POINT pt) {
    const CRect place = GetContainerRect();
    POINT screen{place.left + pt.x, place.top + pt.y};
    ::ClientToScreen(GetVMWindow(), &screen);
    Open(screen);
    return 1;
  }
};

// Item indexes of the opener's menu.
enum : int { kUndo, kCutGreyed, kCopy, kSeparator, kPaste, kSelectAll };

class MenuTest : public trellis::test::HostEnvTest {
 protected:
  void SetUp() override {
    // The host fills the screen, so every point of it is a place to open the menu at.
    ASSERT_TRUE(host.CreateHost(L"host", CRect(1, 1, 799, 599)));
    _CONTAINER_INFO info;
    info.SetSize(798, 598);
    info.SetId(kOpenerId);
    info.SetParent(host.Root());
    ASSERT_TRUE(opener->InitObject(L"opener", &info));
    screen.PumpUntilIdle();
  }

  // Right-clicks the opener at a screen point; the menu that opened, or null.
  CMenuWnd* OpenAt(int x, int y) {
    screen.Click(x, y, MouseButton::Right);
    screen.PumpUntilIdle();
    return CMenuWnd::FromMenuWindow(::GetFocus());
  }
  static CPoint Center(CMenuWnd* menu, int item) { return menu->GetItemRect(item).CenterPoint(); }
  void ClickItem(CMenuWnd* menu, int item, MouseButton button = MouseButton::Left) {
    const CPoint at = Center(menu, item);
    screen.Click(at.x, at.y, button);
    screen.PumpUntilIdle();
  }
  void Key(UINT vk) {
    screen.KeyPress(vk);
    screen.PumpUntilIdle();
  }
  // Whether the menu is closed and the keyboard is back with the host window.
  bool ClosedBackToHost(HWND menu) const { return !::IsWindow(menu) && ::GetFocus() == host.m_hWnd; }

  platform::headless::HeadlessScreen screen{800, 600};
  CElementHostWnd host;
  std::unique_ptr<MenuOpener> opener = std::make_unique<MenuOpener>();
};

TEST_F(MenuTest, OpensAsAnOwnedTopmostPopupAtThePoint) {
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(menu->IsWindowVisible());
  EXPECT_EQ(::GetParent(menu->m_hWnd), host.m_hWnd);
  EXPECT_EQ(menu->GetExStyle() & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST), WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
  EXPECT_EQ(::GetCapture(), menu->m_hWnd);
  CRect window;
  menu->GetWindowRect(&window);
  EXPECT_EQ(window.TopLeft(), CPoint(150, 120));
}

TEST_F(MenuTest, AClickChoosesOnReleaseAndTheChoiceReachesTheElement) {
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  const HWND hwnd = menu->m_hWnd;
  const CPoint copy = Center(menu, kCopy);
  screen.MouseDown(copy.x, copy.y);
  screen.PumpUntilIdle();
  EXPECT_TRUE(::IsWindow(hwnd));
  EXPECT_TRUE(opener->commands.empty());
  screen.MouseUp(copy.x, copy.y);
  screen.PumpUntilIdle();
  EXPECT_EQ(opener->commands, std::vector<DWORD>{3});
  EXPECT_TRUE(ClosedBackToHost(hwnd));
}

TEST_F(MenuTest, GreyedItemsAndSeparatorsCannotBeChosen) {
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  const HWND hwnd = menu->m_hWnd;
  ClickItem(menu, kCutGreyed);
  ClickItem(menu, kSeparator);
  Key(VK_RETURN);  // nothing is highlighted
  EXPECT_TRUE(::IsWindowVisible(hwnd));
  EXPECT_TRUE(opener->commands.empty());
}

TEST_F(MenuTest, TheKeyboardWalksChoosableItemsAndEnterChooses) {
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  const HWND hwnd = menu->m_hWnd;
  // Each row: key, highlighted item after it.
  const std::pair<UINT, int> walk[] = {{VK_DOWN, kUndo},  {VK_DOWN, kCopy}, {VK_DOWN, kPaste},
                                       {VK_DOWN, kSelectAll}, {VK_DOWN, kUndo}, {VK_UP, kSelectAll},
                                       {VK_UP, kPaste}};
  for (const auto& [key, hot] : walk) {
    Key(key);
    ASSERT_EQ(menu->GetHotItem(), hot) << "after key " << key;
  }
  Key(VK_RETURN);
  EXPECT_EQ(opener->commands, std::vector<DWORD>{4});
  EXPECT_TRUE(ClosedBackToHost(hwnd));
}

TEST_F(MenuTest, EscapeClosesWithoutAChoice) {
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  const HWND hwnd = menu->m_hWnd;
  Key(VK_DOWN);
  Key(VK_ESCAPE);
  EXPECT_TRUE(ClosedBackToHost(hwnd));
  EXPECT_EQ(::GetActiveWindow(), host.m_hWnd);
  EXPECT_TRUE(opener->commands.empty());
}

TEST_F(MenuTest, APressOutsideClosesTheMenuAndGoesNowhereElse) {
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  const HWND hwnd = menu->m_hWnd;
  screen.Click(100, 100);
  screen.PumpUntilIdle();
  EXPECT_TRUE(ClosedBackToHost(hwnd));
  EXPECT_TRUE(opener->commands.empty());
  EXPECT_EQ(opener->leftPresses, 0);
  // The capture went with the menu: the next click is the element's again.
  screen.Click(100, 100);
  screen.PumpUntilIdle();
  EXPECT_EQ(opener->leftPresses, 1);
}

TEST_F(MenuTest, TheRightButtonChoosesOnlyWhenAskedFor) {
  opener->tpmFlags = TPM_LEFTBUTTON;
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  ClickItem(menu, kUndo, MouseButton::Right);
  EXPECT_TRUE(opener->commands.empty());
  ClickItem(menu, kUndo, MouseButton::Left);
  EXPECT_EQ(opener->commands, std::vector<DWORD>{1});

  opener->tpmFlags = TPM_RIGHTBUTTON;
  menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  ClickItem(menu, kPaste, MouseButton::Right);
  EXPECT_EQ(opener->commands, (std::vector<DWORD>{1, 4}));
}

TEST_F(MenuTest, APressThatOpensTheMenuCanDragOntoAnItem) {
  opener->openOnPress = true;
  screen.MouseDown(150, 120, MouseButton::Right);
  screen.PumpUntilIdle();
  CMenuWnd* menu = CMenuWnd::FromMenuWindow(::GetFocus());
  ASSERT_NE(menu, nullptr);
  // Releasing where it was pressed, on the menu's corner, leaves it open.
  screen.MouseUp(150, 120, MouseButton::Right);
  screen.PumpUntilIdle();
  ASSERT_TRUE(menu->IsWindowVisible());
  const CPoint copy = Center(menu, kCopy);
  screen.MouseDown(150, 120, MouseButton::Right);
  screen.MouseMove(copy.x, copy.y);
  screen.MouseUp(copy.x, copy.y, MouseButton::Right);
  screen.PumpUntilIdle();
  EXPECT_EQ(opener->commands, std::vector<DWORD>{3});
}

TEST_F(MenuTest, TheHoveredRowIsHighlightedAndFollowsThePointer) {
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  const COLORREF background = ThemeColor(L"Menu.Background"), hot = ThemeColor(L"Menu.SelBack");
  ASSERT_NE(background, hot);
  // A point of each row away from its text.
  const auto rowColor = [&](int item) {
    const CRect row = menu->GetItemRect(item);
    return screen.PixelAt(row.right - 3, row.CenterPoint().y);
  };
  const auto hover = [&](POINT at) {
    screen.MouseMove(at.x, at.y);
    screen.PumpUntilIdle();
  };
  EXPECT_EQ(rowColor(kUndo), background);
  hover(Center(menu, kUndo));
  EXPECT_EQ(rowColor(kUndo), hot);
  EXPECT_EQ(rowColor(kCopy), background);
  hover(Center(menu, kCopy));
  EXPECT_EQ(rowColor(kUndo), background);
  EXPECT_EQ(rowColor(kCopy), hot);
  // Greyed rows and the world outside highlight nothing.
  hover(Center(menu, kCutGreyed));
  EXPECT_EQ(rowColor(kCutGreyed), background);
  EXPECT_EQ(rowColor(kCopy), background);
  hover(Center(menu, kPaste));
  hover({600, 500});
  EXPECT_EQ(rowColor(kPaste), background);
}

TEST_F(MenuTest, AnOpenMenuLooksRight) {
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  const CPoint copy = Center(menu, kCopy);
  screen.MouseMove(copy.x, copy.y);
  screen.PumpUntilIdle();
  CRect window;
  menu->GetWindowRect(&window);
  const platform::Surface& composed = screen.Composed();
  platform::Surface picture;
  ASSERT_TRUE(picture.Allocate(window.Width(), window.Height()));
  for (int y = 0; y < window.Height(); ++y)
    std::copy_n(composed.Row(window.top + y) + window.left, window.Width(), picture.Row(y));
  EXPECT_TRUE(trellis::test::MatchesGolden(picture, "host/menu_open"));
}

TEST_F(MenuTest, TheGradientBackgroundDeepensDownwards) {
  opener->backgroundMode = CMenuEx::MENUBK_GRADIENT;
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  CRect window;
  menu->GetWindowRect(&window);
  const COLORREF background = ThemeColor(L"Menu.Background");
  const COLORREF top = screen.PixelAt(window.right - 3, window.top + 1);
  const COLORREF bottom = screen.PixelAt(window.right - 3, window.bottom - 2);
  EXPECT_EQ(top, background);
  EXPECT_NE(bottom, background);
  // Towards the separator colour, which the default theme has darker than the background.
  EXPECT_LT(GetGValue(bottom), GetGValue(background));
}

TEST_F(MenuTest, StaysOnTheScreenAndHonoursTheOpenMode) {
  CMenuWnd* menu = OpenAt(790, 590);
  ASSERT_NE(menu, nullptr);
  CRect window;
  menu->GetWindowRect(&window);
  // No room below or to the right: it opens up and to the left of the point.
  EXPECT_EQ(window.BottomRight(), CPoint(790, 590));
  Key(VK_ESCAPE);

  opener->openMode = CMenuEx::OPEN_UP;
  menu = OpenAt(300, 400);
  ASSERT_NE(menu, nullptr);
  menu->GetWindowRect(&window);
  EXPECT_EQ(window.left, 300);
  EXPECT_EQ(window.bottom, 400);
}

TEST_F(MenuTest, TheMenuOutlivesItsElementQuietly) {
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  const HWND hwnd = menu->m_hWnd;
  const CPoint undo = Center(menu, kUndo);
  opener.reset();
  screen.Click(undo.x, undo.y);
  screen.PumpUntilIdle();
  EXPECT_TRUE(ClosedBackToHost(hwnd));
}

TEST_F(MenuTest, DestroyingTheOwnerTakesTheOpenMenuWithIt) {
  CMenuWnd* menu = OpenAt(150, 120);
  ASSERT_NE(menu, nullptr);
  const HWND hwnd = menu->m_hWnd;
  host.DestroyWindow();
  EXPECT_FALSE(::IsWindow(hwnd));
  screen.Click(150, 130);
  screen.KeyPress(VK_RETURN);
  EXPECT_TRUE(screen.PumpUntilIdle());
  EXPECT_TRUE(opener->commands.empty());
}

TEST_F(MenuTest, OpeningAnotherMenuClosesTheFirst) {
  CMenuWnd* first = OpenAt(150, 120);
  ASSERT_NE(first, nullptr);
  const HWND firstWnd = first->m_hWnd;
  ASSERT_TRUE(opener->Open({400, 300}));
  screen.PumpUntilIdle();
  EXPECT_FALSE(::IsWindow(firstWnd));
  CMenuWnd* second = CMenuWnd::FromMenuWindow(::GetFocus());
  ASSERT_NE(second, nullptr);
  ClickItem(second, kSelectAll);
  EXPECT_EQ(opener->commands, std::vector<DWORD>{6});
}

TEST_F(MenuTest, RefusesToTrackWithoutItemsOrOwner) {
  CMenuEx empty;
  EXPECT_FALSE(empty.TrackPopupMenuWithContainerID(0, 10, 10, &host, kOpenerId, nullptr));

  CMenuEx menu;
  ASSERT_TRUE(menu.AppendMenuEx(MF_ENABLED, 1, L"one"));
  EXPECT_FALSE(menu.TrackPopupMenuWithContainerID(0, 10, 10, nullptr, kOpenerId, nullptr));
  CWnd unattached;
  EXPECT_FALSE(menu.TrackPopupMenuWithContainerID(0, 10, 10, &unattached, kOpenerId, nullptr));
  EXPECT_EQ(::GetFocus(), host.m_hWnd);
  EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(MenuTest, AppendRefusesUnknownFlagsAndMissingText) {
  CMenuEx menu;
  EXPECT_FALSE(menu.AppendMenuEx(0x0002, 1, L"disabled is not a look of ours"));
  EXPECT_FALSE(menu.AppendMenuEx(MF_ENABLED, 1, nullptr));
  EXPECT_EQ(menu.GetMenuItemCount(), 0);
  EXPECT_TRUE(menu.AppendMenuEx(MF_SEPARATOR, 0, nullptr));
  EXPECT_TRUE(menu.AppendMenuEx(MF_GRAYED, 2, L""));
  EXPECT_EQ(menu.GetMenuItemCount(), 2);
}

}  // namespace
