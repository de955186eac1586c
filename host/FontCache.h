/// @class FontCache
/// Fonts by description. Painters ask for the font of a LOGFONTW on every paint; the cache makes
/// each description's font once and keeps it, so no paint or row makes and deletes one. Two
/// descriptions that differ in any field (after the face name's terminator nothing counts) are
/// two fonts. A program uses a handful of descriptions, so nothing is ever evicted, which also
/// means a cached font can never be deleted while some context still has it selected.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "platform/mfc/CGdiObject.h"

class FontCache {
 public:
  FontCache() = default;
  FontCache(const FontCache&) = delete;
  FontCache& operator=(const FontCache&) = delete;

  /// The font of a description, made on first use; null when none can be made. The cache owns it:
  /// select it, never delete it.
  CFont* Get(const LOGFONTW& description);
  /// The number of fonts made so far.
  std::size_t Size() const { return m_mapFonts.size(); }

  /// The process's cache, which painters use. Never destroyed, so fonts stay valid for whatever
  /// paints during exit; the platform's handle table outlives every static as well.
  static FontCache& Shared();

 private:
  /// The description's bytes, with the face name cut at its terminator.
  static std::wstring KeyOf(const LOGFONTW& description);
  /// The two descriptions have one key.
  static bool SameKey(const LOGFONTW& a, const LOGFONTW& b);

  std::map<std::wstring, std::unique_ptr<CFont>> m_mapFonts;
  /// The last description asked for and its font: a painter asks for one font again and again,
  /// and comparing the fields costs less than making the key. Fonts are never evicted, so the
  /// font stays right for its description.
  LOGFONTW m_lastDescription{};
  CFont* m_pLastFont = nullptr;
};
