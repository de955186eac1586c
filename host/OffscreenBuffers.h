/// @class OffscreenBuffers
/// The bitmaps OffscreenDC draws into, kept between paints. An element repaints at the same size
/// again and again, and making a bitmap of its size (the platform clears every new one) costs as
/// much as painting it; a kept bitmap of the same size is handed out instead. Its pixels are
/// whatever the last painter left, which OffscreenDC's painters cover anyway.
///
/// One set serves the process, as painting happens on the one thread that owns the windows.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/mfc/CDC.h"

class OffscreenBuffers {
 public:
  /// The process's one set.
  static OffscreenBuffers& Shared();

  /// A bitmap of exactly cx x cy compatible with `dc`: a kept one or a new one; null when none
  /// can be made.
  std::unique_ptr<CBitmap> Take(CDC* dc, int cx, int cy);
  /// Keeps a bitmap that Take gave and no context has selected, the most recent last; the
  /// oldest go when more would be kept than the limits allow.
  void Give(std::unique_ptr<CBitmap> bitmap, int cx, int cy);
  /// Frees every kept bitmap, for a caller that counts the platform's objects.
  void Clear();

  /// How many bitmaps are kept now: objects of the process that no paint holds.
  std::size_t KeptCount() const { return m_kept.size(); }

  ///@{
  /// The most bitmaps, and bytes of pixels, kept. A few elements of a window repaint in turn,
  /// each at its own size; a window-sized buffer is some 4 MB, and more than a few of them is
  /// memory held for nothing.
  static constexpr std::size_t kMaxKept = 8;
  static constexpr std::size_t kMaxBytes = std::size_t(16) << 20;
  ///@}

 private:
  struct Kept {
    std::unique_ptr<CBitmap> bitmap;
    int cx = 0;
    int cy = 0;
  };
  static std::size_t Bytes(int cx, int cy) { return std::size_t(cx) * std::size_t(cy) * 4; }

  std::vector<Kept> m_kept;  ///< oldest first
  std::size_t m_bytes = 0;
};
