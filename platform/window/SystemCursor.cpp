#include "platform/window/SystemCursor.h"

#include <algorithm>
#include <map>

#include "platform/window/Desktop.h"

namespace platform {

namespace {

constexpr WORD kSystemCursorIds[] = {32512, 32513, 32514, 32515, 32642, 32643,
                                     32644, 32645, 32646, 32648, 32649};

// Made on first use and never destroyed, as shared cursors are not: a window destroyed at exit
// may still set or load one.
std::map<WORD, HCURSOR>& SharedCursors() {
  static auto* const cursors = new std::map<WORD, HCURSOR>;
  return *cursors;
}

}  // namespace

WORD SystemCursorId(HCURSOR cursor) {
  const SystemCursor* c = Resolve<SystemCursor>(cursor);
  return c ? c->id : 0;
}

}  // namespace platform

using namespace platform;

HCURSOR LoadCursorW(HINSTANCE instance, LPCWSTR name) {
  const auto id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name));
  if (instance || !IS_INTRESOURCE(name) ||
      std::find(std::begin(kSystemCursorIds), std::end(kSystemCursorIds), id) ==
          std::end(kSystemCursorIds)) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  HCURSOR& cursor = SharedCursors()[id];
  if (!SystemCursorId(cursor)) cursor = Register<SystemCursor, HCURSOR>(std::make_unique<SystemCursor>(id));
  return cursor;
}

HCURSOR SetCursor(HCURSOR cursor) {
  if (cursor && !SystemCursorId(cursor)) return nullptr;
  Desktop& desktop = Desktop::Current();
  const HCURSOR old = desktop.cursor;
  desktop.cursor = cursor;
  return old;
}

HCURSOR GetCursor() { return Desktop::Current().cursor; }

// Shared cursors stay: destroying one succeeds and changes nothing, as the platform allows.
BOOL DestroyCursor(HCURSOR cursor) { return SystemCursorId(cursor) != 0; }
