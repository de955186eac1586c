#include "platform/backend/sdl/SdlTextInput.h"

#include "platform/window/Desktop.h"

namespace platform::sdl {

SDL_Rect WindowRectFromScreen(const RECT& screen, DisplayScale scale) {
  // The window shows the screen from its top-left corner, magnified.
  const RECT window = scale.ToWindow(screen);
  return {int(window.left), int(window.top), int(window.right - window.left),
          int(window.bottom - window.top)};
}

SdlTextInput::SdlTextInput(DisplayScale scale) : m_scale(scale) { SDL_StopTextInput(); }

void SdlTextInput::Switch(bool on) {
  if (on)
    SDL_StartTextInput();
  else
    SDL_StopTextInput();
  m_on = on;
  m_areaSent = false;
  // With text input off, no text arrives from SDL: the platform makes characters of the keys.
  Desktop::Current().backendTypesText = on;
}

void SdlTextInput::Follow() {
  const InputMethod& ime = Desktop::Current().inputMethod;
  // Stopping text input makes the system's input method forget its pre-edit.
  if (ime.Cancellations() != m_cancellationsSeen) {
    m_cancellationsSeen = ime.Cancellations();
    if (m_on) Switch(false);
  }
  const bool wanted = ime.TextInputWanted();
  if (wanted != m_on) Switch(wanted);
  if (!m_on) return;
  const SDL_Rect area = WindowRectFromScreen(ime.CandidateArea(), m_scale);
  if (m_areaSent && SDL_RectEquals(&area, &m_area)) return;
  m_area = area;
  m_areaSent = true;
  SDL_SetTextInputRect(&m_area);
}

}  // namespace platform::sdl
