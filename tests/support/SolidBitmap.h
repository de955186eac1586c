// A bitmap of one colour, for controls that draw pictures.
#pragma once

#include "platform/mfc/CDC.h"

namespace trellis::test {

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
