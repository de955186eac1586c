// Helpers of the choice and button tests.
#pragma once

#include "platform/mfc/CDC.h"

namespace trellis::test {

// Time enough between two presses at one place for the second not to be a double click, which
// neither the radio nor the button takes as a press.
inline DWORD ApartFromDoubleClick() { return ::GetDoubleClickTime() + 1; }

// Makes `bitmap` a 32-bit bitmap of one colour.
inline void SolidBitmap(CBitmap& bitmap, int cx, int cy, COLORREF color) {
  bitmap.Attach(::CreateBitmap(cx, cy, 1, 32, nullptr));
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap* old = dc.SelectObject(&bitmap);
  dc.FillSolidRect(0, 0, cx, cy, color);
  dc.SelectObject(old);
}

}  // namespace trellis::test
