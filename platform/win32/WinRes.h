// Resources: finding, reading and loading the resources of a module. A module (HINSTANCE,
// HMODULE) is made by platform::RegisterResourceModule (platform/resource/ResourceModule.h),
// the portable stand-in for a loaded image's resource section.
#pragma once

#include "platform/win32/WinDef.h"

#define RT_BITMAP MAKEINTRESOURCEW(2)

// The resource of that name and type in the module, or NULL (last error set). Names and types
// are integer ids (MAKEINTRESOURCEW) or strings; string names ignore case, and "#123" names id
// 123. A null module is refused: a program has no resource section of its own here.
HRSRC FindResourceW(HMODULE module, LPCWSTR name, LPCWSTR type);
// A handle to the resource's data, valid as long as the module is registered; NULL when the
// resource is not the module's.
HGLOBAL LoadResource(HMODULE module, HRSRC resource);
// The first byte of a loaded resource, or NULL. The data is read-only.
LPVOID LockResource(HGLOBAL data);
// The resource's size in bytes, 0 on failure.
DWORD SizeofResource(HMODULE module, HRSRC resource);
// A new 32-bit bitmap from the module's RT_BITMAP resource (a DIB without file header), or NULL
// when the module, the resource or its data is missing or malformed. The caller deletes it with
// DeleteObject. A null module (the system's own bitmaps) is not supported and gives NULL.
HBITMAP LoadBitmapW(HINSTANCE module, LPCWSTR name);
