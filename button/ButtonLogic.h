/// @file
/// The system button's picture choices and centring, as plain functions the tests run without a
/// screen.
#pragma once

#include "platform/win32/WinDef.h"

namespace button {

/// The images a picture button draws, bottom to top: the pushed or the hover image, or the
/// normal one when neither applies and no fifth image is wanted; the fifth over all of them.
struct PictureLayers {
  ///@{
  /// Whether the image of that name is drawn.
  bool bPushed = false;
  bool bHover = false;
  bool bNormal = false;
  bool bFifth = false;
  ///@}
};

/// The layers for a button pushed or hovered, and whether its fifth image is wanted.
inline PictureLayers ChoosePictureLayers(bool pushed, bool hover, bool fifth) {
  return {pushed, hover && !pushed, !fifth && !pushed && !hover, fifth};
}

/// Where an image of w x h goes to be centred in `r`; an image larger than `r` overhangs it
/// evenly, the halves rounded toward zero.
inline POINT CentreIn(const RECT& r, int w, int h) {
  return {r.left + (r.right - r.left - w) / 2, r.top + (r.bottom - r.top - h) / 2};
}

}  // namespace button
