/// @file
/// Where theme files are found at run time. A theme named "dark" is the file dark.theme in the
/// first of these folders that has one:
/// @code{.unparsed}
///  1. $TRELLIS_THEME_DIR, when set: then it is the only folder searched, so a mistyped override
///     fails loudly instead of quietly showing the built-in look;
///  2. share/trellis/themes beside the library's own lib folder (an installed library, wherever
///     its prefix was moved);
///  3. the source tree's themes/ (a library run from its build tree).
/// @endcode
#pragma once

#include <filesystem>

/// Empty when no folder has the theme, or when the name is not a plain word (letters, digits,
/// '_' and '-'), so a name can never reach outside the theme folders.
std::filesystem::path FindThemeFile(const wchar_t* name);
