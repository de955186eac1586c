// The platform object behind an HGLOBAL.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/gdi/HandleTable.h"
#include "platform/win32/WinBase.h"

namespace platform {

struct GlobalMemory : PlatformObject {
  static constexpr ObjectKind kKind = ObjectKind::Global;
  static constexpr SIZE_T kMaxSize = SIZE_T(1) << 28;

  // Throws std::bad_alloc when memory runs out; sizes beyond kMaxSize are the caller's to refuse.
  explicit GlobalMemory(SIZE_T bytes);

  // The characters of the block read as text, up to the first NUL.
  std::wstring_view Text() const;

  const SIZE_T size;
  // Zeroed bytes past `size`, up to and including one whole wchar_t beyond the last one that
  // `size` touches: text read up to its NUL stops inside the block even when the writer left
  // the terminator out.
  const std::unique_ptr<BYTE[]> bytes;
  unsigned locks = 0;
  bool heldByClipboard = false;  // the clipboard frees it; GlobalFree refuses
};

inline GlobalMemory* FindGlobal(HGLOBAL memory) { return Resolve<GlobalMemory>(memory); }
// A new block holding the text and its terminator; null when memory runs out.
HGLOBAL GlobalFromText(std::wstring_view text);

}  // namespace platform
