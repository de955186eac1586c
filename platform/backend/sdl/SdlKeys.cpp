#include "platform/backend/sdl/SdlKeys.h"

#include "platform/win32/WinInput.h"

namespace platform::sdl {

namespace {

struct KeyPair {
  SDL_Keycode sdl;
  UINT vk;
};

constexpr KeyPair kKeys[] = {
    {SDLK_BACKSPACE, VK_BACK},     {SDLK_TAB, VK_TAB},
    {SDLK_RETURN, VK_RETURN},      {SDLK_KP_ENTER, VK_RETURN},
    {SDLK_ESCAPE, VK_ESCAPE},      {SDLK_SPACE, VK_SPACE},
    {SDLK_PAGEUP, VK_PRIOR},       {SDLK_PAGEDOWN, VK_NEXT},
    {SDLK_END, VK_END},            {SDLK_HOME, VK_HOME},
    {SDLK_LEFT, VK_LEFT},          {SDLK_UP, VK_UP},
    {SDLK_RIGHT, VK_RIGHT},        {SDLK_DOWN, VK_DOWN},
    {SDLK_INSERT, VK_INSERT},      {SDLK_DELETE, VK_DELETE},
    {SDLK_LSHIFT, VK_LSHIFT},      {SDLK_RSHIFT, VK_RSHIFT},
    {SDLK_LCTRL, VK_LCONTROL},     {SDLK_RCTRL, VK_RCONTROL},
    {SDLK_LALT, VK_LMENU},         {SDLK_RALT, VK_RMENU},
    {SDLK_CAPSLOCK, VK_CAPITAL},   {SDLK_NUMLOCKCLEAR, VK_NUMLOCK},
    {SDLK_SCROLLLOCK, VK_SCROLL},  {SDLK_PAUSE, VK_PAUSE},
    {SDLK_KP_0, VK_NUMPAD0},       {SDLK_KP_MULTIPLY, VK_MULTIPLY},
    {SDLK_KP_PLUS, VK_ADD},        {SDLK_KP_MINUS, VK_SUBTRACT},
    {SDLK_KP_PERIOD, VK_DECIMAL},  {SDLK_KP_DIVIDE, VK_DIVIDE},
    {SDLK_SEMICOLON, VK_OEM_1},    {SDLK_EQUALS, VK_OEM_PLUS},
    {SDLK_COMMA, VK_OEM_COMMA},    {SDLK_MINUS, VK_OEM_MINUS},
    {SDLK_PERIOD, VK_OEM_PERIOD},  {SDLK_SLASH, VK_OEM_2},
    {SDLK_BACKQUOTE, VK_OEM_3},    {SDLK_LEFTBRACKET, VK_OEM_4},
    {SDLK_BACKSLASH, VK_OEM_5},    {SDLK_RIGHTBRACKET, VK_OEM_6},
    {SDLK_QUOTE, VK_OEM_7},
};

}  // namespace

UINT VirtualKeyFromSdl(SDL_Keycode key) {
  // Letters and digits are their own virtual keys, letters in upper case.
  if (key >= SDLK_a && key <= SDLK_z) return UINT(key - SDLK_a + 'A');
  if (key >= SDLK_0 && key <= SDLK_9) return UINT(key);
  if (key >= SDLK_F1 && key <= SDLK_F12) return VK_F1 + UINT(key - SDLK_F1);
  // SDL numbers the keypad 1..9 apart from its 0.
  if (key >= SDLK_KP_1 && key <= SDLK_KP_9) return VK_NUMPAD0 + 1 + UINT(key - SDLK_KP_1);
  for (const KeyPair& pair : kKeys)
    if (pair.sdl == key) return pair.vk;
  return 0;
}

}  // namespace platform::sdl
