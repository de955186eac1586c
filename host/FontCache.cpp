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

bool FontCache::SameKey(const LOGFONTW& a, const LOGFONTW& b) {
  return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth &&
         a.lfEscapement == b.lfEscapement && a.lfOrientation == b.lfOrientation &&
         a.lfWeight == b.lfWeight && a.lfItalic == b.lfItalic &&
         a.lfUnderline == b.lfUnderline && a.lfStrikeOut == b.lfStrikeOut &&
         a.lfCharSet == b.lfCharSet && a.lfOutPrecision == b.lfOutPrecision &&
         a.lfClipPrecision == b.lfClipPrecision && a.lfQuality == b.lfQuality &&
         a.lfPitchAndFamily == b.lfPitchAndFamily &&
         ::wcsncmp(a.lfFaceName, b.lfFaceName, LF_FACESIZE) == 0;
}

CFont* FontCache::Get(const LOGFONTW& description) {
  if (m_pLastFont && SameKey(description, m_lastDescription)) return m_pLastFont;
  std::wstring key = KeyOf(description);
  CFont* font = nullptr;
  if (const auto found = m_mapFonts.find(key); found != m_mapFonts.end()) {
    font = found->second.get();
  } else {
    auto made = std::make_unique<CFont>();
    if (!made->CreateFontIndirect(&description)) return nullptr;
    font = m_mapFonts.emplace(std::move(key), std::move(made)).first->second.get();
  }
  m_lastDescription = description;
  m_pLastFont = font;
  return font;
}

FontCache& FontCache::Shared() {
  static FontCache* const cache = new FontCache;
  return *cache;
}
