// One loaded theme: its colours and the font and bitmap objects made from its definitions.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "host/ThemeError.h"
#include "host/ThemeSpec.h"

class ThemeTable {
 public:
  // Makes the objects a parsed theme names; relative image paths are from `imageDir`. On error
  // the table is left as it was.
  std::optional<ThemeError> Build(const ThemeSpec& spec, const std::filesystem::path& imageDir);

  // Null and unknown keys give nullopt; the caller decides what that means.
  std::optional<COLORREF> FindColor(const wchar_t* key) const;

 private:
  std::map<std::wstring, COLORREF, std::less<>> m_mapColors;
};
