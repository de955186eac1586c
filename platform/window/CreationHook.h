// A one-shot call made for the next window created, after its handle exists and before it
// receives WM_NCCREATE. A class library uses it to attach its object to the window and subclass
// it before the first message, whatever the window's class is. The hook is cleared when it is
// called; set it immediately before CreateWindowExW and clear it after, in case creation failed
// before any window was made.
#pragma once

#include "platform/win32/WinDef.h"

namespace platform {

using CreationHook = void (*)(HWND hwnd, void* context);
void SetCreationHook(CreationHook hook, void* context);

}  // namespace platform
