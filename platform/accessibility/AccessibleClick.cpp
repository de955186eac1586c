#include "platform/accessibility/AccessibleClick.h"

#include "platform/win32/WinUser.h"

namespace platform {

namespace {

bool SendMouse(UINT message, WPARAM keys, POINT screen) {
  HWND target = GetCapture();
  if (!target) target = WindowFromPoint(screen);
  if (!target || target == GetDesktopWindow()) return false;
  POINT client = screen;
  ScreenToClient(target, &client);
  SendMessageW(target, message, keys, MAKELPARAM(client.x, client.y));
  return true;
}

}  // namespace

bool ClickAt(POINT screen) {
  if (!SendMouse(WM_MOUSEMOVE, 0, screen)) return false;
  SendMouse(WM_LBUTTONDOWN, MK_LBUTTON, screen);
  SendMouse(WM_LBUTTONUP, 0, screen);
  return true;
}

}  // namespace platform
