#include "platform/text/FontConfig.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>

#include "platform/text/FaceNames.h"

namespace platform::text {

namespace {

bool g_released = false;  // plain data: still readable after every destructor has run

// Exactly the files that fonts-dejavu-core and fonts-wqy-microhei install. The DejaVu folder may
// also hold fonts-dejavu-extra (condensed, oblique, light...), which must not change any match.
constexpr std::array kDejaVuFiles{
    "DejaVuSans.ttf",          "DejaVuSans-Bold.ttf", "DejaVuSansMono.ttf",
    "DejaVuSansMono-Bold.ttf", "DejaVuSerif.ttf",     "DejaVuSerif-Bold.ttf",
};
constexpr std::array kWqyFiles{"wqy-microhei.ttc"};

std::string StringOf(FcPattern* pattern, const char* object) {
  FcChar8* value = nullptr;
  if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value) return {};
  return reinterpret_cast<const char*>(value);
}

int IntegerOf(FcPattern* pattern, const char* object, int fallback) {
  int value = fallback;
  FcPatternGetInteger(pattern, object, 0, &value);
  return value;
}

}  // namespace

bool FontConfig::Released() { return g_released; }

FontConfig& FontConfig::Get() {
  // Fontconfig links its objects by offsets that leak checkers cannot follow, so everything it
  // made must really be freed at exit rather than left reachable.
  static FontConfig config;
  return config;
}

FontConfig::~FontConfig() {
  g_released = true;
  m_faces.clear();
  if (m_config) FcConfigDestroy(m_config);
  if (m_library) FT_Done_FreeType(m_library);
}

FontConfig::FontConfig() {
  if (FT_Init_FreeType(&m_library) != 0) m_library = nullptr;
  m_config = FcConfigCreate();
  if (!m_config || !m_library) return;
  for (const char* name : kDejaVuFiles) {
    const std::string path = std::string(TRELLIS_FONT_DIR_DEJAVU) + "/" + name;
    FcConfigAppFontAddFile(m_config, reinterpret_cast<const FcChar8*>(path.c_str()));
  }
  for (const char* name : kWqyFiles) {
    const std::string path = std::string(TRELLIS_FONT_DIR_WQY) + "/" + name;
    FcConfigAppFontAddFile(m_config, reinterpret_cast<const FcChar8*>(path.c_str()));
  }
  FcFontSet* set = FcConfigGetFonts(m_config, FcSetApplication);
  if (!set) return;
  for (int i = 0; i < set->nfont; ++i) {
    FcPattern* font = set->fonts[i];
    FcCharSet* charset = nullptr;
    FcPatternGetCharSet(font, FC_CHARSET, 0, &charset);
    m_faces.push_back(std::make_unique<FontFace>(
        m_library, StringOf(font, FC_FILE), IntegerOf(font, FC_INDEX, 0), StringOf(font, FC_FAMILY),
        IntegerOf(font, FC_WEIGHT, FC_WEIGHT_REGULAR), IntegerOf(font, FC_SLANT, FC_SLANT_ROMAN),
        charset));
  }
}

FontFace* FontConfig::FindFace(const std::string& file, int index) const {
  for (const auto& face : m_faces)
    if (face->Index() == index && face->File() == file) return face.get();
  return nullptr;
}

std::vector<FontFace*> FontConfig::FacesFor(const std::string& family, int weight,
                                            bool italic) const {
  std::vector<FontFace*> faces;
  if (!m_config) return faces;
  FcPattern* pattern = FcPatternCreate();
  // Several families in one pattern rank in the order given, so the fallback order is fixed here
  // rather than by the language of the machine (no default substitution is applied).
  for (const char* name : {family.c_str(), kDefaultFamily, kChineseFamily})
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name));
  FcPatternAddInteger(pattern, FC_WEIGHT, FcWeightFromOpenType(weight));
  FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcResult result = FcResultNoMatch;
  FcFontSet* sorted = FcFontSort(m_config, pattern, FcFalse, nullptr, &result);
  if (sorted) {
    for (int i = 0; i < sorted->nfont; ++i) {
      FcPattern* font = sorted->fonts[i];
      if (FontFace* face = FindFace(StringOf(font, FC_FILE), IntegerOf(font, FC_INDEX, 0)))
        faces.push_back(face);
    }
    FcFontSetDestroy(sorted);
  }
  FcPatternDestroy(pattern);
  return faces;
}

}  // namespace platform::text
