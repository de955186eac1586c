// The window manager's internal operations that the Win32 entry points share. Each group is
// implemented in the file named above it.
#pragma once

#include "platform/win32/WinUser.h"
#include "platform/window/Desktop.h"

namespace platform {

// ---- WindowPlacement.cpp
// Puts w among its siblings: HWND_TOP, HWND_BOTTOM, HWND_TOPMOST, HWND_NOTOPMOST or after a
// sibling. Top-level windows keep the topmost band above the others.
void PlaceInZOrder(Window& w, HWND insertAfter);
// Gives a top-level window a backing surface of its window size.
void ResizeBacking(Window& w);

// ---- WindowQueries.cpp
// The deepest visible, enabled window under a screen point, skipping the desktop, with the hit
// code (HTCLIENT or HTBORDER). Null over the bare desktop or a disabled top-level window.
Window* HitTest(POINT screen, int* hitCode);

// ---- Invalidation.cpp
// Adds a client rectangle to w's invalid area (and to its children's, unless w clips them).
void InvalidateClientRect(Window& w, RECT rect, bool erase);
// Invalidates the part of a child's window rectangle, frame included, that a rectangle in its
// parent's client coordinates covers.
void InvalidateChildUnder(Window& child, const RECT& rectInParent, bool erase);
// Invalidates all of w and its descendants: client areas and frames.
void InvalidateWhole(Window& w);
// Invalidates what lay under w's window rectangle in its parent (after w moved or hid).
void InvalidateUncovered(const Window& parent, RECT rectInParent);
// The first visible window with something to paint, parents before children; null if none.
// Frames owed on the way are drawn.
Window* FindWindowToPaint(HWND filter);

// ---- WindowDc.cpp
// Recomputes the drawing limits of every DC handed out on a window.
void RefreshWindowDcs();
// Draws w's WS_BORDER frame into its top-level window's surface.
void DrawFrame(Window& w);

// ---- Focus.cpp
// A top-level window that can become active: visible, enabled, and not WS_CHILD.
bool Activatable(const Window& w);
// Makes a top-level window the active one, as a click (WA_CLICKACTIVE) or a call (WA_ACTIVE).
void Activate(Window* w, WORD how);
// Before w disappears (hidden or destroyed): activation passes on when w held it, and focus and
// capture inside w are dropped.
void LetGoOf(Window& w, bool destroying);

}  // namespace platform
