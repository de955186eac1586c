#include "host/ThemeTable.h"

#include <string_view>

#include "platform/text/Utf8.h"
#include "platform/image/Png.h"

namespace {

template <class Map>
auto Find(const Map& map, const wchar_t* key) -> decltype(map.begin()->second.get()) {
  if (!key) return nullptr;
  const auto it = map.find(std::wstring_view(key));
  return it == map.end() ? nullptr : it->second.get();
}

}  // namespace

std::optional<ThemeError> ThemeTable::Build(const ThemeDefinition& definition,
                                            const std::filesystem::path& imageDir) {
  decltype(m_mapFonts) fonts;
  for (const auto& [key, entry] : definition.mapFonts) {
    auto font = std::make_unique<CFont>();
    if (!font->CreateFontIndirect(&entry.logfont)) {
      return ThemeError{entry.nLine, L"cannot make the font '" + key + L"'"};
    }
    fonts.emplace(key, std::move(font));
  }
  decltype(m_mapBitmaps) bitmaps;
  for (const auto& [key, entry] : definition.mapBitmaps) {
    auto bitmap = std::make_unique<CBitmap>();
    if (!bitmap->Attach(platform::LoadBitmapPng(imageDir / entry.strPath))) {
      return ThemeError{entry.nLine, L"cannot load the image '" + platform::WideFromUtf8(entry.strPath) +
                                         L"' for '" + key + L"'"};
    }
    bitmaps.emplace(key, std::move(bitmap));
  }
  m_mapColors = definition.mapColors;
  m_mapFonts = std::move(fonts);
  m_mapBitmaps = std::move(bitmaps);
  return std::nullopt;
}

std::optional<COLORREF> ThemeTable::FindColor(const wchar_t* key) const {
  if (!key) return std::nullopt;
  const auto it = m_mapColors.find(std::wstring_view(key));
  if (it == m_mapColors.end()) return std::nullopt;
  return it->second;
}

CFont* ThemeTable::FindFont(const wchar_t* key) const { return Find(m_mapFonts, key); }

CBitmap* ThemeTable::FindBitmap(const wchar_t* key) const { return Find(m_mapBitmaps, key); }
