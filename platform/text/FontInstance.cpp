#include "platform/text/FontInstance.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_ADVANCES_H
#include FT_SIZES_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>

#include "platform/text/FontConfig.h"

namespace platform::text {

namespace {

// Faces are kept in a byte of each glyph.
constexpr std::size_t kMaxFaces = 255;

bool IsControl(char32_t cp) { return cp < 0x20 || (cp >= 0x7F && cp < 0xA0); }

}  // namespace

FontInstance::FontInstance(FontDescription description) : m_description(std::move(description)) {
  if (FontConfig::Released()) {
    m_faceName = m_description.family;
    ComputeMetrics();
    return;
  }
  const FontConfig& config = FontConfig::Get();
  const bool bold = m_description.weight >= FW_SEMIBOLD;
  // Synthetic bold widens strokes by about a sixteenth of the em, at least one pixel.
  const int embolden = std::max(1, m_description.pixelSize / 16);
  for (FontFace* face :
       config.FacesFor(m_description.family, m_description.weight, m_description.italic)) {
    if (m_faces.size() == kMaxFaces) break;
    FaceSlot slot;
    slot.face = face;
    slot.synthesis.emboldenPixels = bold && !face->IsBold() ? embolden : 0;
    slot.synthesis.oblique = m_description.italic && !face->IsItalic();
    m_faces.push_back(slot);
  }
  m_faceName = m_faces.empty() ? m_description.family : m_faces.front().face->Family();
  ComputeMetrics();
}

FontInstance::~FontInstance() {
  for (FaceSlot& slot : m_faces)
    if (slot.size) FT_Done_Size(slot.size);
}

int FontInstance::Scale(long units, long unitsPerEm) const {
  if (unitsPerEm <= 0) return 0;
  const long long scaled = static_cast<long long>(units) * m_description.pixelSize;
  const long long half = unitsPerEm / 2;
  return static_cast<int>(scaled >= 0 ? (scaled + half) / unitsPerEm
                                      : -((-scaled + half) / unitsPerEm));
}

FT_Size FontInstance::SizeOf(FaceSlot& slot) {
  if (slot.size || slot.sizeFailed) return slot.size;
  FT_Face face = slot.face->Face();
  FT_Size size = nullptr;
  if (!face || FT_New_Size(face, &size) != 0) {
    slot.sizeFailed = true;
    return nullptr;
  }
  if (FT_Activate_Size(size) != 0 ||
      FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(m_description.pixelSize)) != 0) {
    FT_Done_Size(size);
    slot.sizeFailed = true;
    return nullptr;
  }
  slot.size = size;
  return size;
}

void FontInstance::Resolve(char32_t cp, Glyph& glyph) {
  glyph.resolved = true;
  if (IsControl(cp)) {
    glyph.advance = 0;
    glyph.rendered = true;
    return;
  }
  if (m_faces.empty() || FontConfig::Released()) {
    // Nothing to draw with: keep text readable in width at least.
    glyph.advance = m_description.pixelSize / 2;
    glyph.rendered = true;
    return;
  }
  glyph.face = 0;
  glyph.index = 0;  // the missing-glyph box of the first face, unless a face has the character
  for (std::size_t i = 0; i < m_faces.size(); ++i) {
    if (!m_faces[i].face->HasChar(cp)) continue;
    FT_Face face = m_faces[i].face->Face();
    const FT_UInt index = face ? FT_Get_Char_Index(face, cp) : 0;
    if (index == 0) continue;
    glyph.face = static_cast<std::uint8_t>(i);
    glyph.index = index;
    break;
  }
  const FaceSlot& slot = m_faces[glyph.face];
  FT_Face face = slot.face->Face();
  FT_Fixed units = 0;
  if (face && FT_Get_Advance(face, glyph.index, FT_LOAD_NO_SCALE, &units) == 0)
    glyph.advance = Scale(units, face->units_per_EM) + slot.synthesis.emboldenPixels;
  else
    glyph.advance = m_description.pixelSize / 2;
}

void FontInstance::Render(char32_t cp, Glyph& glyph) {
  if (!glyph.resolved) Resolve(cp, glyph);
  if (glyph.rendered) return;
  if (FontConfig::Released()) {
    glyph.rendered = true;  // no ink: the faces are gone
    return;
  }
  FaceSlot& slot = m_faces[glyph.face];
  RasterizeGlyph(slot.face->Face(), SizeOf(slot), slot.synthesis, glyph);
}

void FontInstance::ComputeMetrics() {
  FontMetrics& m = m_metrics;
  const int px = m_description.pixelSize;
  FT_Face face = m_faces.empty() ? nullptr : m_faces.front().face->Face();
  if (!face) {
    m.ascent = px - px / 5;
    m.descent = px / 5;
    m.height = m.ascent + m.descent;
    m.aveCharWidth = m.maxCharWidth = px / 2;
    m.underlineTop = m.ascent;
    m.strikeOutTop = m.ascent - m.ascent / 3;
    return;
  }
  const long em = face->units_per_EM;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const auto* hhea = static_cast<const TT_HoriHeader*>(FT_Get_Sfnt_Table(face, FT_SFNT_HHEA));
  const int embolden = m_faces.front().synthesis.emboldenPixels;

  // The Windows cell: winAscent and winDescent, which cover every glyph the font designer cared
  // about; the hhea values stand in for fonts without an OS/2 table.
  long ascender = face->ascender;
  long descender = -face->descender;
  if (os2 && os2->version != 0xFFFF && (os2->usWinAscent || os2->usWinDescent)) {
    ascender = os2->usWinAscent;
    descender = os2->usWinDescent;
  }
  m.ascent = std::max(1, Scale(ascender, em));
  m.descent = std::max(0, Scale(descender, em));
  m.height = m.ascent + m.descent;
  m.internalLeading = std::max(0, m.height - px);
  if (hhea) {
    const long gap = hhea->Line_Gap - ((ascender + descender) - (hhea->Ascender - hhea->Descender));
    m.externalLeading = std::max(0, Scale(gap, em));
  }
  const long average = os2 && os2->version != 0xFFFF ? os2->xAvgCharWidth : 0;
  m.aveCharWidth = average > 0 ? Scale(average, em) + embolden : Advance(U'x');
  m.maxCharWidth = Scale(face->max_advance_width, em) + embolden;

  // FreeType gives the centre of the underline; GDI draws it from its top edge.
  m.underlineThickness = std::max(1, Scale(face->underline_thickness, em));
  const int underlineBelow = Scale(-face->underline_position - face->underline_thickness / 2, em);
  m.underlineTop = std::clamp(m.ascent + std::max(0, underlineBelow), 0,
                              std::max(0, m.height - m.underlineThickness));
  long strikePosition = em / 4;
  long strikeSize = face->underline_thickness;
  if (os2 && os2->version != 0xFFFF && os2->yStrikeoutSize > 0) {
    strikePosition = os2->yStrikeoutPosition;
    strikeSize = os2->yStrikeoutSize;
  }
  m.strikeOutThickness = std::max(1, Scale(strikeSize, em));
  m.strikeOutTop = std::clamp(m.ascent - Scale(strikePosition, em), 0,
                              std::max(0, m.height - m.strikeOutThickness));
}

}  // namespace platform::text
