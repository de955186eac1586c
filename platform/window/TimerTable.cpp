#include "platform/window/TimerTable.h"

#include <algorithm>

namespace platform {

UINT_PTR TimerTable::Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, ULONGLONG now) {
  elapse = std::clamp(elapse, USER_TIMER_MINIMUM, USER_TIMER_MAXIMUM);
  if (!hwnd) {
    // Without a window the id only selects an existing timer to replace.
    auto it = std::find_if(m_timers.begin(), m_timers.end(),
                           [&](const Timer& t) { return !t.hwnd && id && t.id == id; });
    if (it == m_timers.end()) {
      id = m_nextThreadTimerId++;
      m_timers.push_back({nullptr, id, elapse, proc, now + elapse});
    } else {
      *it = {nullptr, id, elapse, proc, now + elapse};
    }
    return id;
  }
  auto it = std::find_if(m_timers.begin(), m_timers.end(),
                         [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
  if (it == m_timers.end()) m_timers.push_back({hwnd, id, elapse, proc, now + elapse});
  else *it = {hwnd, id, elapse, proc, now + elapse};
  // A window timer with id 0 is legal; the result still has to say "done".
  return id ? id : 1;
}

bool TimerTable::Kill(HWND hwnd, UINT_PTR id) {
  return std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; }) > 0;
}

void TimerTable::KillAllOf(HWND hwnd) {
  std::erase_if(m_timers, [&](const Timer& t) { return t.hwnd == hwnd; });
}

std::optional<MSG> TimerTable::TakeDue(HWND filter, ULONGLONG now, bool remove) {
  Timer* best = nullptr;
  for (Timer& t : m_timers) {
    if (t.due > now || (filter && t.hwnd != filter)) continue;
    if (!best || t.due < best->due) best = &t;
  }
  if (!best) return std::nullopt;
  MSG msg{best->hwnd, WM_TIMER, best->id, reinterpret_cast<LPARAM>(best->proc), DWORD(now), {0, 0}};
  if (remove) best->due = now + best->elapse;
  return msg;
}

std::optional<ULONGLONG> TimerTable::NextDue() const {
  std::optional<ULONGLONG> next;
  for (const Timer& t : m_timers)
    if (!next || t.due < *next) next = t.due;
  return next;
}

}  // namespace platform
