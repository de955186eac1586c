// SDL's input events as the platform's raw input.
//
// Text: SDL reports a key press (SDL_KEYDOWN) and, separately, the text it types
// (SDL_TEXTINPUT), already through the keyboard layout, dead keys and any input method. Keys
// become WM_KEYDOWN/WM_KEYUP; text becomes characters (WM_CHAR), or an input-method result when
// an input method was composing it. An input method's pre-edit (SDL_TEXTEDITING, or
// SDL_TEXTEDITING_EXT when it is long) becomes the platform's composition, and an empty one
// ends it; the keys the input method takes SDL does not report, and one it does report during a
// pre-edit reaches the window as VK_PROCESSKEY. While text input is on (SdlTextInput) the
// desktop knows that the backend types text, so TranslateMessage adds only the control
// characters SDL never reports as text (Enter, Tab, Backspace, Escape, Ctrl+letter) and nothing
// printable arrives twice.
#pragma once

#include <SDL.h>

#include "platform/window/InputRouter.h"

namespace platform::sdl {

class SdlInput {
 public:
  // Queues what an input event means; other events are left alone. Frees the text of an
  // SDL_TEXTEDITING_EXT, which the one who takes the event owns.
  void Feed(const SDL_Event& event, InputRouter& router);

 private:
  // SDL tells of a button's release only when the window hears it: one made elsewhere after
  // the focus or the pointer left (a drag ended over another window, SDL's grab lost with the
  // focus) never comes, and the platform would hold the button, and the capture with it, until
  // the next release ended a press long gone. When the window regains the keyboard or the
  // pointer, the buttons the system has up are released, as the platform's capture hears a
  // release wherever it is made.
  void ReleaseButtonsUpOutside(InputRouter& router);
  void FeedComposition(const char* utf8, int start, int length, InputRouter& router);
  void FeedText(const char* utf8, InputRouter& router);

  // An input method showed a composition: the next text is its result. A key that reaches us
  // while it shows none means no input method is holding the keyboard any more.
  bool m_composing = false;
  // The input method shows a pre-edit now.
  bool m_preedit = false;
  // SDL_BUTTON masks released above: SDL still holds them, so it drops their next press and
  // reports only the release, which the platform has had already.
  Uint32 m_releasedEarly = 0;
};

}  // namespace platform::sdl
