// The KERNEL subset: the current process, and global memory, the currency of the clipboard.
//
// Only movable blocks exist: GlobalAlloc wants GMEM_MOVEABLE (optionally with GMEM_ZEROINIT) and
// refuses fixed memory, because a handle here never doubles as the block's address. Every block
// starts zeroed. A zero-byte block is "discarded": it has a handle but GlobalLock gives NULL.
#pragma once

#include "platform/win32/WinDef.h"

// The pseudo handle that names the calling process wherever a process handle is taken;
// closing it is not needed.
HANDLE GetCurrentProcess();

constexpr UINT GMEM_MOVEABLE = 0x0002;
constexpr UINT GMEM_ZEROINIT = 0x0040;
constexpr UINT GHND = GMEM_MOVEABLE | GMEM_ZEROINIT;

constexpr DWORD ERROR_NOT_LOCKED = 158;

// NULL (ERROR_NOT_ENOUGH_MEMORY) for a block beyond 256 MiB or when memory runs out.
HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes);
// Each lock counts; the address stays the same while the block lives.
LPVOID GlobalLock(HGLOBAL memory);
// Non-zero while locks remain; 0 with ERROR_SUCCESS when the last lock went, 0 with
// ERROR_NOT_LOCKED when there was none.
BOOL GlobalUnlock(HGLOBAL memory);
// NULL when freed; the handle itself when it is not a live block or the clipboard owns it.
HGLOBAL GlobalFree(HGLOBAL memory);
// The size asked for; 0 for a handle that is not a live block.
SIZE_T GlobalSize(HGLOBAL memory);
