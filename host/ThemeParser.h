/// @file
/// Reads the text of a theme file. One definition a line:
///
/// @code{.unparsed}
///  # a comment (whole lines only: '#' also starts a colour)
///  Edit.TextBack.diasble = #F0F0F0          a colour, #RRGGBB
///  Button.BackGround = none                 no colour (0xFFFFFFFF: painters skip it)
///  font DropListWnd = DejaVu Sans, 12, 400  face, pixel height, weight [, italic]
///  bitmap Radio.bmp.normal = radio/normal.png
/// @endcode
///
/// Keys are letters, digits, '_', '-' and '.'; each kind of definition has its own keys, and a
/// key defined twice for one kind is refused, so a theme never depends on which line wins.
#pragma once

#include <optional>
#include <string_view>

#include "host/ThemeError.h"
#include "host/ThemeDefinition.h"

/// Fills `out` from `text` (UTF-8). On the first bad line returns its error; `out` is then only
/// partly filled and must not be used.
std::optional<ThemeError> ParseTheme(std::string_view text, ThemeDefinition& out);
