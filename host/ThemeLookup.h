/// @file
/// The palette lookups every control makes, written once. Each takes the environment, takes its
/// palette when that is a CThemePalette (holding a reference for the lookup), and drops both.
/// A null or empty key, no environment, no palette or a palette of another kind gives 0 (null).
/// The first look-up may make the default environment, which reads its theme file (CGlobalEnv.h).
#pragma once

#include <optional>

#include "platform/com/CComPtr.h"
#include "platform/win32/WinDef.h"

class CBitmap;
class CFont;
class CThemePalette;

/// The palette the lookups below read, with a reference held by the result; null when the
/// environment has none (or one of another kind). For callers that must tell "no palette" from
/// "no such key", or that read many keys at once.
CComPtr<CThemePalette> ThemePalette();

/// The current palette's colour for `key`; 0 without a key, a palette or the key.
COLORREF ThemeColor(const wchar_t* key);
/// The colour only when the palette defines the key: nothing without a key, a palette or the key.
std::optional<COLORREF> DefinedThemeColor(const wchar_t* key);
///@{
/// The current palette's font or bitmap for `key`, null without one. The palette keeps fonts
/// and bitmaps; they stay valid while the environment holds that palette.
CFont* ThemeFont(const wchar_t* key);
CBitmap* ThemeBitmap(const wchar_t* key);
///@}
