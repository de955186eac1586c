#include "tree/TreeTextWidths.h"

#include <cstring>

namespace {

// Descriptions the same byte for byte. Two that differ only after the face name's terminator
// name one font and get two memos, which costs a measurement, never a wrong width.
bool SameFont(const LOGFONTW& a, const LOGFONTW& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

// Fonts a tree has measured in, before the oldest are forgotten: its two, and room for a host
// that changes them now and then.
constexpr std::size_t kMaxFonts = 4;

}  // namespace

TreeTextWidths::Widths& TreeTextWidths::ForFont(const LOGFONTW& font) {
  for (FontWidths& known : m_fonts)
    if (SameFont(known.font, font)) return known.widths;
  if (m_fonts.size() >= kMaxFonts) m_fonts.erase(m_fonts.begin());
  m_fonts.push_back({font, {}});
  return m_fonts.back().widths;
}
