// The platform clock, window timers and the user's timing settings.
#include "platform/window/WindowManager.h"

using namespace platform;

namespace {
constexpr UINT kDoubleClickTime = 500;
constexpr UINT kCaretBlinkTime = 530;
}  // namespace

DWORD GetTickCount() { return DWORD(Desktop::Current().Now()); }
ULONGLONG GetTickCount64() { return Desktop::Current().Now(); }

UINT_PTR SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc) {
  if (hwnd && !RequireWindow(hwnd)) return 0;
  Desktop& desktop = Desktop::Current();
  return desktop.timers.Set(hwnd, id, elapse, proc, desktop.Now());
}

BOOL KillTimer(HWND hwnd, UINT_PTR id) {
  if (hwnd && !RequireWindow(hwnd)) return FALSE;
  return Desktop::Current().timers.Kill(hwnd, id);
}

UINT GetDoubleClickTime() { return kDoubleClickTime; }
UINT GetCaretBlinkTime() { return kCaretBlinkTime; }
