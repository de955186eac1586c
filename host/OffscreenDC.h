/// @class OffscreenDC
/// Flicker-free painting: all drawing goes into an off-screen bitmap of exactly the paint
/// rectangle, which is copied to the target in one transfer when the OffscreenDC goes out of
/// scope. The painter keeps using the target's coordinates (the window origin is moved to the
/// rectangle's corner) and must cover the whole rectangle: the bitmap is not cleared, and holds
/// what an earlier paint of the same size left (OffscreenBuffers), unless the painter starts from
/// what the target shows (StartFromTarget). On a printing target nothing is buffered and drawing
/// goes straight to the target.
///
/// The library's face of it is foundation/CMemDC.
#pragma once

#include <memory>

#include "platform/mfc/CDC.h"

class OffscreenDC : public CDC {
 public:
  ///@{
  /// A buffer for `rect` of `target` (null: the target's clip box), which must outlive it.
  OffscreenDC(CDC* target, const RECT* rect);
  explicit OffscreenDC(CDC* target);
  ///@}
  /// Copies the buffer to the target in one transfer.
  ~OffscreenDC() override;
  OffscreenDC(const OffscreenDC&) = delete;
  OffscreenDC& operator=(const OffscreenDC&) = delete;

  /// The rectangle covered, in the target's logical coordinates.
  const CRect& GetRect() const { return m_rect; }
  /// False on a printing target (or one whose buffer could not be made): drawing goes straight
  /// to it.
  bool IsBuffering() const { return m_bMemDC; }
  /// Copies what the target shows into the buffer, for a painter that leaves parts of its
  /// rectangle uncovered (a see-through background).
  void StartFromTarget();

 private:
  void Begin(const RECT& rect);

  CDC* m_pDC = nullptr;  ///< target, not owned
  std::unique_ptr<CBitmap> m_pBitmap;  ///< from OffscreenBuffers, given back at the end
  HGDIOBJ m_hOldBitmap = nullptr;
  CRect m_rect;
  bool m_bMemDC = false;
};
