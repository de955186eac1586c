// SDL's text input following the platform's input method: on only while the focus window has
// an open input context, so the system's input method composes for the elements that take its
// text and leaves every other key alone; the candidates placed below the caret the focus window
// gave; and a pre-edit the platform dropped (a focus change mid-composition) dropped there too.
#pragma once

#include <SDL.h>

#include "platform/win32/WinDef.h"
#include "platform/window/DisplayScale.h"

namespace platform::sdl {

// A rectangle of the platform's screen in the pixels of an OS window showing it at `scale`.
SDL_Rect WindowRectFromScreen(const RECT& screen, DisplayScale scale);

class SdlTextInput {
 public:
  // Starts with text input off, whatever SDL began with; the window shows the screen at
  // `scale`.
  explicit SdlTextInput(DisplayScale scale);
  // Makes SDL's text input what the platform wants now. Called before SDL reads the system's
  // events, so each key it reads is translated under the state it was typed in.
  void Follow();
  bool On() const { return m_on; }

 private:
  void Switch(bool on);

  DisplayScale m_scale;
  bool m_on = false;
  SDL_Rect m_area{0, 0, 0, 0};  // the candidates' place SDL was last told
  bool m_areaSent = false;
  unsigned m_cancellationsSeen = 0;
};

}  // namespace platform::sdl
