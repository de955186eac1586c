// Sending, posting, and taking messages from the queue.
#include "platform/window/WindowManager.h"

using namespace platform;

namespace {

bool InRange(UINT message, UINT min, UINT max) {
  return (min == 0 && max == 0) || (message >= min && message <= max);
}

std::optional<MSG> NextMessage(HWND filter, UINT min, UINT max, bool remove) {
  Desktop& desktop = Desktop::Current();
  for (auto it = desktop.posted.begin(); it != desktop.posted.end(); ++it) {
    if ((filter && it->hwnd != filter) || !InRange(it->message, min, max)) continue;
    const MSG msg = *it;
    if (remove) desktop.posted.erase(it);
    return msg;
  }
  if (auto msg = desktop.input.Take(filter, min, max, remove)) return msg;
  const DWORD now = DWORD(desktop.Now());
  const POINT cursor = desktop.input.Cursor();
  if (desktop.quitCode && !filter && InRange(WM_QUIT, min, max)) {
    const MSG msg{nullptr, WM_QUIT, WPARAM(*desktop.quitCode), 0, now, cursor};
    if (remove) desktop.quitCode.reset();
    return msg;
  }
  if (InRange(WM_PAINT, min, max))
    if (Window* w = FindWindowToPaint(filter)) return MSG{w->Handle(), WM_PAINT, 0, 0, now, cursor};
  if (InRange(WM_TIMER, min, max))
    if (auto msg = desktop.timers.TakeDue(filter, desktop.Now(), remove)) {
      msg->pt = cursor;
      return msg;
    }
  return std::nullopt;
}

std::optional<MSG> Retrieve(HWND filter, UINT min, UINT max, bool remove) {
  // Out-of-context win event hooks run here, as the thread takes its next message.
  Desktop::Current().winEvents.Deliver();
  auto msg = NextMessage(filter, min, max, remove);
  if (msg) Desktop::Current().lastMessage = *msg;
  return msg;
}

}  // namespace

LRESULT SendMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const Window* w = RequireWindow(hwnd);
  if (!w || !w->proc) return 0;
  return w->proc(hwnd, message, wParam, lParam);
}

BOOL PostMessageW(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (hwnd && !RequireWindow(hwnd)) return FALSE;
  Desktop& desktop = Desktop::Current();
  desktop.posted.push_back({hwnd, message, wParam, lParam, DWORD(desktop.Now()), desktop.input.Cursor()});
  return TRUE;
}

void PostQuitMessage(int exitCode) { Desktop::Current().quitCode = exitCode; }

BOOL PeekMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (!msg) return FALSE;
  const auto next = Retrieve(hwnd, filterMin, filterMax, removeFlags & PM_REMOVE);
  if (!next) return FALSE;
  *msg = *next;
  return TRUE;
}

BOOL GetMessageW(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax) {
  if (!msg) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return -1;
  }
  for (;;) {
    if (const auto next = Retrieve(hwnd, filterMin, filterMax, true)) {
      *msg = *next;
      return msg->message != WM_QUIT;
    }
    Desktop& desktop = Desktop::Current();
    // Nothing can arrive without a backend that waits for it: report that instead of hanging.
    if (!desktop.events || !desktop.events->WaitForInput(desktop.timers.NextDue())) return -1;
  }
}

LRESULT DispatchMessageW(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == WM_TIMER && msg->lParam) {
    const auto proc = reinterpret_cast<TIMERPROC>(msg->lParam);
    proc(msg->hwnd, WM_TIMER, msg->wParam, DWORD(Desktop::Current().Now()));
    return 0;
  }
  if (!msg->hwnd) return 0;
  return SendMessageW(msg->hwnd, msg->message, msg->wParam, msg->lParam);
}

DWORD GetMessagePos() {
  const POINT pt = Desktop::Current().lastMessage.pt;
  return DWORD(MAKELONG(WORD(pt.x), WORD(pt.y)));
}

LONG GetMessageTime() { return LONG(Desktop::Current().lastMessage.time); }
