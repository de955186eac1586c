// Window timers on the platform clock. Nothing runs by itself: the queue asks for a due timer
// when it has nothing else to hand out, and the backend moves the clock.
#pragma once

#include <optional>
#include <vector>

#include "platform/win32/WinInput.h"

namespace platform {

class TimerTable {
 public:
  UINT_PTR Set(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc, ULONGLONG now);
  bool Kill(HWND hwnd, UINT_PTR id);
  void KillAllOf(HWND hwnd);
  // The WM_TIMER of the first due timer matching the filter; taking it (remove) restarts the
  // timer's period from now.
  std::optional<MSG> TakeDue(HWND filter, ULONGLONG now, bool remove);
  // When the next timer falls due; nothing when there is no timer.
  std::optional<ULONGLONG> NextDue() const;

 private:
  struct Timer {
    HWND hwnd;
    UINT_PTR id;
    UINT elapse;
    TIMERPROC proc;
    ULONGLONG due;
  };
  std::vector<Timer> m_timers;
  UINT_PTR m_nextThreadTimerId = 1;
};

}  // namespace platform
