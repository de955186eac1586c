#include "host/ThemeColorRows.h"

#include "host/CElementContainer.h"
#include "host/ThemeLookup.h"

void LoadThemeColors(CElementContainer& element, std::span<const ThemeColorRow> rows) {
  for (const ThemeColorRow& row : rows) element.SetColor(ThemeColor(row.key), row.part, row.state);
}

void LoadDefinedThemeColors(CElementContainer& element, std::span<const ThemeColorRow> rows) {
  for (const ThemeColorRow& row : rows) {
    if (const auto color = DefinedThemeColor(row.key))
      element.SetColor(*color, row.part, row.state);
  }
}
