// The platform object behind an HWND, and the tree and coordinate arithmetic every window
// function shares.
//
// Coordinate spaces:
//   screen  - the desktop's pixels
//   parent  - a window's rectangle is kept in its parent's client coordinates
//   window  - (0, 0) at the top-left of the window's frame
//   client  - (0, 0) inside the frame
// Top-level windows (children of the desktop) own a backing surface the size of their window
// rectangle; their descendants draw into it, at their offset in top-level window coordinates.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/gdi/HandleTable.h"
#include "platform/gdi/Surface.h"
#include "platform/window/WindowClass.h"

namespace platform {

struct Window : PlatformObject {
  static constexpr ObjectKind kKind = ObjectKind::Window;
  Window() : PlatformObject(kKind) {}
  HWND Handle() const { return static_cast<HWND>(handle); }

  WindowClass* windowClass = nullptr;
  WNDPROC proc = nullptr;
  DWORD style = 0;
  DWORD exStyle = 0;
  HINSTANCE instance = nullptr;
  LONG_PTR id = 0;
  LONG_PTR userData = 0;
  std::vector<BYTE> extraBytes;
  std::wstring text;
  Window* parent = nullptr;  // the desktop for top-level windows; null only for the desktop
  HWND owner = nullptr;      // top-level windows only
  std::vector<Window*> children;  // z-order, top first
  RECT rect{};                    // parent client coordinates

  RECT invalid{};  // client coordinates; empty when there is nothing to paint
  bool eraseOwed = false;   // the next BeginPaint sends WM_ERASEBKGND
  bool frameOwed = false;   // the platform redraws the frame at the next paint
  std::unique_ptr<Surface> backing;  // top-level windows and the desktop

  bool destroying = false;  // DestroyWindow has begun: no new children, no second destroy
  // What ImmAssociateContext gave the window (null: none); the desktop's default until then.
  std::optional<HIMC> inputContext;
};

// The window behind a live handle, or null.
inline Window* FindWindowObject(HWND hwnd) { return Resolve<Window>(hwnd); }
// The same, recording ERROR_INVALID_WINDOW_HANDLE when there is none.
Window* RequireWindow(HWND hwnd);

bool IsDesktop(const Window& w);
bool IsTopLevel(const Window& w);
// The top-level window that holds w (w itself for a top-level window and the desktop).
Window& TopLevelOf(Window& w);
bool IsSelfOrAncestor(const Window& ancestor, const Window* w);
// Visible, and every ancestor too.
bool IsShown(const Window& w);
// Enabled, and every ancestor too.
bool AcceptsInput(const Window& w);

inline RECT Shifted(const RECT& r, LONG dx, LONG dy) {
  return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

int FrameWidth(const Window& w);
int WindowWidth(const Window& w);
int WindowHeight(const Window& w);
RECT ClientRectOf(const Window& w);  // (0, 0, width, height)
// Screen position of the client area's top-left corner, and of the window rectangle.
POINT ClientOrigin(const Window& w);
RECT ScreenRectOf(const Window& w);
// Where w's window rectangle lies in its top-level window's coordinates.
POINT OffsetInTopLevel(const Window& w);
// A screen rectangle narrowed to what w's ancestors let through: their client areas and w's
// top-level window rectangle (so it also lies on the backing surface). Empty when nothing is left.
RECT ClipToAncestors(const Window& w, RECT screen);
// The part of w's client area (client coordinates) that shows through its ancestors.
RECT VisibleClientArea(const Window& w);

}  // namespace platform
