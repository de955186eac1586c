// Index: the stream; opening; playing events; answers; settling and checking.
#include "tests/soak/WindowWorld.h"

#include <X11/keysym.h>

#include <SDL.h>

#include <algorithm>
#include <chrono>

#include "platform/backend/sdl/ScalePicture.h"
#include "platform/window/Desktop.h"
#include "tests/soak/GalleryProbe.h"

namespace soak {
namespace {

// ---- the stream
// Each kind's name and share of the stream, in the order of WindowKind.
constexpr Weighted kKinds[] = {
    {"move", 300}, {"click", 260}, {"double", 80}, {"right", 80}, {"press", 60}, {"release", 60},
    {"drag", 100}, {"wheel", 120}, {"key", 400},   {"text", 160}, {"focus", 40}, {"resize", 40},
};

constexpr int kBoardWidth = 960;
constexpr unsigned long kKeys[] = {
    XK_Left, XK_Right, XK_Up,     XK_Down,  XK_Tab, XK_Return, XK_Escape, XK_Home, XK_End,
    XK_Prior, XK_Next, XK_Delete, XK_BackSpace, XK_space, XK_F1, XK_F4, XK_F5, XK_F10, XK_F12,
    XK_a,    XK_c,     XK_v,      XK_x,     XK_z,   XK_q,      XK_m,      XK_0,    XK_9};
constexpr unsigned long kModifiers[] = {0, 0, 0, XK_Control_L, XK_Shift_L, XK_Alt_L};
const char32_t* const kTexts[] = {U"a",      U"Hello, world", U"中文输入法", U"Ünïcödé ß",
                                  U"\b\t\r", U"2026年12月",   U"😀 emoji",   U"0123456789"};
// How long the program may take to answer before the soak says it hangs.
constexpr auto kAnswerTime = std::chrono::seconds(20);
// Window sizes a resize picks from, in window pixels (never past the root's edge, where the
// window would keep no picture to check).
constexpr int kSmallestSide = 120;

}  // namespace

WindowEvent WindowEventAt(uint64_t seed, uint64_t index) {
  uint64_t state = Mix(Mix(seed ^ 0x5749u) ^ index);
  auto next = [&state] { return state = Mix(state); };
  const size_t k = PickWeighted(kKinds, next());
  return {WindowKind(k), uint32_t(next()), uint32_t(next()), uint32_t(next()), uint32_t(next())};
}

const char* WindowKindName(WindowKind kind) { return kKinds[size_t(kind)].name; }

// ---- opening

std::unique_ptr<WindowWorld> WindowWorld::Open(int width, int height,
                                               platform::DisplayScale scale,
                                               std::string& error) {
  std::unique_ptr<WindowWorld> world(new WindowWorld());
  if (!world->m_screen.Open(L"Trellis gallery soak", width, height, platform::sdl::kSdlResizable,
                            scale)) {
    error = "no window: " + world->m_screen.Error();
    return nullptr;
  }
  world->m_gallery = std::make_unique<GalleryWindow>(kBoardWidth);
  world->m_driver = XTestDriver::Connect(world->m_screen.OsWindow(), error);
  if (!world->m_driver) return nullptr;
  world->m_driver->FocusTarget();
  if (auto fault = world->RoundTrip()) {
    error = *fault;
    return nullptr;
  }
  // Input goes only where the display is: a window past its edge could not be played.
  const XTestDriver::Place& place = world->m_place;
  if (place.x < 0 || place.y < 0 || place.x + place.width > world->m_driver->RootWidth() ||
      place.y + place.height > world->m_driver->RootHeight()) {
    error = "the window (" + std::to_string(place.width) + "x" + std::to_string(place.height) +
            ") does not fit on the display (" + std::to_string(world->m_driver->RootWidth()) +
            "x" + std::to_string(world->m_driver->RootHeight()) +
            "): a smaller --size or --scale, or a larger display";
    return nullptr;
  }
  return world;
}

WindowWorld::~WindowWorld() {
  // The driver lets go of what it holds while the window is there to hear it.
  m_driver.reset();
  m_gallery.reset();
}

// ---- playing events

void WindowWorld::MoveTo(POINT screen) {
  const POINT window = m_screen.Scale().ToWindow(screen);
  m_driver->MoveTo(m_place.x + window.x, m_place.y + window.y);
}

POINT WindowWorld::Aim(uint32_t how, uint32_t u, uint32_t v) {
  const CRect screen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  POINT pt = soak::Aim(*m_gallery, screen, how, u, v);
  // Aiming may have scrolled the board: the program draws that before the pointer arrives.
  m_screen.PumpUntilIdle();
  return pt;
}

void WindowWorld::Click(unsigned button) {
  m_driver->Button(button, true);
  m_driver->Button(button, false);
}

std::optional<std::string> WindowWorld::Drag(const WindowEvent& e) {
  const POINT from = Aim(e.a, e.b, e.c), to = Aim(e.d, e.c ^ e.a, e.b ^ e.d);
  MoveTo(from);
  m_driver->Button(1, true);
  for (int step = 1; step <= 3; ++step)
    MoveTo({from.x + (to.x - from.x) * step / 3, from.y + (to.y - from.y) * step / 3});
  // Off the window and back, with the program running its timers out there (auto-scrolling).
  if (e.d & 1) {
    m_driver->MoveTo(std::max(0, m_place.x - 20), m_place.y + (m_place.height / 2));
    if (auto fault = RoundTrip()) return fault;
    MoveTo(to);
  }
  m_driver->Button(1, false);
  return std::nullopt;
}

std::optional<std::string> WindowWorld::Apply(const WindowEvent& e) {
  const bool pointed = e.kind <= WindowKind::Wheel && e.kind != WindowKind::Drag;
  if (pointed) MoveTo(Aim(e.a, e.b, e.c));
  switch (e.kind) {
    case WindowKind::Move: break;
    case WindowKind::DoubleClick: Click(1); [[fallthrough]];
    case WindowKind::Click: Click(1); break;
    case WindowKind::RightClick: Click(3); break;
    case WindowKind::Press: m_driver->Button(e.d % 4 ? 1 : 3, true); break;
    case WindowKind::Release: m_driver->Button(e.d % 4 ? 1 : 3, false); break;
    case WindowKind::Drag:
      if (auto fault = Drag(e)) return fault;
      break;
    case WindowKind::Wheel: {
      const bool sideways = e.d % 5 == 0;
      if (sideways) m_driver->Key(XK_Shift_L, true);
      for (uint32_t notch = 0; notch <= e.d / 2 % 3; ++notch) Click(e.d & 1 ? 4 : 5);
      if (sideways) m_driver->Key(XK_Shift_L, false);
      break;
    }
    case WindowKind::Key: {
      const unsigned long modifier = Pick(kModifiers, e.b);
      if (modifier) m_driver->Key(modifier, true);
      m_driver->Key(Pick(kKeys, e.a), true);
      m_driver->Key(Pick(kKeys, e.a), false);
      if (modifier) m_driver->Key(modifier, false);
      break;
    }
    case WindowKind::Text:
      for (const char32_t* ch = Pick(kTexts, e.a); *ch; ++ch) m_driver->Type(*ch);
      break;
    case WindowKind::Focus:
      if (e.a % 2) m_driver->FocusElsewhere();
      else m_driver->FocusTarget();
      break;
    case WindowKind::Resize: {
      const int most = std::max(kSmallestSide, m_driver->RootWidth() - m_place.x);
      const int tallest = std::max(kSmallestSide, m_driver->RootHeight() - m_place.y);
      m_driver->Resize(kSmallestSide + int(e.a % uint32_t(most - kSmallestSide + 1)),
                       kSmallestSide + int(e.b % uint32_t(tallest - kSmallestSide + 1)));
      break;
    }
  }
  return RoundTrip();
}

// ---- answers

std::optional<std::string> WindowWorld::RoundTrip() {
  m_driver->Mark(++m_serial);
  const auto deadline = std::chrono::steady_clock::now() + kAnswerTime;
  for (;;) {
    if (!m_screen.PumpUntilIdle()) return "the gallery quit";
    // SDL has seen the mark when it queues it; the program has taken what came before it only
    // once SDL's queue is empty (a poll can stop short of the queue's end).
    if (m_driver->Answered() == m_serial && !SDL_HasEvents(SDL_FIRSTEVENT, SDL_LASTEVENT)) break;
    if (std::chrono::steady_clock::now() > deadline)
      return "the program did not answer within " + std::to_string(kAnswerTime.count()) + " s";
    // Waits for SDL's next event (the mark among them) without taking it.
    SDL_WaitEventTimeout(nullptr, 10);
  }
  m_place = m_driver->Where();
  if (std::string error = m_driver->TakeError(); !error.empty()) return "X error: " + error;
  return std::nullopt;
}

// ---- settling and checking

std::optional<std::string> WindowWorld::CheckGallery(bool settled) {
  if (auto fault = soak::CheckGallery(*m_gallery, settled)) return fault;
  if (!m_driver->Mapped()) return "the window is no longer mapped";
  return std::nullopt;
}

std::optional<std::string> WindowWorld::SettleAndCheck() {
  m_driver->FocusTarget();
  m_driver->ReleaseAll();
  // SDL tells of a window gaining the focus a little after the server does (it waits to see
  // whether the focus only passes through): keys sent before then would be heard by none.
  const auto deadline = std::chrono::steady_clock::now() + kAnswerTime;
  while (SDL_GetKeyboardFocus() != m_screen.OsWindow()) {
    if (std::chrono::steady_clock::now() > deadline) return "the window never got the focus back";
    if (auto fault = RoundTrip()) return fault;
    SDL_WaitEventTimeout(nullptr, 10);
  }
  m_driver->Key(XK_Escape, true);
  m_driver->Key(XK_Escape, false);
  if (auto fault = RoundTrip()) return fault;
  const CRect screen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  const auto spot = soak::EmptySpot(*m_gallery, screen);
  if (!spot) return CheckGallery(false);  // a window too small to show an empty spot
  // SDL never hears the pointer leave when a drag ends outside the window, and then drops the
  // first motion that brings it back: the pointer comes to the spot in two moves, as a hand
  // does, so that the program hears the second.
  MoveTo({spot->x + 1, spot->y});
  MoveTo(*spot);
  Click(1);
  if (auto fault = RoundTrip()) return fault;
  POINT at{};
  GetCursorPos(&at);
  if (at.x != spot->x || at.y != spot->y)
    return "the pointer was put at " + std::to_string(spot->x) + "," + std::to_string(spot->y) +
           " but the screen has it at " + std::to_string(at.x) + "," + std::to_string(at.y);
  if (auto fault = CheckGallery(true)) return fault;
  return CheckPicture();
}

// What the window shows is the composed screen at the window's scale, every pixel of it.
std::optional<std::string> WindowWorld::CheckPicture() {
  const platform::Surface& composed = platform::Desktop::Current().Compose();
  const std::vector<uint32_t> shown = m_driver->Picture(m_place);
  std::vector<platform::Pixel> expected(shown.size());
  if (composed.Empty() || shown.empty()) return "the screen or the window has no picture";
  platform::sdl::ScalePicture(composed, m_screen.Scale(), expected.data(), m_place.width,
                              m_place.height);
  const int visibleWidth = std::min(m_place.width, m_driver->RootWidth() - m_place.x);
  const int visibleHeight = std::min(m_place.height, m_driver->RootHeight() - m_place.y);
  for (int y = 0; y < visibleHeight; ++y)
    for (int x = 0; x < visibleWidth; ++x) {
      const std::size_t i = std::size_t(y) * std::size_t(m_place.width) + std::size_t(x);
      if (shown[i] != (expected[i] & 0xFFFFFF))
        return "the window shows " + std::to_string(shown[i]) + " at " + std::to_string(x) +
               "," + std::to_string(y) + " where the screen has " + std::to_string(expected[i]);
    }
  return std::nullopt;
}

}  // namespace soak
