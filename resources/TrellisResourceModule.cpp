#include "resources/TrellisResourceModule.h"

#include <vector>

#include "platform/resource/ResourceModule.h"
#include "platform/win32/WinRes.h"
#include "resources/EmbeddedBitmaps.h"

HINSTANCE TrellisResourceModule() {
  // Registered on first use rather than by a static constructor: the library's app object asks
  // for it while the library is being loaded, in an order no file can rely on.
  static const HINSTANCE module = [] {
    std::vector<platform::ResourceEntry> entries;
    for (const EmbeddedBitmap& bitmap : EmbeddedBitmaps())
      entries.push_back({RT_BITMAP, MAKEINTRESOURCEW(bitmap.id), bitmap.dib, bitmap.size});
    return platform::RegisterResourceModule(L"trellis", entries);
  }();
  return module;
}
