/// @class TreeTextWidths
/// The widths of the texts the tree's rows show, by font and text. A row's text is measured when
/// the rows are laid out, when it is painted and when it is hit; with the font and the text as
/// the key, a width is measured again exactly when its row's text or font changed, and nothing
/// has to be told of either. Only the rows of a screen or so are asked about between changes, so
/// the memo is dropped whole when it outgrows that, rather than aged entry by entry.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/win32/WinGdi.h"

class TreeTextWidths {
 public:
  /// The width of `text` in `font`: the one kept, or what `measure()` says, kept from then on.
  template <class Measure>
  int Width(const LOGFONTW& font, std::wstring_view text, Measure&& measure) {
    Widths& widths = ForFont(font);
    const auto known = widths.find(text);
    if (known != widths.end()) return known->second;
    const int width = measure();
    if (widths.size() >= kMaxTexts) widths.clear();
    widths.emplace(std::wstring(text), width);
    return width;
  }

  /// Thousands of rows' texts: far more than a screen shows, little memory.
  static constexpr std::size_t kMaxTexts = 4096;

 private:
  /// Hashing a view finds a kept string without building one.
  struct Hash {
    using is_transparent = void;
    std::size_t operator()(std::wstring_view text) const {
      return std::hash<std::wstring_view>()(text);
    }
  };
  using Widths = std::unordered_map<std::wstring, int, Hash, std::equal_to<>>;
  struct FontWidths {
    LOGFONTW font{};
    Widths widths;
  };
  /// A tree draws in two fonts; a third description (a host's SetTreeFont) adds one more.
  Widths& ForFont(const LOGFONTW& font);

  std::vector<FontWidths> m_fonts;
};
