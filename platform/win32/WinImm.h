// The input-method subset: each window's input context, the composition and result strings in
// it, and where the focus window wants the composition and the candidates shown.
//
// Every window starts with the desktop's one default input context, as the platform's windows
// do; ImmAssociateContext takes it away (NULL) or gives it back. A window without a context, or
// with a closed one (ImmSetOpenStatus FALSE), gets no composition: its keys go straight to it.
//
// Backends turn their input method's pre-edit and commit into the platform's messages, sent to
// the focus window:
//   WM_IME_STARTCOMPOSITION          the first pre-edit of a composition
//   WM_IME_COMPOSITION               GCS_COMPSTR | GCS_COMPATTR | GCS_CURSORPOS while composing
//                                    (wParam: the last character of the composition)
//   WM_IME_COMPOSITION               GCS_RESULTSTR on commit (wParam: the last character)
//   WM_IME_ENDCOMPOSITION            after the result, or when the composition was cancelled
// A result that came with no composition is bracketed by a start and an end all the same. While
// a composition is in progress the result string is empty, and once a result is delivered the
// composition string is; each stays until the next composition or result replaces it. Key
// presses that reach the window during a composition (the input method took them) arrive as
// WM_KEYDOWN with VK_PROCESSKEY; their releases keep their own key.
//
// A window that leaves WM_IME_STARTCOMPOSITION to DefWindowProc does not draw the composition
// itself: the platform's default composition window shows it, at the point set with
// ImmSetCompositionWindow (the client area's top-left corner by default), in the font set with
// ImmSetCompositionFontW, and goes when the composition ends.
#pragma once

#include "platform/win32/WinDef.h"
#include "platform/win32/WinGdi.h"

// ImmGetCompositionStringW indexes; the same bits flag WM_IME_COMPOSITION's lParam.
constexpr DWORD GCS_COMPSTR = 0x0008;
constexpr DWORD GCS_COMPATTR = 0x0010;
constexpr DWORD GCS_CURSORPOS = 0x0080;
constexpr DWORD GCS_RESULTSTR = 0x0800;

// GCS_COMPATTR: one byte per character of the composition.
constexpr BYTE ATTR_INPUT = 0x00;
constexpr BYTE ATTR_TARGET_CONVERTED = 0x01;

// Composition and candidate form styles.
constexpr DWORD CFS_DEFAULT = 0x0000;
constexpr DWORD CFS_POINT = 0x0002;
constexpr DWORD CFS_FORCE_POSITION = 0x0020;
constexpr DWORD CFS_CANDIDATEPOS = 0x0040;
constexpr DWORD CFS_EXCLUDE = 0x0080;

constexpr LONG IMM_ERROR_GENERAL = -2;

// Where the composition goes: CFS_POINT or CFS_FORCE_POSITION put it at ptCurrentPos, in the
// client coordinates of the window the context belongs to; CFS_DEFAULT at the client area's
// top-left corner.
struct COMPOSITIONFORM {
  DWORD dwStyle;
  POINT ptCurrentPos;
  RECT rcArea;
};
using LPCOMPOSITIONFORM = COMPOSITIONFORM*;

// Where the candidate list goes (client coordinates): CFS_CANDIDATEPOS puts its top-left corner
// at ptCurrentPos; CFS_EXCLUDE keeps it off rcArea (the caret's line), below it.
struct CANDIDATEFORM {
  DWORD dwIndex;
  DWORD dwStyle;
  POINT ptCurrentPos;
  RECT rcArea;
};
using LPCANDIDATEFORM = CANDIDATEFORM*;

// NULL for a handle that is not a window, and for a window without a context.
HIMC ImmGetContext(HWND hwnd);
BOOL ImmReleaseContext(HWND hwnd, HIMC context);
// Gives the window `context` (NULL: none) and returns the one it had. A composition in progress
// in the window ends (WM_IME_ENDCOMPOSITION) when its context goes. NULL, changing nothing, for
// a handle that is not a window or a context that is not NULL and not a context.
HIMC ImmAssociateContext(HWND hwnd, HIMC context);

// Sizes are in bytes and strings are not terminated. With no buffer or bufferBytes 0: the bytes
// the string needs. Otherwise copies the whole characters (GCS_COMPATTR: bytes) that fit and
// returns the bytes copied. GCS_CURSORPOS returns the caret's place in the composition, in
// characters, and copies nothing. 0 for a handle that is not an input context;
// IMM_ERROR_GENERAL for another index.
LONG ImmGetCompositionStringW(HIMC context, DWORD index, LPVOID buffer, DWORD bufferBytes);
#define ImmGetCompositionString ImmGetCompositionStringW

// FALSE for a handle that is not a context or a form that is missing; candidate forms take
// index 0 only.
BOOL ImmSetCompositionWindow(HIMC context, LPCOMPOSITIONFORM form);
BOOL ImmSetCandidateWindow(HIMC context, LPCANDIDATEFORM form);
BOOL ImmSetCompositionFontW(HIMC context, LPLOGFONTW font);
#define ImmSetCompositionFont ImmSetCompositionFontW

// Contexts are open from the start. Closing one ends its composition.
BOOL ImmGetOpenStatus(HIMC context);
BOOL ImmSetOpenStatus(HIMC context, BOOL open);

// ImmNotifyIME: what a window tells the input method about its composition.
constexpr DWORD NI_COMPOSITIONSTR = 0x0015;
constexpr DWORD CPS_CANCEL = 0x0004;
// NI_COMPOSITIONSTR with CPS_CANCEL (value 0) ends the composition in progress in the context
// without a result. FALSE for a handle that is not a context, another action or index, or when no
// composition is in progress.
BOOL ImmNotifyIME(HIMC context, DWORD action, DWORD index, DWORD value);
