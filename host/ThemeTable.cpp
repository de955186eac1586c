#include "host/ThemeTable.h"

#include <string_view>

std::optional<ThemeError> ThemeTable::Build(const ThemeSpec& spec, const std::filesystem::path&) {
  m_mapColors = spec.mapColors;
  return std::nullopt;
}

std::optional<COLORREF> ThemeTable::FindColor(const wchar_t* key) const {
  if (!key) return std::nullopt;
  const auto it = m_mapColors.find(std::wstring_view(key));
  if (it == m_mapColors.end()) return std::nullopt;
  return it->second;
}
