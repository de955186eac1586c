// How the platform finds a window's accessible objects and announces their changes.
//
// Objects: AccessibleObjectFromWindow sends a window WM_GETOBJECT with the object id it wants;
// a window that describes itself answers with LresultFromObject, and one that does not
// (DefWindowProc answers 0) gets the platform's standard object for it. Within an object, child
// id CHILDID_SELF is the object itself; windowless elements are the other child ids of their
// host window's OBJID_CLIENT object.
//
// Events: NotifyWinEvent(event, hwnd, idObject, idChild) names what changed in those same
// terms. Hooks are out of context: the platform queues each event and calls the hook's
// procedure when the thread next takes a message (GetMessage, PeekMessage), never from inside
// the change, so the procedure may read the whole model, which is then consistent.
#pragma once

#include "platform/win32/WinDef.h"

// Sent by AccessibleObjectFromWindow: wParam flags (0), lParam the object id (OBJID_*).
constexpr UINT WM_GETOBJECT = 0x003D;

// Object ids: the window's frame and the parts the platform draws for it, and its client area.
constexpr LONG OBJID_WINDOW = 0;
constexpr LONG OBJID_CLIENT = static_cast<LONG>(0xFFFFFFFC);
constexpr LONG CHILDID_SELF = 0;

// Events. Focus and selection name the object that now has them; state, value and name the
// object that changed; show, hide, create and destroy the object that appeared or went;
// location an object that moved or resized. A text's caret or selection moving in an edit box
// is EVENT_OBJECT_TEXTSELECTIONCHANGED on the edit box.
constexpr DWORD EVENT_MIN = 0x00000001;
constexpr DWORD EVENT_MAX = 0x7FFFFFFF;
constexpr DWORD EVENT_SYSTEM_MENUPOPUPSTART = 0x0006;
constexpr DWORD EVENT_SYSTEM_MENUPOPUPEND = 0x0007;
constexpr DWORD EVENT_OBJECT_CREATE = 0x8000;
constexpr DWORD EVENT_OBJECT_DESTROY = 0x8001;
constexpr DWORD EVENT_OBJECT_SHOW = 0x8002;
constexpr DWORD EVENT_OBJECT_HIDE = 0x8003;
constexpr DWORD EVENT_OBJECT_REORDER = 0x8004;
constexpr DWORD EVENT_OBJECT_FOCUS = 0x8005;
constexpr DWORD EVENT_OBJECT_SELECTION = 0x8006;
constexpr DWORD EVENT_OBJECT_STATECHANGE = 0x800A;
constexpr DWORD EVENT_OBJECT_LOCATIONCHANGE = 0x800B;
constexpr DWORD EVENT_OBJECT_NAMECHANGE = 0x800C;
constexpr DWORD EVENT_OBJECT_VALUECHANGE = 0x800E;
constexpr DWORD EVENT_OBJECT_TEXTSELECTIONCHANGED = 0x8014;

// Tells the hooks whose range holds `event`. A null `hwnd` is ignored.
void NotifyWinEvent(DWORD event, HWND hwnd, LONG idObject, LONG idChild);

TRELLIS_DECLARE_HANDLE(HWINEVENTHOOK);
// `thread` and `time` are the platform's thread id (always the one thread here) and clock.
using WINEVENTPROC = void (*)(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG idObject,
                              LONG idChild, DWORD thread, DWORD time);

// Out of context is the only kind: the procedure runs in this process, from the message loop.
constexpr DWORD WINEVENT_OUTOFCONTEXT = 0x0000;

// Calls `proc` for each event from `eventMin` to `eventMax`. `module` must be null and
// `process` and `thread` 0 (every source: there is one process and one thread), `flags`
// WINEVENT_OUTOFCONTEXT; null, for anything else, for a null `proc` or an empty range.
HWINEVENTHOOK SetWinEventHook(DWORD eventMin, DWORD eventMax, HMODULE module, WINEVENTPROC proc,
                              DWORD process, DWORD thread, DWORD flags);
// Stops the hook; events already queued for it are dropped. FALSE for an unknown hook.
BOOL UnhookWinEvent(HWINEVENTHOOK hook);
// TRUE when some hook hears `event`: a source may skip working out what changed otherwise.
BOOL IsWinEventHookInstalled(DWORD event);
