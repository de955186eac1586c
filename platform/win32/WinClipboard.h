// The clipboard of the USER subset: text in CF_UNICODETEXT, carried in global memory.
//
// Rules, as the platform has them:
//   - Nothing but IsClipboardFormatAvailable and GetClipboardOwner works while the clipboard is
//     closed (ERROR_CLIPBOARD_NOT_OPEN). Opening it again with the window that holds it open
//     succeeds; with any other window it fails (ERROR_ACCESS_DENIED).
//   - SetClipboardData needs an EmptyClipboard earlier in the same open. EmptyClipboard frees
//     what the clipboard held and makes the opening window (possibly none) the owner.
//   - SetClipboardData takes the memory: the clipboard frees it when emptied or replaced, and
//     GlobalFree refuses it meanwhile. Data handles are always global memory, so the data
//     functions take and give HGLOBAL; delayed rendering (a NULL handle) is not supported.
// A backend with a system clipboard sees the text when the clipboard is closed after a change,
// and offers its own text when the clipboard is opened or asked about.
#pragma once

#include "platform/win32/WinBase.h"

constexpr UINT CF_UNICODETEXT = 13;

constexpr DWORD ERROR_ACCESS_DENIED = 5;
constexpr DWORD ERROR_CLIPBOARD_NOT_OPEN = 1418;

BOOL OpenClipboard(HWND owner);
BOOL CloseClipboard();
BOOL EmptyClipboard();
// Returns the memory on success, NULL on failure (the memory then stays the caller's).
HGLOBAL SetClipboardData(UINT format, HGLOBAL memory);
// The clipboard's memory: read it under GlobalLock, never free it. NULL when the format is absent.
HGLOBAL GetClipboardData(UINT format);
BOOL IsClipboardFormatAvailable(UINT format);
// The window that last emptied the clipboard, if it is still alive.
HWND GetClipboardOwner();
