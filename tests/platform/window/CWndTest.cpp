// The MFC window object: creation through handlers, reflection, subclassing, pre-translation,
// paint DCs and the end of a window's life.
#include <string>

#include "platform/mfc/AfxMessageLoop.h"
#include "platform/mfc/CClientDC.h"
#include "platform/mfc/CPaintDC.h"
#include "platform/mfc/CScrollBar.h"
#include "platform/mfc/CWnd.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

constexpr UINT kCodeForChild = 7;
constexpr UINT kCodeForParent = 8;

// Records the handlers it sees as short names.
class RecordingWnd : public CWnd {
 public:
  std::vector<std::string> calls;
  CSize lastSize;
  RECT lastPaint{};
  bool postNcDestroyed = false;
  HWND focusFrom = nullptr;
  std::vector<UINT_PTR> timers;

 protected:
  int OnCreate(LPCREATESTRUCT cs) override {
    calls.push_back("create");
    EXPECT_EQ(::IsWindow(m_hWnd), TRUE);
    return CWnd::OnCreate(cs);
  }
  void OnSize(UINT type, int cx, int cy) override {
    calls.push_back("size");
    lastSize = {cx, cy};
    CWnd::OnSize(type, cx, cy);
  }
  void OnPaint() override {
    CPaintDC dc(this);
    dc.GetClipBox(&lastPaint);
    dc.FillSolidRect(&lastPaint, RGB(0, 128, 0));
    calls.push_back("paint");
  }
  void OnSetFocus(CWnd* old) override {
    focusFrom = old ? old->m_hWnd : nullptr;
    CWnd::OnSetFocus(old);
  }
  void OnTimer(UINT_PTR id) override { timers.push_back(id); }
  void OnDestroy() override {
    calls.push_back("destroy");
    CWnd::OnDestroy();
  }
  void OnNcDestroy() override {
    calls.push_back("ncdestroy");
    CWnd::OnNcDestroy();
  }
  void PostNcDestroy() override { postNcDestroyed = true; }
};

// A control that handles one of its own notifications.
class SelfNotifyingWnd : public CWnd {
 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lParam)->code == kCodeForChild) {
      if (result) *result = 42;
      return TRUE;
    }
    return CWnd::OnChildNotify(message, wParam, lParam, result);
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

class CWndTest : public WindowTest {};

TEST_F(CWndTest, HandlersSeeTheCreationAndDestructionOfTheirWindow) {
  RecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 10, 10, 120, 80, nullptr, nullptr));
  const HWND hwnd = wnd.m_hWnd;
  EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), &wnd);
  EXPECT_EQ(wnd.lastSize, CSize(120, 80));
  screen.PumpUntilIdle();
  EXPECT_EQ(wnd.calls, (std::vector<std::string>{"create", "size", "paint"}));
  EXPECT_EQ(screen.PixelAt(20, 20), RGB(0, 128, 0));
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_EQ(wnd.calls.back(), "ncdestroy");
  EXPECT_EQ(wnd.calls[wnd.calls.size() - 2], "destroy");
  EXPECT_TRUE(wnd.postNcDestroyed);
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

TEST_F(CWndTest, AControlHandlesItsOwnNotificationsFirst) {
  NotifiedParent parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr));
  SelfNotifyingWnd child;
  ASSERT_TRUE(child.Create(nullptr, L"", WS_VISIBLE, CRect(0, 0, 10, 10), &parent, 5));
  NMHDR header{child.m_hWnd, 5, kCodeForChild};
  EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&header)), 42);
  EXPECT_TRUE(parent.notified.empty());
  header.code = kCodeForParent;
  EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&header)), 1);
  // A sender that leaves the window field unset still reaches the parent.
  NMHDR unset{reinterpret_cast<HWND>(0xDEADBEEF), 0, 3};
  parent.SendMessage(WM_NOTIFY, 4096, reinterpret_cast<LPARAM>(&unset));
  unset.hwndFrom = nullptr;
  parent.SendMessage(WM_NOTIFY, 4096, reinterpret_cast<LPARAM>(&unset));
  EXPECT_EQ(parent.notified, (std::vector<UINT>{kCodeForParent, 3, 3}));
  EXPECT_EQ(parent.SendMessage(WM_NOTIFY, 0, 0), 0);  // no header at all
}

class ReflectedBar : public CScrollBar {
 public:
  std::vector<UINT> codes;

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM, LRESULT*) override {
    if (message != WM_VSCROLL) return FALSE;
    codes.push_back(LOWORD(wParam));
    return TRUE;
  }
};

TEST_F(CWndTest, SubclassingRoutesAWindowThroughTheObjectAndBack) {
  HWND hwnd = Make(WS_POPUP | WS_VISIBLE, {0, 0, 50, 50});
  RecordingWnd wnd;
  ASSERT_TRUE(wnd.SubclassWindow(hwnd));
  EXPECT_FALSE(RecordingWnd().SubclassWindow(hwnd));  // one owner only
  ClearLog();
  ::MoveWindow(hwnd, 0, 0, 60, 60, TRUE);
  EXPECT_EQ(wnd.lastSize, CSize(60, 60));
  // Default() hands the message to the window's own procedure.
  EXPECT_EQ(MessagesTo(hwnd, {WM_SIZE}).size(), 1u);
  EXPECT_EQ(wnd.UnsubclassWindow(), hwnd);
  ::MoveWindow(hwnd, 0, 0, 70, 70, TRUE);
  EXPECT_EQ(wnd.lastSize, CSize(60, 60));
  EXPECT_EQ(MessagesTo(hwnd, {WM_SIZE}).size(), 2u);
  EXPECT_TRUE(IsWindow(hwnd));
}

class KeyEatingWnd : public CWnd {
 public:
  int eaten = 0;

 protected:
  BOOL PreTranslateMessage(MSG* msg) override {
    if (msg->message != WM_KEYDOWN || msg->wParam != VK_ESCAPE) return FALSE;
    ++eaten;
    return TRUE;
  }
};

TEST_F(CWndTest, AParentCanTakeKeysBeforeTheyAreDispatched) {
  KeyEatingWnd parent;
  ASSERT_TRUE(parent.CreateEx(0, nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100, nullptr, nullptr));
  HWND child = Make(WS_CHILD | WS_VISIBLE, {0, 0, 10, 10}, parent.m_hWnd);
  ::SetFocus(child);
  ClearLog();
  screen.KeyPress(VK_ESCAPE);
  screen.KeyPress(VK_RETURN);
  screen.PumpUntilIdle();
  EXPECT_EQ(parent.eaten, 1);
  const auto keys = Received({WM_KEYDOWN});
  ASSERT_EQ(keys.size(), 1u);
  EXPECT_EQ(keys[0].wParam, VK_RETURN);
}

TEST_F(CWndTest, TheLoopRunsUntilQuit) {
  CWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  wnd.PostMessage(WM_CLOSE);
  PostQuitMessage(9);
  EXPECT_EQ(AfxRunMessageLoop(), 9);
  EXPECT_EQ(wnd.m_hWnd, nullptr);  // WM_CLOSE destroyed it
}

}  // namespace
}  // namespace trellis::test
