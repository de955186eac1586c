// SDL's input events as the platform's raw input.
//
// Text: SDL reports a key press (SDL_KEYDOWN) and, separately, the text it types
// (SDL_TEXTINPUT), already through the keyboard layout, dead keys and any input method. Keys
// become WM_KEYDOWN/WM_KEYUP; text becomes characters (WM_CHAR), or an input-method result
// (WM_IME_COMPOSITION) when an input method was composing it. The desktop is told that the
// backend types text, so TranslateMessage adds only the control characters SDL never reports
// as text (Enter, Tab, Backspace, Escape, Ctrl+letter) and nothing printable arrives twice.
#pragma once

#include <SDL.h>

#include "platform/window/InputRouter.h"

namespace platform::sdl {

class SdlInput {
 public:
  // Queues what an input event means; other events are left alone.
  void Feed(const SDL_Event& event, InputRouter& router);

 private:
  void FeedText(const char* utf8, InputRouter& router);

  // An input method showed a composition: the next text is its result. A key that reaches us
  // means no input method is holding the keyboard any more.
  bool m_composing = false;
};

}  // namespace platform::sdl
