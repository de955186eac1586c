/// @file
/// Default colours declared as rows {part, state, palette key} and loaded by one helper into an
/// element's colour table, so that every control states its theme colours the same way.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <utility>

#include "platform/win32/WinDef.h"

class CElementContainer;

/// One colour of an element's table and the palette key it is read from.
struct ThemeColorRow {
  DWORD part;   ///< COLOR_PART_*
  DWORD state;  ///< COLOR_STATE_*
  const wchar_t* key;  ///< the palette key, "Edit.TextBack.disable" say
};

/// Sets each row's palette colour into the element's colour table with SetColor, in row order.
/// Each key is looked up as ThemeColor does (host/ThemeLookup.h): without a palette, 0.
void LoadThemeColors(CElementContainer& element, std::span<const ThemeColorRow> rows);
/// Rows of keys a theme may add beyond a control's published ones: a row is set only when the
/// palette defines its key, so a theme without it keeps the colour the control set before (from
/// its published key or a constant), and a host written to the published keys sees no change.
void LoadDefinedThemeColors(CElementContainer& element, std::span<const ThemeColorRow> rows);

/// The exported default tables keep their published shape, pairs of {dwKind, dwStatus} and a key;
/// they load the same way.
template <class ColorKey, std::size_t N>
void LoadThemeColors(CElementContainer& element,
                     const std::pair<ColorKey, const wchar_t*> (&pairs)[N]) {
  std::array<ThemeColorRow, N> rows;
  for (std::size_t i = 0; i < N; ++i)
    rows[i] = {pairs[i].first.dwKind, pairs[i].first.dwStatus, pairs[i].second};
  LoadThemeColors(element, rows);
}
