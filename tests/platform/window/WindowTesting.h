// Test windows that record every message they receive and let a test answer chosen messages.
#pragma once

#include <functional>
#include <map>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "platform/backend/headless/HeadlessScreen.h"
#include "platform/win32/WinUser.h"

namespace trellis::test {

struct Logged {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};
using Order = std::vector<std::pair<HWND, UINT>>;

// Class names: kLogClass asks for double clicks and erases white; kPlainClass does neither.
inline constexpr wchar_t kLogClass[] = L"TrellisTestLog";
inline constexpr wchar_t kPlainClass[] = L"TrellisTestPlain";
inline constexpr COLORREF kBackground = RGB(255, 255, 255);

class WindowTest : public ::testing::Test {
 protected:
  using Handler = std::function<LRESULT(WPARAM, LPARAM)>;

  WindowTest();
  ~WindowTest() override;

  HWND Make(DWORD style, RECT rect, HWND parent = nullptr, DWORD exStyle = 0,
            const wchar_t* className = kLogClass, UINT id = 0);
  // Answers `message` for `hwnd` (every window when null) instead of DefWindowProc.
  void On(HWND hwnd, UINT message, Handler handler) { m_handlers[{hwnd, message}] = std::move(handler); }
  // The messages received, in order, keeping only those listed (all when the list is empty).
  std::vector<Logged> Received(std::vector<UINT> only = {}) const;
  std::vector<UINT> MessagesTo(HWND hwnd, std::vector<UINT> only = {}) const;
  // Who received which of them, in order.
  Order Sequence(std::vector<UINT> only) const;
  void ClearLog() { m_log.clear(); }
  // Fills the client area with a colour whenever the window paints.
  void PaintWith(HWND hwnd, COLORREF color);

  platform::headless::HeadlessScreen screen{640, 480};

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  static WindowTest* s_current;

  std::vector<Logged> m_log;
  std::map<std::pair<HWND, UINT>, Handler> m_handlers;
};

}  // namespace trellis::test
