/// @class IBitmapFactory
/// What a host gives its environment to load images by name (the picture kind of the system
/// button asks it at every paint).
#pragma once

#include "platform/com/IUnknown.h"

class CBitmap;

struct IBitmapFactory : IUnknown {
  /// The image `name` from `source` (what a source and a name mean is the factory's), or null when
  /// there is none. The factory keeps the bitmap: it stays valid while the factory lives.
  virtual CBitmap* GetBitmap(const wchar_t* source, const wchar_t* name) = 0;

 protected:
  ~IBitmapFactory() = default;  ///< released, never deleted through this interface
};
