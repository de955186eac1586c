// The MFC window object: creation through handlers, reflection, pre-translation and the end of
// a window's life. Painting through its handler is what every host window does.
#include <string>

#include "platform/mfc/AfxMessageLoop.h"
#include "platform/mfc/CWnd.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

// Records the handlers it sees as short names.
class RecordingWnd : public CWnd {
 public:
  std::vector<std::string> calls;

 protected:
  int OnCreate(LPCREATESTRUCT cs) override {
    calls.push_back("create");
    EXPECT_EQ(::IsWindow(m_hWnd), TRUE);
    return CWnd::OnCreate(cs);
  }
  void OnSize(UINT type, int cx, int cy) override {
    calls.push_back("size " + std::to_string(cx) + "x" + std::to_string(cy));
    CWnd::OnSize(type, cx, cy);
  }
  void OnDestroy() override {
    calls.push_back("destroy");
    CWnd::OnDestroy();
  }
  void OnNcDestroy() override {
    calls.push_back("ncdestroy");
    CWnd::OnNcDestroy();
  }
  void PostNcDestroy() override { calls.push_back("post"); }
};

using CWndTest = WindowTest;

TEST_F(CWndTest, HandlersSeeTheCreationAndDestructionOfTheirWindow) {
  RecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 10, 10, 120, 80, nullptr, nullptr));
  const HWND hwnd = wnd.m_hWnd;
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &wnd);
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_EQ(wnd.calls,
            (std::vector<std::string>{"create", "size 120x80", "destroy", "ncdestroy", "post"}));
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
  EXPECT_FALSE(wnd.DestroyWindow());
  // An object going out of scope takes its window with it.
  HWND scoped;
  {
    CWnd temp;
    ASSERT_TRUE(temp.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
    scoped = temp.m_hWnd;
  }
  EXPECT_FALSE(IsWindow(scoped));
}

constexpr UINT kCodeForChild = 7;

// A control that handles one of its own notifications, and a parent that takes the rest.
class SelfNotifyingWnd : public CWnd {
 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    if (message != WM_NOTIFY || reinterpret_cast<NMHDR*>(lParam)->code != kCodeForChild)
      return CWnd::OnChildNotify(message, wParam, lParam, result);
    *result = 42;
    return TRUE;
  }
};
class NotifiedParent : public CWnd {
 public:
  std::vector<UINT> notified;

 protected:
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    if (CWnd::OnNotify(wParam, lParam, result)) return TRUE;  // the child took it
    notified.push_back(reinterpret_cast<NMHDR*>(lParam)->code);
    *result = 1;
    return TRUE;
  }
};

// A sender that leaves the window field unset, or sends no header at all, still reaches the
// parent safely.
TEST_F(CWndTest, AControlHandlesItsOwnNotificationsFirst) {
  NotifiedParent parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
  SelfNotifyingWnd child;
  ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 5));
  const struct {
    NMHDR header;
    LRESULT answer;
  } cases[] = {{{child.m_hWnd, 5, kCodeForChild}, 42},
               {{child.m_hWnd, 5, 8}, 1},
               {{reinterpret_cast<HWND>(0xDEADBEEF), 0, 3}, 1},
               {{nullptr, 0, 3}, 1}};
  for (const auto& c : cases)
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&c.header)), c.answer);
  EXPECT_EQ(parent.notified, (std::vector<UINT>{8, 3, 3}));
  EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 0, 0), 0);
}

class KeyEatingWnd : public CWnd {
 protected:
  BOOL PreTranslateMessage(MSG* msg) override {
    return msg->message == WM_KEYDOWN && msg->wParam == VK_ESCAPE;
  }
};

// A parent can take keys before they are dispatched; the loop runs until quit with its code,
// and WM_CLOSE destroys a window.
TEST_F(CWndTest, TheLoopPreTranslatesForParentsAndRunsUntilQuit) {
  KeyEatingWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr));
  HWND child = Make(WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, parent.m_hWnd);
  ::SetFocus(child);
  ClearLog();
  screen.KeyPress(VK_ESCAPE);
  screen.KeyPress(VK_RETURN);
  screen.PumpUntilIdle();
  const auto keys = Received({WM_KEYDOWN});
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0].wParam, VK_RETURN);
  parent.PostMessage(WM_CLOSE);
  PostQuitMessage(9);
  EXPECT_EQ(AfxRunMessageLoop(), 9);
  EXPECT_EQ(parent.m_hWnd, nullptr);
}

}  // namespace
}  // namespace trellis::test
