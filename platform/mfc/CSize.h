#pragma once

#include "platform/win32/WinDef.h"

class CSize : public SIZE {
 public:
  CSize() : SIZE{0, 0} {}
  CSize(int cx, int cy) : SIZE{cx, cy} {}
  CSize(SIZE s) : SIZE(s) {}  // NOLINT: converts as MFC's does

  bool operator==(const SIZE& s) const { return cx == s.cx && cy == s.cy; }
  bool operator!=(const SIZE& s) const { return !(*this == s); }
  CSize operator+(const SIZE& s) const { return {cx + s.cx, cy + s.cy}; }
  CSize operator-(const SIZE& s) const { return {cx - s.cx, cy - s.cy}; }
};
