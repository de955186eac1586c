#include "platform/backend/sdl/SdlScreen.h"

#include "platform/backend/sdl/SdlSession.h"
#include "platform/window/MessageLoop.h"

namespace platform::sdl {

SdlScreen::SdlScreen() = default;

SdlScreen::~SdlScreen() { Close(); }

bool SdlScreen::Open(std::wstring_view title, int width, int height, unsigned flags,
                     std::optional<DisplayScale> scale) {
  if (m_session) {
    m_error = "already open";
    return false;
  }
  m_session = SdlSession::Open(title, width, height, flags, scale, m_error);
  if (!m_session) return false;
  m_error.clear();
  Desktop::Reset(m_session->Width(), m_session->Height());
  Desktop& desktop = Desktop::Current();
  desktop.events = m_session.get();
  desktop.clipboard.AttachSystem(m_session.get());
  desktop.SetNow(SDL_GetTicks64());
#ifdef TRELLIS_ATSPI
  m_session->StartAccessibility();
#endif
  return true;
}

void SdlScreen::Close() {
  if (!m_session) return;
#ifdef TRELLIS_ATSPI
  m_session->StopAccessibility();
#endif
  // The windows go while the session can still take what they say to the clipboard.
  Desktop::Reset(Desktop::kDefaultWidth, Desktop::kDefaultHeight);
  m_session.reset();
}

int SdlScreen::Run() {
  if (!m_session) return -1;
  Desktop& desktop = Desktop::Current();
  for (;;) {
    // False without a quit: a window kept asking to paint; wait for input all the same.
    if (!platform::PumpUntilIdle() && desktop.quitCode) break;
    if (!m_session->WaitForInput(desktop.timers.NextDue())) break;
  }
  const int code = desktop.quitCode.value_or(0);
  desktop.quitCode.reset();
  return code;
}

bool SdlScreen::PumpUntilIdle() {
  if (!m_session) return false;
  m_session->TakeEvents();
  const bool running = platform::PumpUntilIdle();
  m_session->Present();
  return running || !Desktop::Current().quitCode;
}

DisplayScale SdlScreen::Scale() const {
  return m_session ? m_session->Scale() : DisplayScale();
}

SDL_Window* SdlScreen::OsWindow() const { return m_session ? m_session->Window() : nullptr; }

int SdlScreen::FramesPresented() const { return m_session ? m_session->FramesPresented() : 0; }

}  // namespace platform::sdl
