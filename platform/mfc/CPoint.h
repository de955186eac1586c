#pragma once

#include "platform/win32/WinDef.h"

class CPoint : public POINT {
 public:
  CPoint() : POINT{0, 0} {}
  CPoint(int x, int y) : POINT{x, y} {}
  CPoint(POINT p) : POINT(p) {}  // NOLINT: converts as MFC's does
  explicit CPoint(LPARAM lp) : POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)} {}

  void Offset(int dx, int dy) {
    x += dx;
    y += dy;
  }
  void SetPoint(int nx, int ny) {
    x = nx;
    y = ny;
  }
  bool operator==(const POINT& p) const { return x == p.x && y == p.y; }
  bool operator!=(const POINT& p) const { return !(*this == p); }
  CPoint& operator+=(const POINT& p) {
    Offset(p.x, p.y);
    return *this;
  }
  CPoint& operator-=(const POINT& p) {
    Offset(-p.x, -p.y);
    return *this;
  }
  CPoint operator+(const POINT& p) const { return {x + p.x, y + p.y}; }
  CPoint operator-(const POINT& p) const { return {x - p.x, y - p.y}; }
  CPoint operator-() const { return {-x, -y}; }
};
