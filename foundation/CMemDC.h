/// @class CMemDC
/// The library's memory DC: an OffscreenDC (host/OffscreenDC.h, where buffering is described)
/// under the name painters and hosts use.
#pragma once

#include "host/OffscreenDC.h"

class CMemDC : public OffscreenDC {
 public:
  CMemDC(CDC* target, const RECT* rect) : OffscreenDC(target, rect) {}
  explicit CMemDC(CDC* target) : OffscreenDC(target) {}
  ~CMemDC() override = default;
  CMemDC(const CMemDC&) = delete;
  CMemDC& operator=(const CMemDC&) = delete;

  CMemDC* operator->() { return this; }
  operator CMemDC*() { return this; }  // NOLINT: painters pass it where a CDC* is wanted
};
