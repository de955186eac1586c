// The desktop's input context and the delivery of committed input-method text.
#pragma once

#include <string>
#include <string_view>

#include "platform/gdi/HandleTable.h"
#include "platform/win32/WinImm.h"

namespace platform {

struct InputContext : PlatformObject {
  static constexpr ObjectKind kKind = ObjectKind::InputContext;
  // The only one is the desktop's, shared as the desktop is.
  InputContext() : PlatformObject(kKind) { shared = true; }
  std::wstring result;
};

class InputMethod {
 public:
  InputMethod();
  ~InputMethod();
  InputMethod(const InputMethod&) = delete;
  InputMethod& operator=(const InputMethod&) = delete;

  HIMC Context() const { return m_context; }
  // Makes `text` the result string and sends WM_IME_COMPOSITION (GCS_RESULTSTR) to `hwnd`;
  // wParam is the last character committed.
  void DeliverResult(HWND hwnd, std::wstring_view text);

 private:
  HIMC m_context = nullptr;  // owned by the handle table
};

}  // namespace platform
