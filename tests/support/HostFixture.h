// A desktop for element tests: a headless screen, a host window on it, and a parent element
// that records what its children tell it. Tests place elements under `parent`, drive them with
// input at element coordinates, move the clock and read pixels back.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

#include "host/CElementControl.h"
#include "host/CElementHostWnd.h"
#include "platform/backend/headless/HeadlessScreen.h"

namespace trellis::test {

// One message a child sent its parent with SendControlMessage.
struct Notice {
  DWORD from;
  UINT msg;
  WPARAM wParam;
  LPARAM lParam;
  UINT code;  // the NMHDR code of a WM_NOTIFY, else 0
};

// The parent element: fills the host window and records every control message.
class RecordingParent : public CElementControl {
 public:
  std::vector<Notice> notices;
  // Runs on each message after it is recorded: a parent acting inside a notification.
  std::function<void(Notice)> react;
  // Codes of the WM_NOTIFY messages, in order.
  std::vector<UINT> NotifyCodes() const;
  // Sender and code of each message, every one expected to be a WM_NOTIFY with wParam 0.
  std::vector<std::pair<DWORD, UINT>> Notifications() const;
  // Runs `act` inside the first notice that `matches`, once; `reacted` tells whether it has.
  void ReactOnce(std::function<bool(const Notice&)> matches, std::function<void()> act);
  bool reacted = false;

 protected:
  int OnControlMessage(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam) override;
};

// Public, so that the provocation tables of the re-entry suites reach the helpers.
class HostFixture : public ::testing::Test {
 public:
  static constexpr int kWindowX = 20;
  static constexpr int kWindowY = 30;
  static constexpr int kWindowWidth = 400;
  static constexpr int kWindowHeight = 300;

  HostFixture();
  ~HostFixture() override;

  // Creates the host window and places `parent` in it: again after a test ended the window.
  void OpenWindow();
  // After a handler ended the host window: it is gone, and a click where it was harms nothing.
  void ExpectWindowEnded();

  // A creation record for a child of `parent` at (x, y) with the given size.
  _CONTAINER_INFO Info(int x, int y, int cx, int cy, DWORD id = 0, ULONG_PTR style = 0);
  // The screen point of a point in an element's coordinates.
  POINT ScreenPoint(const CElementContainer& element, int x, int y) const;

  void Pump() { screen.PumpUntilIdle(); }
  void MoveTo(const CElementContainer& e, int x, int y);
  void Press(const CElementContainer& e, int x, int y);
  void Release(const CElementContainer& e, int x, int y);
  void Click(const CElementContainer& e, int x, int y);
  void RightClick(const CElementContainer& e, int x, int y);
  void Key(UINT vk);
  void Type(std::wstring_view text);
  void Advance(DWORD ms) { screen.AdvanceTime(ms); }
  // What the user sees at a point of an element, after everything pending is painted.
  COLORREF PixelAt(const CElementContainer& e, int x, int y);
  // The same for a rectangle of an element: its colours row by row, and how many differ from one.
  std::vector<COLORREF> Shown(const CElementContainer& e, const RECT& rect);
  int PixelsOtherThan(const CElementContainer& e, const RECT& rect, COLORREF color);

  platform::headless::HeadlessScreen screen{800, 600};
  CElementHostWnd window;
  RecordingParent parent;
};

// The open calendar: the visible pop-up of the month calendar's class that holds the focus;
// null when none is open.
HWND OpenCalendar();

}  // namespace trellis::test
