#include "platform/text/FontFace.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

namespace platform::text {

FontFace::FontFace(FT_Library library, std::string file, int index, std::string family, int weight,
                   int slant, const FcCharSet* charset)
    : m_library(library),
      m_file(std::move(file)),
      m_index(index),
      m_family(std::move(family)),
      m_weight(weight),
      m_slant(slant),
      m_charset(charset ? FcCharSetCopy(const_cast<FcCharSet*>(charset)) : nullptr) {}

FontFace::~FontFace() {
  if (m_face) FT_Done_Face(m_face);
  if (m_charset) FcCharSetDestroy(m_charset);
}

bool FontFace::IsBold() const { return m_weight >= FC_WEIGHT_DEMIBOLD; }
bool FontFace::IsItalic() const { return m_slant != FC_SLANT_ROMAN; }

bool FontFace::HasChar(char32_t cp) const {
  return m_charset && FcCharSetHasChar(m_charset, static_cast<FcChar32>(cp));
}

FT_Face FontFace::Face() {
  if (!m_face && !m_openFailed) {
    if (FT_New_Face(m_library, m_file.c_str(), m_index, &m_face) != 0) {
      m_face = nullptr;
      m_openFailed = true;
    }
  }
  return m_face;
}

}  // namespace platform::text
