/// @class CThemePalette
/// The host's theme palette: colours, fonts and bitmaps by string key, loaded from a theme file
/// (ThemeParser.h gives the format, ThemeFiles.h where the files are).
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "host/CUnknown.h"
#include "host/ThemeError.h"
#include "host/ThemeTable.h"

class CThemePalette : public CUnknown {
 public:
  CThemePalette();
  ~CThemePalette() override;
  CThemePalette(const CThemePalette&) = delete;
  CThemePalette& operator=(const CThemePalette&) = delete;

  /// Null, empty and unknown keys give 0: no default is substituted, so a missing key shows as
  /// black rather than as a plausible colour that hides the gap.
  COLORREF GetColor(const wchar_t* key) const;
  /// The colour of a key the theme defines; nothing for null, empty and unknown keys. For keys a
  /// theme may add to a control's published ones, where the control keeps its own default.
  std::optional<COLORREF> FindColor(const wchar_t* key) const;
  ///@{
  /// The font or bitmap of a key. Null, empty and unknown keys give null, which callers skip.
  /// The palette owns what it hands out, and a reload never frees it: controls keep these
  /// pointers (the radio's shared bitmap table does), so they stay valid, showing the old
  /// theme, until the palette itself goes.
  CFont* GetFont(const wchar_t* key) const;
  CBitmap* GetBitmap(const wchar_t* key) const;
  ///@}

  /// Reads a theme file; relative image paths in it are from the file's folder. A file with a
  /// bad line, or a font or image that cannot be made, is refused whole and the palette keeps the
  /// theme it had. A theme this palette loaded before (the same text, images from the same
  /// folder) comes back with the objects it had, its images not read again.
  std::optional<ThemeError> LoadFile(const std::filesystem::path& file);
  /// The same for theme text already in memory (UTF-8).
  std::optional<ThemeError> LoadText(std::string_view text, const std::filesystem::path& imageDir);

 private:
  /// A theme's source: its image folder and its text.
  std::string m_strSource;
  std::unique_ptr<ThemeTable> m_pTable;
  /// Themes replaced by a reload, kept for the objects they handed out.
  struct Retired {
    std::string strSource;
    std::unique_ptr<ThemeTable> pTable;
  };
  std::vector<Retired> m_vecRetired;
};
