// MFC's rectangle: half-open (right and bottom lie outside), with the same operations.
#pragma once

#include <utility>

#include "platform/mfc/CPoint.h"
#include "platform/mfc/CSize.h"
#include "platform/win32/WinUser.h"

class CRect : public RECT {
 public:
  CRect() : RECT{0, 0, 0, 0} {}
  CRect(int l, int t, int r, int b) : RECT{l, t, r, b} {}
  CRect(const RECT& r) : RECT(r) {}  // NOLINT: converts as MFC's does
  CRect(const RECT* r) : RECT(r ? *r : RECT{0, 0, 0, 0}) {}  // NOLINT
  CRect(POINT topLeft, SIZE size)
      : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
  CRect(POINT topLeft, POINT bottomRight)
      : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  CSize Size() const { return {Width(), Height()}; }
  CPoint& TopLeft() { return *reinterpret_cast<CPoint*>(&left); }
  CPoint& BottomRight() { return *reinterpret_cast<CPoint*>(&right); }
  CPoint TopLeft() const { return {left, top}; }
  CPoint BottomRight() const { return {right, bottom}; }
  CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

  operator LPRECT() { return this; }
  operator LPCRECT() const { return this; }

  bool IsRectEmpty() const { return ::IsRectEmpty(this); }
  bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  bool PtInRect(POINT p) const { return ::PtInRect(this, p); }
  bool EqualRect(const RECT* r) const { return ::EqualRect(this, r); }

  void SetRect(int l, int t, int r, int b) { ::SetRect(this, l, t, r, b); }
  void SetRectEmpty() { ::SetRectEmpty(this); }
  void CopyRect(const RECT* r) { ::CopyRect(this, r); }
  void NormalizeRect() {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
  }
  void InflateRect(int dx, int dy) { ::InflateRect(this, dx, dy); }
  void InflateRect(SIZE s) { ::InflateRect(this, s.cx, s.cy); }
  void InflateRect(int l, int t, int r, int b) {
    left -= l;
    top -= t;
    right += r;
    bottom += b;
  }
  void InflateRect(const RECT* r) { InflateRect(r->left, r->top, r->right, r->bottom); }
  void DeflateRect(int dx, int dy) { ::InflateRect(this, -dx, -dy); }
  void DeflateRect(SIZE s) { ::InflateRect(this, -s.cx, -s.cy); }
  void DeflateRect(int l, int t, int r, int b) { InflateRect(-l, -t, -r, -b); }
  void DeflateRect(const RECT* r) { DeflateRect(r->left, r->top, r->right, r->bottom); }
  void OffsetRect(int dx, int dy) { ::OffsetRect(this, dx, dy); }
  void OffsetRect(POINT p) { ::OffsetRect(this, p.x, p.y); }
  void OffsetRect(SIZE s) { ::OffsetRect(this, s.cx, s.cy); }
  void MoveToX(int x) {
    right += x - left;
    left = x;
  }
  void MoveToY(int y) {
    bottom += y - top;
    top = y;
  }
  void MoveToXY(int x, int y) {
    MoveToX(x);
    MoveToY(y);
  }
  bool IntersectRect(const RECT* a, const RECT* b) { return ::IntersectRect(this, a, b); }
  bool UnionRect(const RECT* a, const RECT* b) { return ::UnionRect(this, a, b); }
  bool SubtractRect(const RECT* a, const RECT* b) { return ::SubtractRect(this, a, b); }

  bool operator==(const RECT& r) const { return ::EqualRect(this, &r); }
  bool operator!=(const RECT& r) const { return !(*this == r); }
  CRect& operator=(const RECT& r) {
    RECT::operator=(r);
    return *this;
  }
  CRect& operator&=(const RECT& r) {
    ::IntersectRect(this, this, &r);
    return *this;
  }
  CRect& operator|=(const RECT& r) {
    ::UnionRect(this, this, &r);
    return *this;
  }
  CRect operator&(const RECT& r) const {
    CRect out;
    ::IntersectRect(&out, this, &r);
    return out;
  }
  CRect operator|(const RECT& r) const {
    CRect out;
    ::UnionRect(&out, this, &r);
    return out;
  }
  CRect operator+(POINT p) const {
    CRect out(*this);
    out.OffsetRect(p);
    return out;
  }
  CRect operator-(POINT p) const {
    CRect out(*this);
    out.OffsetRect(-p.x, -p.y);
    return out;
  }
};
