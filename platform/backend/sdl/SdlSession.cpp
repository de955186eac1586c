// Index: opening and closing; events and waiting; presenting and the pointer; the clipboard;
// the accessibility bridge.
#include "platform/backend/sdl/SdlSession.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/backend/sdl/DesktopScale.h"
#include "platform/backend/sdl/ScalePicture.h"
#include "platform/backend/sdl/SdlScreen.h"
#ifdef TRELLIS_ATSPI
#include <SDL_syswm.h>
#endif
#include "platform/text/Utf8.h"
#include "platform/win32/WinUser.h"
#include "platform/window/SystemCursor.h"

namespace platform::sdl {

namespace {

struct CursorPair {
  WORD id;  // IDC_ number
  SDL_SystemCursor sdl;
};
constexpr CursorPair kCursors[] = {
    {32512, SDL_SYSTEM_CURSOR_ARROW},    {32513, SDL_SYSTEM_CURSOR_IBEAM},
    {32514, SDL_SYSTEM_CURSOR_WAIT},     {32515, SDL_SYSTEM_CURSOR_CROSSHAIR},
    {32642, SDL_SYSTEM_CURSOR_SIZENWSE}, {32643, SDL_SYSTEM_CURSOR_SIZENESW},
    {32644, SDL_SYSTEM_CURSOR_SIZEWE},   {32645, SDL_SYSTEM_CURSOR_SIZENS},
    {32646, SDL_SYSTEM_CURSOR_SIZEALL},  {32648, SDL_SYSTEM_CURSOR_NO},
    {32649, SDL_SYSTEM_CURSOR_HAND},
};
constexpr WORD kArrowId = 32512;

// The surface's pixels (bytes B, G, R, 0) in SDL's naming.
constexpr Uint32 kScreenFormat = SDL_PIXELFORMAT_RGB888;

void FollowClock() { Desktop::Current().SetNow(SDL_GetTicks64()); }

// SDL falls back to these when no display answers; they run, but nobody sees a window.
bool ShowsNothing(const char* driver) {
  const std::string_view name = driver ? driver : "";
  return name == "dummy" || name == "offscreen";
}

}  // namespace

// ---- opening and closing

std::unique_ptr<SdlSession> SdlSession::Open(std::wstring_view title, int width, int height,
                                             unsigned flags, std::optional<DisplayScale> scale,
                                             std::string& error) {
  if (!Surface::SizeAllowed(width, height)) {
    error = "window size not allowed";
    return nullptr;
  }
  // With only an X display named, X11 is the one driver that can show a window; trying the
  // others after it fails would only print their complaints. SDL_VIDEODRIVER still wins.
  const char* xDisplay = std::getenv("DISPLAY");
  const bool onlyX = xDisplay && !std::getenv("WAYLAND_DISPLAY");
  if (onlyX) SDL_SetHint(SDL_HINT_VIDEODRIVER, "x11");
  // The screen is drawn in memory and copied: SDL's own way of copying to the window is enough.
  // Through OpenGL instead, SDL would load a GL driver (a software one where there is no GPU) and
  // make the window anew after its first frame. SDL_FRAMEBUFFER_ACCELERATION still wins.
  SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
  // A long composition arrives whole (SDL_TEXTEDITING_EXT) rather than cut at 32 bytes.
  SDL_SetHint(SDL_HINT_IME_SUPPORT_EXTENDED_TEXT, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    error = SDL_GetError();
    const char* driver = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if (onlyX && driver && std::string_view(driver) == "x11")
      error = std::string("the X display \"") + xDisplay + "\" cannot be reached: " + error;
    return nullptr;
  }
  const char* driver = SDL_GetCurrentVideoDriver();
  if (!(flags & kSdlAnyDriver) && ShowsNothing(driver)) {
    error = std::string("no display could be reached: SDL chose its \"") + driver +
            "\" video driver, which shows no window";
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return nullptr;
  }
  if (!scale) scale = DesktopScale(error);
  const SIZE windowSize = scale ? scale->WindowSize(width, height) : SIZE{};
  if (scale && !Surface::SizeAllowed(windowSize.cx, windowSize.cy)) {
    error = "window size not allowed at that scale";
    scale.reset();
  }
  if (!scale) {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return nullptr;
  }
  Uint32 windowFlags = SDL_WINDOW_SHOWN;
  if (flags & kSdlResizable) windowFlags |= SDL_WINDOW_RESIZABLE;
  SDL_Window* window =
      SDL_CreateWindow(Utf8FromWide(title).c_str(), SDL_WINDOWPOS_CENTERED,
                       SDL_WINDOWPOS_CENTERED, windowSize.cx, windowSize.cy, windowFlags);
  if (!window) {
    error = SDL_GetError();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    return nullptr;
  }
  return std::unique_ptr<SdlSession>(new SdlSession(window, *scale));
}

SdlSession::~SdlSession() {
  for (const auto& [id, cursor] : m_cursors) SDL_FreeCursor(cursor);
  SDL_StopTextInput();
  SDL_DestroyWindow(m_window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

SIZE SdlSession::ScreenSize() const {
  int w = 0, h = 0;
  SDL_GetWindowSize(m_window, &w, &h);
  return m_scale.ScreenSize(w, h);
}

// ---- events and waiting

void SdlSession::Handle(const SDL_Event& event) {
  const bool ours = event.type == SDL_WINDOWEVENT && event.window.windowID == SDL_GetWindowID(m_window);
  const bool closing = event.type == SDL_QUIT || (ours && event.window.event == SDL_WINDOWEVENT_CLOSE);
  if (closing) {
    // Closing the window ends the program, as WM_QUIT ends its loop.
    if (!m_closed) PostQuitMessage(0);
    m_closed = true;
    return;
  }
  if (ours && event.window.event == SDL_WINDOWEVENT_EXPOSED) m_presentOwed = true;
  if (ours && event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) FollowWindowSize();
  m_input.Feed(ToScreen(event), Desktop::Current().input);
}

SDL_Event SdlSession::ToScreen(const SDL_Event& event) const {
  SDL_Event mapped = event;
  const auto map = [this](Sint32& x, Sint32& y) {
    const POINT pt = m_scale.ToScreen({x, y});
    x = pt.x;
    y = pt.y;
  };
  if (event.type == SDL_MOUSEMOTION) map(mapped.motion.x, mapped.motion.y);
  if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_MOUSEBUTTONUP)
    map(mapped.button.x, mapped.button.y);
  if (event.type == SDL_MOUSEWHEEL) map(mapped.wheel.mouseX, mapped.wheel.mouseY);
  return mapped;
}

void SdlSession::TakeEvents() {
  FollowClock();
  m_textInput.Follow();
  SDL_Event event;
  while (SDL_PollEvent(&event)) Handle(event);
#ifdef TRELLIS_ATSPI
  // A program that pumps rather than waits answers the bus all the same.
  if (m_bridge) m_bridge->Loop().DispatchReady();
#endif
}

bool SdlSession::WaitForInput(std::optional<ULONGLONG> wakeAt) {
  Present();
  FollowClock();
  const ULONGLONG now = Desktop::Current().Now();
  if (wakeAt && *wakeAt <= now) return true;
  const int timeout = wakeAt ? int(std::min<ULONGLONG>(*wakeAt - now, INT_MAX)) : -1;
#ifdef TRELLIS_ATSPI
  if (m_bridge) return WaitWithBridge(timeout);
#endif
  SDL_Event event;
  if (SDL_WaitEventTimeout(&event, timeout)) {
    FollowClock();
    Handle(event);
    TakeEvents();
    return true;
  }
  FollowClock();
  // Waiting for ever only ends without an event when SDL's queue has failed.
  return timeout >= 0;
}

void SdlSession::FollowWindowSize() {
  // The window's surface is new, so its picture is owed whatever the screen shows.
  m_presentOwed = true;
  Desktop::Current().Resize(Width(), Height());
}

// ---- presenting and the pointer

void SdlSession::Present() {
  ShowCursor();
  m_textInput.Follow();
  const Surface& screen = Desktop::Current().Compose();
  if (screen.Empty()) return;
  const std::size_t count = std::size_t(screen.Width()) * std::size_t(screen.Height());
  const Pixel* pixels = screen.Row(0);
  const bool same = m_shown.size() == count && std::equal(pixels, pixels + count, m_shown.begin());
  if (same && !m_presentOwed) return;
  m_shown.assign(pixels, pixels + count);
  SDL_Surface* target = SDL_GetWindowSurface(m_window);
  if (!target) return;
  // The window is a whole number of screen pixels only by chance (a window manager sizes it as
  // it likes): every window pixel shows the screen pixel under it, or the nearest edge.
  m_scaled.resize(std::size_t(target->w) * std::size_t(target->h));
  ScalePicture(screen, m_scale, m_scaled.data(), target->w, target->h);
  if (SDL_LockSurface(target) != 0) return;
  SDL_ConvertPixels(target->w, target->h, kScreenFormat, m_scaled.data(),
                    target->w * int(sizeof(Pixel)), target->format->format, target->pixels,
                    target->pitch);
  SDL_UnlockSurface(target);
  if (SDL_UpdateWindowSurface(m_window) != 0) return;
  m_presentOwed = false;
  ++m_framesPresented;
}

void SdlSession::ShowCursor() {
  // Before any window sets one, and after SetCursor(NULL), the pointer is the arrow: this
  // library never hides it, and a pointer that vanished at start-up would look broken.
  WORD id = SystemCursorId(GetCursor());
  if (!id) id = kArrowId;
  if (id == m_cursorShown) return;
  const auto pair = std::find_if(std::begin(kCursors), std::end(kCursors),
                                 [id](const CursorPair& p) { return p.id == id; });
  if (pair == std::end(kCursors)) return;
  SDL_Cursor*& cursor = m_cursors[id];
  if (!cursor) cursor = SDL_CreateSystemCursor(pair->sdl);
  // Video drivers without system cursors keep the one they have.
  if (cursor) SDL_SetCursor(cursor);
  m_cursorShown = id;
}

// ---- the clipboard

std::wstring SdlSession::Text() {
  // An empty string when the system has no text; null only when memory ran out.
  char* utf8 = SDL_GetClipboardText();
  std::wstring text = WideFromUtf8(utf8 ? utf8 : "");
  SDL_free(utf8);
  return text;
}

void SdlSession::SetText(std::wstring_view text) { SDL_SetClipboardText(Utf8FromWide(text).c_str()); }

#ifdef TRELLIS_ATSPI
// ---- the accessibility bridge

namespace {

// A display connection that cannot be polled: the wait is cut into slices this long, so that
// the window's events are taken while the bus is served.
constexpr int kBlindSliceMs = 20;

}  // namespace

void SdlSession::StartAccessibility() {
  const char* name = SDL_GetWindowTitle(m_window);
  SDL_Window* window = m_window;
  m_bridge = atk::AtkBridge::Start(name ? name : "", [window] {
    int x = 0, y = 0;
    SDL_GetWindowPosition(window, &x, &y);
    return POINT{x, y};
  });
}

int SdlSession::DisplayConnection() const {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(m_window, &info)) return -1;
#ifdef SDL_VIDEO_DRIVER_X11
  if (info.subsystem == SDL_SYSWM_X11) return ConnectionNumber(info.info.x11.display);
#endif
  return -1;
}

bool SdlSession::WaitWithBridge(int timeoutMs) {
  atk::GlibLoop& loop = m_bridge->Loop();
  // What the bus asked may have posted work for the loop; and events SDL has read already are
  // not on the connection any more. Either is handled before sleeping.
  const bool served = loop.DispatchReady();
  SDL_PumpEvents();
  if (served || SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0) {
    TakeEvents();
    return true;
  }
  const int fd = DisplayConnection();
  int timeout = timeoutMs;
  if (fd < 0) timeout = timeout < 0 ? kBlindSliceMs : std::min(timeout, kBlindSliceMs);
  const bool polled = loop.Wait(timeout, fd);
  TakeEvents();
  return polled;
}
#endif

}  // namespace platform::sdl
