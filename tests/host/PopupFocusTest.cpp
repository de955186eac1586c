// The keyboard around our pop-ups, in a host window nested in the top-level one as the gallery
// nests its board (a pop-up's owner is then the top-level window, not the window that had the
// keyboard): after each way a pop-up closes, the keys reach the element showing the focus; and
// every pop-up closes when another window or another application takes the activation.
#include <functional>
#include <tuple>

#include "datepicker/CElementDatePicker.h"
#include "droplist/CDropWnd.h"
#include "droplist/CElementDropdown.h"
#include "edit/CElementEdit.h"
#include "host/CElementHost.h"
#include "tests/support/HostFixture.h"

namespace trellis::test {
namespace {

using Codes = std::vector<UINT>;

class PopupFocus : public HostFixture {
 protected:
  PopupFocus() {
    inner.CreateHost(L"inner", CRect(0, 100, kWindowWidth, kWindowHeight), WS_CHILD | WS_VISIBLE,
                     window.m_hWnd);
    _CONTAINER_INFO info = Info(0, 0, kWindowWidth, kWindowHeight - 100);
    info.SetParent(inner.Root());
    innerParent.InitObject(L"inner parent", &info);
    Place(edit, 10, 10, 150, 24);
    Place(*picker, 170, 10, 120, 24);
    Place(dropdown, 10, 50, 150, 18);
    other.CreateHost(L"other", CRect(500, 400, 600, 450));
    ::SetActiveWindow(window.m_hWnd);
    Pump();
  }
  void Place(CElementContainer& element, int x, int y, int cx, int cy) {
    _CONTAINER_INFO info = Info(x, y, cx, cy, 1);
    info.SetParent(&innerParent);
    element.InitObject(L"element", &info);
  }
  bool DropOpen() const { return dropdown.GetDropWnd()->IsOpen(); }
  // Open: the drop-down's list, or a pop-up that took the keyboard (calendar, menu).
  bool PopupOpen() const { return DropOpen() || ::GetFocus() != inner.m_hWnd; }
  void OpenCalendar() { Click(*picker, 112, 12); }
  void OpenMenu() { RightClick(edit, 20, 12); }
  void OpenList() { Click(dropdown, 144, 9); }

  CElementHostWnd inner, other;
  RecordingParent innerParent;
  CElementEdit edit;
  CComPtr<CElementDatePicker> picker{new CElementDatePicker};
  CElementDropdown dropdown;
};

TEST_F(PopupFocus, KeysReachTheFocusedElementAfterEachPopupCloses) {
  CElementEdit* box = dropdown.GetEdit();
  // {way, opening, closing, the element that must have the keys}
  const std::tuple<const char*, std::function<void()>, std::function<void()>, CElementEdit*>
      ways[] = {
          {"calendar, Escape", [&] { OpenCalendar(); }, [&] { Key(VK_ESCAPE); }, &edit},
          {"calendar, a day picked", [&] { OpenCalendar(); }, [&] { Key(VK_RETURN); }, &edit},
          {"calendar, a press beside it", [&] { OpenCalendar(); },
           [&] { Click(innerParent, 300, 150); }, &edit},
          {"menu, Escape", [&] { OpenMenu(); }, [&] { Key(VK_ESCAPE); }, &edit},
          {"list, Escape", [&] { OpenList(); }, [&] { Key(VK_ESCAPE); }, box},
          {"list, a row chosen", [&] { OpenList(); }, [&] { Key(VK_DOWN), Key(VK_RETURN); }, box},
      };
  for (const auto& [name, open, close, target] : ways) {
    SCOPED_TRACE(name);
    Click(edit, 140, 12);
    open();
    ASSERT_TRUE(PopupOpen());
    close();
    EXPECT_FALSE(PopupOpen());  // and so the keyboard is back in the window
    EXPECT_EQ(inner.Host()->Focus(), target);
    const int length = target->GetTextString().GetLength();
    Type(L"x");
    EXPECT_EQ(target->GetTextString().GetLength(), length + 1);
  }
}

// Another of our windows activated, or the whole desktop losing the keyboard (the OS window
// showing it did): each pop-up closes as on a press outside it, telling what that tells; when
// the keyboard comes back, the keys reach the element that had them.
TEST_F(PopupFocus, PopupsCloseWhenAnotherWindowTakesTheActivation) {
  const auto osWindow = [&](bool gained) { screen.KeyboardFocus(gained), Pump(); };
  const auto activate = [&](HWND hwnd) { ::SetActiveWindow(hwnd), Pump(); };
  // {the activation going, and coming back}
  const std::pair<std::function<void()>, std::function<void()>> aways[] = {
      {[&] { activate(other.m_hWnd); }, [&] { activate(window.m_hWnd); }},
      {[&] { osWindow(false); }, [&] { osWindow(true); }},
  };
  // {pop-up, opening, what the parent hears as it closes}
  const std::tuple<const char*, std::function<void()>, Codes> popups[] = {
      {"calendar", [&] { OpenCalendar(); }, Codes{DTN_CLOSEUP}},
      {"menu", [&] { OpenMenu(); }, Codes{}},
      {"list", [&] { OpenList(); }, Codes{}},
  };
  for (const auto& [away, back] : aways) {
    for (const auto& [name, open, heard] : popups) {
      SCOPED_TRACE(name);
      Click(edit, 140, 12);
      open();
      ASSERT_TRUE(PopupOpen());
      const CElementContainer* focused = inner.Host()->Focus();
      innerParent.notices.clear();
      away();
      EXPECT_FALSE(DropOpen());
      EXPECT_NE(::GetActiveWindow(), window.m_hWnd);
      EXPECT_EQ(innerParent.NotifyCodes(), heard);
      back();
      EXPECT_FALSE(PopupOpen());
      EXPECT_EQ(inner.Host()->Focus(), focused);
    }
  }
}

}  // namespace
}  // namespace trellis::test
