#include "platform/clipboard/GlobalMemory.h"

#include <cstring>
#include <new>

namespace platform {

namespace {

SIZE_T StorageFor(SIZE_T bytes) {
  const SIZE_T wholeUnits = (bytes + sizeof(wchar_t) - 1) / sizeof(wchar_t);
  return (wholeUnits + 1) * sizeof(wchar_t);
}

}  // namespace

GlobalMemory::GlobalMemory(SIZE_T bytesAsked)
    : PlatformObject(kKind), size(bytesAsked), bytes(new BYTE[StorageFor(bytesAsked)]()) {}

std::wstring_view GlobalMemory::Text() const {
  const auto* units = reinterpret_cast<const wchar_t*>(bytes.get());
  const SIZE_T count = size / sizeof(wchar_t);
  SIZE_T length = 0;
  while (length < count && units[length]) ++length;
  return {units, length};
}

HGLOBAL GlobalFromText(std::wstring_view text) {
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (GlobalMemory* block = FindGlobal(memory))
    std::memcpy(block->bytes.get(), text.data(), text.size() * sizeof(wchar_t));
  return memory;
}

}  // namespace platform

using namespace platform;

HGLOBAL GlobalAlloc(UINT flags, SIZE_T bytes) {
  if (!(flags & GMEM_MOVEABLE) || (flags & ~GHND)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (bytes > GlobalMemory::kMaxSize) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  try {
    return Register<GlobalMemory, HGLOBAL>(std::make_unique<GlobalMemory>(bytes));
  } catch (const std::bad_alloc&) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
}

LPVOID GlobalLock(HGLOBAL memory) {
  GlobalMemory* block = FindGlobal(memory);
  if (!block) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (block->size == 0) return nullptr;
  ++block->locks;
  return block->bytes.get();
}

BOOL GlobalUnlock(HGLOBAL memory) {
  GlobalMemory* block = FindGlobal(memory);
  if (!block) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (block->locks == 0) {
    SetLastError(ERROR_NOT_LOCKED);
    return FALSE;
  }
  if (--block->locks > 0) return TRUE;
  SetLastError(ERROR_SUCCESS);
  return FALSE;
}

HGLOBAL GlobalFree(HGLOBAL memory) {
  const GlobalMemory* block = FindGlobal(memory);
  // Memory handed to the clipboard is the clipboard's: freeing it here would leave the
  // clipboard offering a dead handle to the next reader.
  if (!block || block->heldByClipboard) {
    SetLastError(ERROR_INVALID_HANDLE);
    return memory;
  }
  Handles().Erase(memory);
  return nullptr;
}

SIZE_T GlobalSize(HGLOBAL memory) {
  const GlobalMemory* block = FindGlobal(memory);
  if (!block) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  return block->size;
}
