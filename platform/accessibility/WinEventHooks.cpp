#include "platform/accessibility/WinEventHooks.h"

#include <algorithm>

#include "platform/window/Desktop.h"

namespace platform {

HWINEVENTHOOK WinEventHooks::Add(DWORD eventMin, DWORD eventMax, WINEVENTPROC proc) {
  // Handles are counters, never addresses: a stale one cannot name a new hook by chance.
  const auto handle = reinterpret_cast<HWINEVENTHOOK>(m_nextHandle++);
  m_hooks.push_back({handle, eventMin, eventMax, proc});
  return handle;
}

bool WinEventHooks::Remove(HWINEVENTHOOK hook) {
  const auto it = std::find_if(m_hooks.begin(), m_hooks.end(),
                               [hook](const Hook& h) { return h.handle == hook; });
  if (it == m_hooks.end()) return false;
  m_hooks.erase(it);
  std::erase_if(m_pending, [hook](const Pending& p) { return p.hook == hook; });
  return true;
}

bool WinEventHooks::Hears(DWORD event) const {
  return std::any_of(m_hooks.begin(), m_hooks.end(), [event](const Hook& h) {
    return event >= h.eventMin && event <= h.eventMax;
  });
}

void WinEventHooks::Queue(DWORD event, HWND hwnd, LONG idObject, LONG idChild, DWORD time) {
  for (const Hook& h : m_hooks)
    if (event >= h.eventMin && event <= h.eventMax)
      m_pending.push_back({h.handle, event, hwnd, idObject, idChild, time});
}

void WinEventHooks::Deliver() {
  // A hook that pumps messages itself must not hear the queue's events twice or out of order.
  if (m_delivering) return;
  m_delivering = true;
  while (!m_pending.empty()) {
    const Pending p = m_pending.front();
    m_pending.pop_front();
    const auto it = std::find_if(m_hooks.begin(), m_hooks.end(),
                                 [&p](const Hook& h) { return h.handle == p.hook; });
    if (it != m_hooks.end()) it->proc(p.hook, p.event, p.hwnd, p.idObject, p.idChild, 1, p.time);
  }
  m_delivering = false;
}

}  // namespace platform

using platform::Desktop;

void NotifyWinEvent(DWORD event, HWND hwnd, LONG idObject, LONG idChild) {
  if (!hwnd) return;
  Desktop& desktop = Desktop::Current();
  desktop.winEvents.Queue(event, hwnd, idObject, idChild, DWORD(desktop.Now()));
}

HWINEVENTHOOK SetWinEventHook(DWORD eventMin, DWORD eventMax, HMODULE module, WINEVENTPROC proc,
                              DWORD process, DWORD thread, DWORD flags) {
  if (module || process || thread || flags != WINEVENT_OUTOFCONTEXT || !proc ||
      eventMin > eventMax) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return Desktop::Current().winEvents.Add(eventMin, eventMax, proc);
}

BOOL UnhookWinEvent(HWINEVENTHOOK hook) { return Desktop::Current().winEvents.Remove(hook); }

BOOL IsWinEventHookInstalled(DWORD event) { return Desktop::Current().winEvents.Hears(event); }
