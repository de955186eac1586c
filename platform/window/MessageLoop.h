// Running the queue until nothing is left, for backends and tests. A class library above the
// Win32 layer hooks in its message pre-translation and its idle work.
#pragma once

#include "platform/win32/WinMessages.h"

namespace platform {

struct MessageLoopHooks {
  BOOL (*preTranslate)(MSG* msg) = nullptr;  // TRUE: the message was consumed
  void (*idle)() = nullptr;                  // runs once the queue is empty
};
void SetMessageLoopHooks(MessageLoopHooks hooks);
const MessageLoopHooks& GetMessageLoopHooks();

// Dispatches every message that is ready (posted, input, paint, due timers), then runs the idle
// hook. Returns false when WM_QUIT was taken or the loop looked endless (a window that never
// validates its paint, a message that posts itself).
bool PumpUntilIdle();

}  // namespace platform
