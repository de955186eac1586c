// The shared system cursors behind LoadCursorW(NULL, IDC_*). A backend that shows a real
// pointer asks which one is current.
#pragma once

#include "platform/gdi/HandleTable.h"
#include "platform/win32/WinInput.h"

namespace platform {

struct SystemCursor : PlatformObject {
  static constexpr ObjectKind kKind = ObjectKind::Cursor;
  explicit SystemCursor(WORD cursorId) : PlatformObject(kKind), id(cursorId) { shared = true; }
  const WORD id;  // the IDC_ number
};

// The IDC_ number of a system cursor handle, 0 for anything else.
WORD SystemCursorId(HCURSOR cursor);

}  // namespace platform
