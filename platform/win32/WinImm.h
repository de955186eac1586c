// The input-method subset: each window's input context and the strings in it.
//
// All windows share the desktop's one default input context, as the platform's windows do
// until a program associates another. Backends deliver what an input method commits: the
// platform puts it in the context as the result string and sends WM_IME_COMPOSITION with
// GCS_RESULTSTR to the focus window, whose handler reads it with ImmGetCompositionStringW. The
// string stays until the next result replaces it. Compositions still in progress are shown by
// the input method itself, so the composition string (GCS_COMPSTR) is always empty here.
#pragma once

#include "platform/win32/WinDef.h"

constexpr DWORD GCS_COMPSTR = 0x0008;
constexpr DWORD GCS_RESULTSTR = 0x0800;

constexpr LONG IMM_ERROR_GENERAL = -2;

// NULL for a handle that is not a window.
HIMC ImmGetContext(HWND hwnd);
BOOL ImmReleaseContext(HWND hwnd, HIMC context);
// Sizes are in bytes and strings are not terminated. With no buffer or bufferBytes 0: the bytes
// the string needs. Otherwise copies the whole characters that fit and returns the bytes
// copied. 0 for a handle that is not an input context; IMM_ERROR_GENERAL for another index.
LONG ImmGetCompositionStringW(HIMC context, DWORD index, LPVOID buffer, DWORD bufferBytes);
#define ImmGetCompositionString ImmGetCompositionStringW
