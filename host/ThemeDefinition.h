/// @class ThemeDefinition
/// What a theme file says, before any font or image is made from it.
#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/win32/WinGdi.h"

struct ThemeDefinition {
  /// A font definition.
  struct FontEntry {
    LOGFONTW logfont{};  ///< face, pixel height, weight and italic as the line gave them
    int nLine = 0;  ///< where it was defined, for errors found when the font is made
  };
  /// A bitmap definition.
  struct BitmapEntry {
    std::string strPath;  ///< UTF-8, as written; relative paths are from the theme file's folder
    int nLine = 0;  ///< where it was defined, for errors found when the image is read
  };

  ///@{
  /// The definitions of each kind by key. std::less<> lets a lookup take the caller's key
  /// without building a string.
  std::map<std::wstring, COLORREF, std::less<>> mapColors;
  std::map<std::wstring, FontEntry, std::less<>> mapFonts;
  std::map<std::wstring, BitmapEntry, std::less<>> mapBitmaps;
  ///@}
};
