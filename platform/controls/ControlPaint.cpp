#include "platform/controls/ControlPaint.h"

namespace platform {

void FillColor(HDC hdc, const RECT& rect, COLORREF color) {
  SetBkColor(hdc, color);
  ExtTextOutW(hdc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
}

}  // namespace platform
