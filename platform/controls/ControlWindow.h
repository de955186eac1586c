// The window procedure every standard control shares: the control's state lives with its
// window, made at WM_NCCREATE and kept in the window's first extra bytes, deleted at
// WM_NCDESTROY; every message in between goes to the state's Handle.
#pragma once

#include "platform/win32/WinUser.h"

namespace platform {

template <class Control>
LRESULT ControlWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* control = reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, 0));
  if (message == WM_NCCREATE && !control) {
    control = new Control(hwnd);
    SetWindowLongPtrW(hwnd, 0, reinterpret_cast<LONG_PTR>(control));
  }
  if (!control) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, 0, 0);
    delete control;
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  return control->Handle(message, wParam, lParam);
}

}  // namespace platform
