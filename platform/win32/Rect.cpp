// Rectangle arithmetic of the USER subset.
#include <algorithm>

#include "platform/win32/WinUser.h"

BOOL SetRect(LPRECT r, int left, int top, int right, int bottom) {
  if (!r) return FALSE;
  *r = {left, top, right, bottom};
  return TRUE;
}

BOOL SetRectEmpty(LPRECT r) { return SetRect(r, 0, 0, 0, 0); }

BOOL CopyRect(LPRECT dst, const RECT* src) {
  if (!dst || !src) return FALSE;
  *dst = *src;
  return TRUE;
}

BOOL IsRectEmpty(const RECT* r) { return !r || r->right <= r->left || r->bottom <= r->top; }

BOOL EqualRect(const RECT* a, const RECT* b) {
  return a && b && a->left == b->left && a->top == b->top && a->right == b->right &&
         a->bottom == b->bottom;
}

BOOL PtInRect(const RECT* r, POINT pt) {
  return r && pt.x >= r->left && pt.x < r->right && pt.y >= r->top && pt.y < r->bottom;
}

BOOL OffsetRect(LPRECT r, int dx, int dy) {
  if (!r) return FALSE;
  r->left += dx;
  r->right += dx;
  r->top += dy;
  r->bottom += dy;
  return TRUE;
}

BOOL InflateRect(LPRECT r, int dx, int dy) {
  if (!r) return FALSE;
  r->left -= dx;
  r->right += dx;
  r->top -= dy;
  r->bottom += dy;
  return TRUE;
}

BOOL IntersectRect(LPRECT dst, const RECT* a, const RECT* b) {
  if (!dst || !a || !b) return FALSE;
  RECT r{std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
         std::min(a->bottom, b->bottom)};
  if (IsRectEmpty(&r)) {
    SetRectEmpty(dst);
    return FALSE;
  }
  *dst = r;
  return TRUE;
}

BOOL UnionRect(LPRECT dst, const RECT* a, const RECT* b) {
  if (!dst || !a || !b) return FALSE;
  const bool emptyA = IsRectEmpty(a), emptyB = IsRectEmpty(b);
  if (emptyA && emptyB) {
    SetRectEmpty(dst);
    return FALSE;
  }
  if (emptyA) *dst = *b;
  else if (emptyB) *dst = *a;
  else
    *dst = {std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
            std::max(a->bottom, b->bottom)};
  return TRUE;
}

// The part of a not covered by b, when that part is a rectangle; otherwise a itself.
BOOL SubtractRect(LPRECT dst, const RECT* a, const RECT* b) {
  if (!dst || !a || !b) return FALSE;
  RECT r = *a;
  RECT cut;
  if (IntersectRect(&cut, a, b)) {
    if (cut.top == a->top && cut.bottom == a->bottom) {
      if (cut.left == a->left) r.left = cut.right;
      else if (cut.right == a->right) r.right = cut.left;
    } else if (cut.left == a->left && cut.right == a->right) {
      if (cut.top == a->top) r.top = cut.bottom;
      else if (cut.bottom == a->bottom) r.bottom = cut.top;
    }
  }
  if (IsRectEmpty(&r)) {
    SetRectEmpty(dst);
    return FALSE;
  }
  *dst = r;
  return TRUE;
}
