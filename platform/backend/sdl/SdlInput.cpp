#include "platform/backend/sdl/SdlInput.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

#include "platform/backend/sdl/SdlKeys.h"
#include "platform/text/Utf8.h"

namespace platform::sdl {

namespace {

// Where the pointer goes when it leaves the OS window: off every window, so hover ends.
constexpr POINT kOutside{-10000, -10000};

// The buttons the platform knows, by SDL number.
struct ButtonPair {
  Uint8 sdl;
  MouseButton button;
  int vk;
};
constexpr ButtonPair kButtons[] = {{SDL_BUTTON_LEFT, MouseButton::Left, VK_LBUTTON},
                                   {SDL_BUTTON_RIGHT, MouseButton::Right, VK_RBUTTON},
                                   {SDL_BUTTON_MIDDLE, MouseButton::Middle, VK_MBUTTON}};

std::optional<MouseButton> ButtonFromSdl(Uint8 button) {
  for (const ButtonPair& b : kButtons)
    if (b.sdl == button) return b.button;
  return std::nullopt;
}

bool AnyButtonDown(const InputRouter& router) {
  return std::any_of(std::begin(kButtons), std::end(kButtons),
                     [&router](const ButtonPair& b) { return router.AsyncKeyState(b.vk) < 0; });
}

RawInput Pointer(RawInput::Kind kind, POINT pt) {
  RawInput input;
  input.kind = kind;
  input.pt = pt;
  return input;
}

}  // namespace

void SdlInput::Feed(const SDL_Event& event, InputRouter& router) {
  using Kind = RawInput::Kind;
  switch (event.type) {
    case SDL_MOUSEMOTION:
      router.Push(Pointer(Kind::MouseMove, {event.motion.x, event.motion.y}));
      break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      if (const auto button = ButtonFromSdl(event.button.button)) {
        const Uint32 mask = SDL_BUTTON(event.button.button);
        const bool early = m_releasedEarly & mask;
        m_releasedEarly &= ~mask;
        // The release made when the window came back, told by SDL at last.
        if (early && event.type == SDL_MOUSEBUTTONUP) break;
        const POINT pt{event.button.x, event.button.y};
        const POINT at = router.Cursor();
        if (at.x != pt.x || at.y != pt.y) router.Push(Pointer(Kind::MouseMove, pt));
        RawInput input = Pointer(event.type == SDL_MOUSEBUTTONDOWN ? Kind::ButtonDown : Kind::ButtonUp, pt);
        input.button = *button;
        router.Push(input);
      }
      break;
    case SDL_MOUSEWHEEL: {
      const float notches = event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.preciseY
                                                                            : event.wheel.preciseY;
      const int delta = int(std::lround(notches * WHEEL_DELTA));
      if (delta == 0) break;
      RawInput input = Pointer(Kind::Wheel, router.Cursor());
      input.wheelDelta = delta;
      router.Push(input);
      break;
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      // A key that reaches us while no pre-edit shows is the user's own: text after it is typed,
      // not an input method's result. One during a pre-edit the platform hands over as taken.
      if (event.type == SDL_KEYDOWN && !m_preedit) m_composing = false;
      if (const UINT vk = VirtualKeyFromSdl(event.key.keysym.sym)) {
        RawInput input;
        input.kind = event.type == SDL_KEYDOWN ? Kind::KeyDown : Kind::KeyUp;
        input.vk = vk;
        router.Push(input);
      }
      break;
    case SDL_TEXTEDITING:
      FeedComposition(event.edit.text, event.edit.start, event.edit.length, router);
      break;
    case SDL_TEXTEDITING_EXT:
      FeedComposition(event.editExt.text, event.editExt.start, event.editExt.length, router);
      SDL_free(event.editExt.text);
      break;
    case SDL_TEXTINPUT: FeedText(event.text.text, router); break;
    case SDL_WINDOWEVENT:
      // While a button is held the pointer is still ours: a drag goes on outside the window.
      if (event.window.event == SDL_WINDOWEVENT_LEAVE && !AnyButtonDown(router))
        router.Push(Pointer(Kind::MouseMove, kOutside));
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ||
          event.window.event == SDL_WINDOWEVENT_ENTER)
        ReleaseButtonsUpOutside(router);
      if (event.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
          event.window.event == SDL_WINDOWEVENT_FOCUS_GAINED) {
        RawInput input;
        input.kind = event.window.event == SDL_WINDOWEVENT_FOCUS_LOST ? Kind::FocusLost
                                                                       : Kind::FocusGained;
        router.Push(input);
      }
      break;
    default: break;
  }
}

void SdlInput::ReleaseButtonsUpOutside(InputRouter& router) {
  const Uint32 held = SDL_GetGlobalMouseState(nullptr, nullptr);
  for (const ButtonPair& b : kButtons) {
    if (router.AsyncKeyState(b.vk) >= 0 || (held & SDL_BUTTON(b.sdl))) continue;
    RawInput input = Pointer(RawInput::Kind::ButtonUp, router.Cursor());
    input.button = b.button;
    router.Push(input);
    m_releasedEarly |= SDL_BUTTON(b.sdl);
  }
}

void SdlInput::FeedComposition(const char* utf8, int start, int length, InputRouter& router) {
  RawInput input;
  input.kind = RawInput::Kind::ImeComposition;
  input.text = WideFromUtf8(utf8 ? utf8 : "");
  m_preedit = !input.text.empty();
  if (m_preedit) m_composing = true;
  // SDL counts in characters and names a selection, the clause being converted, by its start
  // and length; the caret stands at its end. An input method with only a caret gives a length
  // of 0, and fcitx gives a start of 0 and its caret as the length. A start below 0 means the
  // input method keeps its caret to itself: it is at the end.
  const int size = int(input.text.size());
  input.imeTargetStart = start < 0 ? size : std::min(start, size);
  input.imeTargetLength = std::clamp(length, 0, size - input.imeTargetStart);
  input.imeCaret = input.imeTargetStart + input.imeTargetLength;
  router.Push(std::move(input));
}

void SdlInput::FeedText(const char* utf8, InputRouter& router) {
  std::wstring text = WideFromUtf8(utf8);
  if (text.empty()) return;
  RawInput input;
  if (m_composing) {
    // The result takes the place of the pre-edit.
    m_preedit = false;
    input.kind = RawInput::Kind::ImeResult;
    input.text = std::move(text);
    router.Push(std::move(input));
    return;
  }
  input.kind = RawInput::Kind::Char;
  for (const wchar_t ch : text) {
    input.ch = ch;
    router.Push(input);
  }
}

}  // namespace platform::sdl
