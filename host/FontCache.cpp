#include "host/FontCache.h"

#include <cwchar>

static_assert(sizeof(wchar_t) >= sizeof(LONG), "a key character holds a whole field");

std::wstring FontCache::KeyOf(const LOGFONTW& lf) {
  // Every numeric field, one character each (LONG fits a wchar_t here), then the face name.
  std::wstring key{wchar_t(lf.lfHeight),      wchar_t(lf.lfWidth),       wchar_t(lf.lfEscapement),
                   wchar_t(lf.lfOrientation), wchar_t(lf.lfWeight),      wchar_t(lf.lfItalic),
                   wchar_t(lf.lfUnderline),   wchar_t(lf.lfStrikeOut),   wchar_t(lf.lfCharSet),
                   wchar_t(lf.lfOutPrecision), wchar_t(lf.lfClipPrecision), wchar_t(lf.lfQuality),
                   wchar_t(lf.lfPitchAndFamily)};
  key.append(lf.lfFaceName, ::wcsnlen(lf.lfFaceName, LF_FACESIZE));
  return key;
}

CFont* FontCache::Get(const LOGFONTW& description) {
  std::wstring key = KeyOf(description);
  if (const auto found = m_mapFonts.find(key); found != m_mapFonts.end())
    return found->second.get();
  auto font = std::make_unique<CFont>();
  if (!font->CreateFontIndirect(&description)) return nullptr;
  return m_mapFonts.emplace(std::move(key), std::move(font)).first->second.get();
}

FontCache& FontCache::Shared() {
  static FontCache* const cache = new FontCache;
  return *cache;
}
