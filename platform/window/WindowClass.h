// The registered window classes. A class cannot be unregistered while windows of it live, so
// windows keep plain pointers to their class.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/WinWindow.h"

namespace platform {

struct WindowClass {
  std::wstring name;
  ATOM atom = 0;
  UINT style = 0;
  WNDPROC proc = nullptr;
  int windowExtraBytes = 0;
  HINSTANCE instance = nullptr;
  HCURSOR cursor = nullptr;
  HBRUSH background = nullptr;
  int liveWindows = 0;
};

class ClassRegistry {
 public:
  // 0 when the name is taken or the record is unusable.
  ATOM Register(const WNDCLASSEXW& wc);
  bool Unregister(LPCWSTR nameOrAtom);
  // By name (any case) or by atom (MAKEINTATOM); null when unknown.
  WindowClass* Find(LPCWSTR nameOrAtom) const;

 private:
  std::vector<std::unique_ptr<WindowClass>> m_classes;
  ATOM m_nextAtom = 0xC000;  // where the platform starts handing out class atoms
};

// Classes live as long as the process, like the process's class table does.
ClassRegistry& Classes();

}  // namespace platform
