/// @class CLightCanvas
/// The library's drawing aid: a PaintCanvas (host/PaintCanvas.h, where every operation is
/// described) that is also a counted object, with Restore in the slot after the counted base's.
/// Painters build it on the stack over a CMemDC and let it go; Restore runs again on the way out.
#pragma once

#include "host/CUnknown.h"
#include "host/PaintCanvas.h"

class CLightCanvas : public CUnknown, public PaintCanvas {
 public:
  /// A canvas over `dc`, which must outlive it.
  explicit CLightCanvas(CDC* dc) : PaintCanvas(dc) {}
  ~CLightCanvas() override = default;
  CLightCanvas(const CLightCanvas&) = delete;
  CLightCanvas& operator=(const CLightCanvas&) = delete;

  /// Puts back the context state the canvas changed (PaintCanvas::Restore).
  virtual int Restore() { return PaintCanvas::Restore(); }
};
