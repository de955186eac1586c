/// @class ThemeError
/// Why a theme was refused: the line that could not be used and what is wrong with it.
#pragma once

#include <string>

struct ThemeError {
  /// "line 12: bad colour '#12G456': expected #RRGGBB or none", or the reason alone when the
  /// fault is not on a line (a file that cannot be read).
  std::wstring Describe() const;

  int nLine = 0;  ///< 1-based; 0 when the fault is the file itself
  std::wstring strReason;  ///< what is wrong, said for a person
};
