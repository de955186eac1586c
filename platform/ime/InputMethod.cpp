#include "platform/ime/InputMethod.h"

#include <algorithm>

#include "platform/window/WindowManager.h"

namespace platform {

InputMethod::InputMethod()
    : m_context(Register<InputContext, HIMC>(std::make_unique<InputContext>())) {}

InputMethod::~InputMethod() { Handles().Erase(m_context); }

void InputMethod::DeliverResult(HWND hwnd, std::wstring_view text) {
  InputContext* context = Resolve<InputContext>(m_context);
  if (!context || !IsWindow(hwnd)) return;
  context->result = text;
  const WPARAM last = text.empty() ? 0 : WPARAM(text.back());
  SendMessageW(hwnd, WM_IME_COMPOSITION, last, LPARAM(GCS_RESULTSTR));
}

}  // namespace platform

using namespace platform;

HIMC ImmGetContext(HWND hwnd) {
  if (!RequireWindow(hwnd)) return nullptr;
  return Desktop::Current().inputMethod.Context();
}

BOOL ImmReleaseContext(HWND hwnd, HIMC context) {
  return IsWindow(hwnd) && Resolve<InputContext>(context) != nullptr;
}

LONG ImmGetCompositionStringW(HIMC context, DWORD index, LPVOID buffer, DWORD bufferBytes) {
  const InputContext* c = Resolve<InputContext>(context);
  if (!c) return 0;
  std::wstring_view text;
  if (index == GCS_RESULTSTR) {
    text = c->result;
  } else if (index != GCS_COMPSTR) {
    return IMM_ERROR_GENERAL;
  }
  // Results are far shorter than a LONG can count in bytes; the cap keeps the sizes honest.
  constexpr std::size_t kMaxCharacters = 0x1FFFFFFF;
  const std::size_t length = std::min(text.size(), kMaxCharacters);
  if (!buffer || bufferBytes == 0) return LONG(length * sizeof(wchar_t));
  const std::size_t fits = std::min<std::size_t>(length, bufferBytes / sizeof(wchar_t));
  std::copy_n(text.data(), fits, static_cast<wchar_t*>(buffer));
  return LONG(fits * sizeof(wchar_t));
}
