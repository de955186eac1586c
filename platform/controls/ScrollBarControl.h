// The "ScrollBar" window class (SB_CTL bars). The state lives with the window (its first extra
// bytes) from WM_NCCREATE to WM_NCDESTROY.
//
// A press, as the platform's scroll bar answers it:
//   on an arrow or a page area   the request now, again after kFirstDelay and then every
//                                kRepeatDelay while the pointer is over that part (a page
//                                area ends where the thumb has come to the pointer)
//   on the thumb                 SB_THUMBTRACK as the drag moves the thumb's position;
//                                SB_THUMBPOSITION at the release
//   release                      SB_ENDSCROLL
// A double click is a press. A lost capture ends the press without a message.
#pragma once

#include "platform/controls/ScrollBarLayout.h"
#include "platform/win32/WinScrollBar.h"
#include "platform/win32/WinUser.h"

namespace platform {

LRESULT CALLBACK ScrollBarWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

class ScrollBarControl {
 public:
  static constexpr UINT_PTR kRepeatTimer = 1;
  static constexpr UINT kFirstDelay = 200;   // ms from a press to the first repeat
  static constexpr UINT kRepeatDelay = 50;   // ms between repeats

  explicit ScrollBarControl(HWND hwnd) : m_hwnd(hwnd) {}
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  bool Vertical() const { return GetWindowLongW(m_hwnd, GWL_STYLE) & SBS_VERT; }
  // Pixels along the bar's axis.
  int Along(POINT pt) const { return Vertical() ? pt.y : pt.x; }
  ScrollBarLayout Layout() const;
  // The part the pointer is over and pressed, for the pressed looks.
  bool PressedAndOver(ScrollPart part) const;
  // Whether a part takes presses and draws enabled: the window and its arrows' ESB_ flags.
  bool PartEnabled(ScrollPart part) const;

  LRESULT SetInfo(const SCROLLINFO* info, bool redraw);
  // Repaints; after a SIF_DISABLENOSCROLL request, a visible bar's window is then disabled
  // while there is nothing to scroll and enabled otherwise.
  void Redraw();

  void OnPress(POINT pt);
  void OnMove(POINT pt);
  void OnRelease();
  void OnRepeat();
  void Cancel();
  void Send(WORD code, int pos = 0);

  void OnPaint();
  // A rectangle across the bar from `start` to `end` along it.
  RECT Span(int start, int end) const;
  void PaintArrow(HDC hdc, const RECT& rect, bool towardsStart, bool pressed, bool enabled) const;

  HWND m_hwnd;
  ScrollState m_state;
  ScrollPart m_pressed = ScrollPart::None;
  POINT m_pointer{};   // client coordinates, while pressed
  int m_grab = 0;      // where the thumb was taken, from its first pixel
  int m_trackPos = 0;  // the position the dragged thumb shows
  UINT m_disabledArrows = ESB_ENABLE_BOTH;
  // A SIF_DISABLENOSCROLL request waits for a redraw of the bar while it is visible.
  bool m_disableNoScroll = false;
};

}  // namespace platform
