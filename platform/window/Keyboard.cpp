// Key state and the translation of key presses into characters (US keyboard layout).
#include "platform/window/WindowManager.h"

using namespace platform;

namespace {

struct ShiftedPair {
  UINT vk;
  WCHAR plain;
  WCHAR shifted;
};
constexpr ShiftedPair kPunctuation[] = {
    {VK_OEM_1, L';', L':'},      {VK_OEM_PLUS, L'=', L'+'}, {VK_OEM_COMMA, L',', L'<'},
    {VK_OEM_MINUS, L'-', L'_'},  {VK_OEM_PERIOD, L'.', L'>'}, {VK_OEM_2, L'/', L'?'},
    {VK_OEM_3, L'`', L'~'},      {VK_OEM_4, L'[', L'{'},     {VK_OEM_5, L'\\', L'|'},
    {VK_OEM_6, L']', L'}'},      {VK_OEM_7, L'\'', L'"'},
};
constexpr wchar_t kShiftedDigits[] = L")!@#$%^&*(";

bool Down(int vk) { return GetKeyState(vk) < 0; }

bool IsControlCharacter(WCHAR ch) { return ch < 0x20 || ch == 0x7F; }

// The character a key press types with the current modifiers, or 0.
WCHAR CharacterFor(UINT vk) {
  const bool shift = Down(VK_SHIFT), ctrl = Down(VK_CONTROL), alt = Down(VK_MENU);
  const bool caps = GetKeyState(VK_CAPITAL) & 1;
  // Alt alone makes system characters, which this subset does not have.
  if (alt && !ctrl) return 0;
  if (vk >= 'A' && vk <= 'Z') {
    if (ctrl) return WCHAR(vk - 'A' + 1);  // the control characters ^A..^Z
    return (shift != caps) ? WCHAR(vk) : WCHAR(vk - 'A' + 'a');
  }
  switch (vk) {
    case VK_RETURN: return ctrl ? L'\n' : L'\r';
    case VK_BACK: return ctrl ? WCHAR(0x7F) : L'\b';
    case VK_ESCAPE: return WCHAR(0x1B);
    case VK_SPACE: return L' ';
    case VK_TAB: return ctrl ? 0 : L'\t';
    default: break;
  }
  if (ctrl) return 0;
  if (vk >= '0' && vk <= '9') return shift ? kShiftedDigits[vk - '0'] : WCHAR(vk);
  if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD9) return WCHAR(L'0' + (vk - VK_NUMPAD0));
  switch (vk) {
    case VK_MULTIPLY: return L'*';
    case VK_ADD: return L'+';
    case VK_SUBTRACT: return L'-';
    case VK_DECIMAL: return L'.';
    case VK_DIVIDE: return L'/';
    default: break;
  }
  for (const ShiftedPair& p : kPunctuation)
    if (p.vk == vk) return shift ? p.shifted : p.plain;
  return 0;
}

}  // namespace

SHORT GetKeyState(int vk) { return Desktop::Current().input.KeyState(vk); }
SHORT GetAsyncKeyState(int vk) { return Desktop::Current().input.AsyncKeyState(vk); }

BOOL TranslateMessage(const MSG* msg) {
  if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_KEYUP)) return FALSE;
  if (msg->message == WM_KEYDOWN) {
    // Posted messages come before input, so the character arrives ahead of the next key.
    const WCHAR ch = CharacterFor(UINT(msg->wParam));
    const bool typedByBackend = Desktop::Current().backendTypesText && !IsControlCharacter(ch);
    if (ch && !typedByBackend) PostMessageW(msg->hwnd, WM_CHAR, WPARAM(ch), msg->lParam);
  }
  return TRUE;
}
