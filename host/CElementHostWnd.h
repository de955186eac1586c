/// @class CElementHostWnd
/// A window that hosts elements: its messages go to its CElementHost first, and whatever the
/// elements leave goes on to the window's default handling.
///
/// @code{.unparsed}
///  CElementHostWnd wnd;
///  wnd.CreateHost(L"Gallery", CRect(0, 0, 640, 480));
///  _CONTAINER_INFO info;             // size, position, id, parent = wnd.Root()
///  label.InitObject(L"caption", &info);
/// @endcode
#pragma once

#include <memory>

#include "host/CElementHost.h"
#include "platform/mfc/CWnd.h"

class CElementHostWnd : public CWnd {
 public:
  CElementHostWnd() = default;
  ~CElementHostWnd() override;

  /// A top-level window (or a child of `parent`) with the given client rectangle and style. It
  /// asks for the environment first, so that a default one reads its theme here (CGlobalEnv.h).
  BOOL CreateHost(LPCWSTR title, const RECT& rect, DWORD style = WS_POPUP | WS_VISIBLE | WS_BORDER,
                  HWND parent = nullptr);
  /// Null before the window is created and after it is destroyed.
  CElementHost* Host() const { return m_pHost.get(); }
  /// The parent to give the window's top-level elements in their creation records; null
  /// before the window is created and after it is destroyed.
  CElementContainer* Root() const { return m_pHost ? m_pHost->Root() : nullptr; }

 protected:
  /// Routes the message to the elements first; what they leave goes to the default handling.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  std::shared_ptr<CElementHost> m_pHost;
};
