/// @class ThemeTable
/// One loaded theme: its colours and the font and bitmap objects made from its definitions.
/// The table owns those objects; the pointers it hands out live as long as the table.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "host/ThemeError.h"
#include "host/ThemeDefinition.h"
#include "platform/mfc/CGdiObject.h"

class ThemeTable {
 public:
  /// Makes the objects a parsed theme names; relative image paths are from `imageDir`. A font or
  /// image that cannot be made refuses the theme with the line that named it, and the table is
  /// left as it was.
  std::optional<ThemeError> Build(const ThemeDefinition& definition, const std::filesystem::path& imageDir);

  ///@{
  /// The object made for a key. Null and unknown keys give nothing; the caller decides what
  /// that means. The table owns the fonts and bitmaps.
  std::optional<COLORREF> FindColor(const wchar_t* key) const;
  CFont* FindFont(const wchar_t* key) const;
  CBitmap* FindBitmap(const wchar_t* key) const;
  ///@}

 private:
  std::map<std::wstring, COLORREF, std::less<>> m_mapColors;
  std::map<std::wstring, std::unique_ptr<CFont>, std::less<>> m_mapFonts;
  std::map<std::wstring, std::unique_ptr<CBitmap>, std::less<>> m_mapBitmaps;
};
