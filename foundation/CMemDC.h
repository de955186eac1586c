// Flicker-free painting: all drawing goes into an off-screen bitmap of exactly the paint
// rectangle, which is copied to the target in one transfer when the CMemDC goes out of scope.
// The painter keeps using the target's coordinates (the window origin is moved to the
// rectangle's corner) and must cover the whole rectangle: the bitmap is not cleared.
// On a printing target nothing is buffered and drawing goes straight to the target.
#pragma once

#include "platform/mfc/CDC.h"

class CMemDC : public CDC {
 public:
  CMemDC(CDC* target, const RECT* rect);
  explicit CMemDC(CDC* target);
  ~CMemDC() override;
  CMemDC(const CMemDC&) = delete;
  CMemDC& operator=(const CMemDC&) = delete;

  CMemDC* operator->() { return this; }
  operator CMemDC*() { return this; }  // NOLINT: painters pass it where a CDC* is wanted

  // The rectangle covered, in the target's logical coordinates.
  const CRect& GetRect() const { return m_rect; }
  bool IsBuffering() const { return m_bMemDC; }

 private:
  void Begin(const RECT& rect);

  CDC* m_pDC = nullptr;  // target, not owned
  CBitmap m_bitmap;
  HGDIOBJ m_hOldBitmap = nullptr;
  CRect m_rect;
  bool m_bMemDC = false;
};
