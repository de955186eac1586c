/// @class CTreeBitmaps
/// The five pictures a tree draws with: the expand button closed and open, and the check box in
/// its three states. Each tree owns its own objects and pictures; a copy copies the pixels, so
/// no picture is ever deleted by two trees.
#pragma once

#include <array>
#include <memory>

#include "platform/mfc/CGdiObject.h"
#include "tree/TreeItem.h"

class CTreeBitmaps {
 public:
  /// The pictures by role: the button closed and open, the check box checked, empty and half
  /// checked; COUNT is their number.
  enum Kind { CLOSE, OPEN, CHECK_YES, CHECK_NO, CHECK_YES_HALF, COUNT };

  /// Five empty pictures; Load fills them.
  CTreeBitmaps();
  ///@{
  /// Copies the pixels into pictures of its own.
  CTreeBitmaps(const CTreeBitmaps& other);
  CTreeBitmaps& operator=(const CTreeBitmaps& other);
  ///@}
  ~CTreeBitmaps() = default;

  /// The library's own pictures; the buttons are the style's. Runs in the library's module state.
  void Load(TREE_SHOW_STYLE style);
  /// Never null: a picture that was not loaded is an empty object, which draws nothing.
  CBitmap* Get(Kind kind) const { return m_bitmaps[kind].get(); }
  /// The bitmap for a check state; null for TREE_CHECK_NONE and values out of range.
  CBitmap* ForCheck(TREE_ITEM_CHECK check) const;
  /// Takes the handle of `from` (which keeps none afterwards) in place of the current picture.
  void Adopt(Kind kind, CBitmap* from);
  /// Makes a picture of its own with the pixels of `from`; the caller keeps `from`.
  void CopyFrom(Kind kind, const CBitmap* from);

  /// A new bitmap with the size and pixels of `from`; false when it has none.
  static bool CopyPicture(const CBitmap& from, CBitmap& to);

 private:
  std::array<std::unique_ptr<CBitmap>, COUNT> m_bitmaps;
};
