// The desktop's win event hooks and the events queued for them. NotifyWinEvent queues; the
// message loop delivers (out of context), so a hook never runs inside the change it hears of.
#pragma once

#include <deque>
#include <vector>

#include "platform/accessibility/WinEvent.h"

namespace platform {

class WinEventHooks {
 public:
  HWINEVENTHOOK Add(DWORD eventMin, DWORD eventMax, WINEVENTPROC proc);
  bool Remove(HWINEVENTHOOK hook);
  bool Hears(DWORD event) const;
  void Queue(DWORD event, HWND hwnd, LONG idObject, LONG idChild, DWORD time);
  // Calls the hooks for every queued event, the ones a hook queues meanwhile included.
  void Deliver();

 private:
  struct Hook {
    HWINEVENTHOOK handle;
    DWORD eventMin;
    DWORD eventMax;
    WINEVENTPROC proc;
  };
  struct Pending {
    HWINEVENTHOOK hook;
    DWORD event;
    HWND hwnd;
    LONG idObject;
    LONG idChild;
    DWORD time;
  };

  std::vector<Hook> m_hooks;
  std::deque<Pending> m_pending;
  UINT_PTR m_nextHandle = 1;
  bool m_delivering = false;
};

}  // namespace platform
