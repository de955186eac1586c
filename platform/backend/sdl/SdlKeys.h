// SDL key codes as the platform's virtual keys.
#pragma once

#include <SDL.h>

#include "platform/win32/WinDef.h"

namespace platform::sdl {

// The virtual key of a key code (punctuation as on a US keyboard), 0 for keys that have none
// in this subset.
UINT VirtualKeyFromSdl(SDL_Keycode key);

}  // namespace platform::sdl
