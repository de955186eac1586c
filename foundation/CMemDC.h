/// @class CMemDC
/// The library's memory DC: an OffscreenDC (host/OffscreenDC.h, where buffering is described)
/// under the name painters and hosts use.
#pragma once

#include "host/OffscreenDC.h"

class CMemDC : public OffscreenDC {
 public:
  ///@{
  /// A buffer for `rect` of `target` (the target's clip box without one); see OffscreenDC.
  CMemDC(CDC* target, const RECT* rect) : OffscreenDC(target, rect) {}
  explicit CMemDC(CDC* target) : OffscreenDC(target) {}
  ///@}
  /// Copies the buffer to the target.
  ~CMemDC() override = default;
  CMemDC(const CMemDC&) = delete;
  CMemDC& operator=(const CMemDC&) = delete;

  ///@{
  /// The context itself, so that painters written for a pointer to one take it as it is.
  CMemDC* operator->() { return this; }
  operator CMemDC*() { return this; }  // NOLINT: painters pass it where a CDC* is wanted
  ///@}
};
