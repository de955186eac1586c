// Registering resource modules. On the platform the loader maps an image's resources into
// memory; here a program or library hands its resources over once, usually at load time, and
// gets the module handle that FindResourceW, LoadBitmapW and the MFC module state take.
#pragma once

#include <cstddef>
#include <span>

#include "platform/win32/WinDef.h"

namespace platform {

// One resource. `type` and `name` are integer ids (MAKEINTRESOURCEW) or strings, as the Win32
// functions take them; the registration copies `size` bytes from `data`.
struct ResourceEntry {
  LPCWSTR type;
  LPCWSTR name;
  const void* data;
  std::size_t size;
};

// Makes a module holding copies of the entries. NULL, and nothing registered, when the name is
// null, empty or already used by a registered module (ignoring case), or an entry lacks a type,
// name or data, is larger than 4 GiB - 1, or repeats the type and name of an earlier entry.
HINSTANCE RegisterResourceModule(LPCWSTR name, std::span<const ResourceEntry> entries);
// Frees a module and its resources; their handles go stale and are refused from then on.
// FALSE for anything but a registered module.
BOOL UnregisterResourceModule(HINSTANCE module);

}  // namespace platform
