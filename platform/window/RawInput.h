// Input as a backend delivers it: pointer positions in screen coordinates, buttons, wheel turns,
// keys by virtual-key code, typed characters, and an input method's compositions and results.
#pragma once

#include <string>

#include "platform/win32/WinInput.h"

namespace platform {

enum class MouseButton { Left, Right, Middle };

struct RawInput {
  // FocusLost and FocusGained: the OS window showing the screen lost or regained the input
  // focus, which deactivates the desktop's windows and activates them again.
  enum class Kind {
    MouseMove, ButtonDown, ButtonUp, Wheel, KeyDown, KeyUp, Char, ImeComposition, ImeResult,
    FocusLost, FocusGained
  };
  Kind kind = Kind::MouseMove;
  POINT pt{0, 0};  // where the pointer is (every mouse kind)
  MouseButton button = MouseButton::Left;
  int wheelDelta = 0;  // multiples of WHEEL_DELTA, positive away from the user
  UINT vk = 0;
  WCHAR ch = 0;
  std::wstring text;  // ImeComposition (empty: cancelled), ImeResult
  // ImeComposition: the caret and the clause being converted, in characters of the text.
  int imeCaret = 0;
  int imeTargetStart = 0;
  int imeTargetLength = 0;
  DWORD time = 0;  // filled in from the platform clock when queued
};

}  // namespace platform
