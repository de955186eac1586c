// A font at one size and style: the faces that draw it (the requested family first, then the
// fallbacks that cover other scripts), its cell metrics and the cache of its glyphs.
//
// Every width in the text engine is a sum of the whole-pixel advances given here, so the width of
// a prefix is exact and grows with the prefix, and the numbers do not depend on the machine:
// advances are the fonts' design advances scaled and rounded by our own arithmetic.
#pragma once

#include <string>
#include <vector>

#include "platform/text/FontDescription.h"
#include "platform/text/GlyphCache.h"
#include "platform/text/GlyphRasterizer.h"

namespace platform::text {

class FontFace;

// Sizes in pixels; the "Top" values count rows from the top of the text cell.
struct FontMetrics {
  int ascent = 0;
  int descent = 0;
  int height = 0;  // ascent + descent: the cell and line height
  int internalLeading = 0;
  int externalLeading = 0;
  int aveCharWidth = 0;
  int maxCharWidth = 0;
  int underlineTop = 0;
  int underlineThickness = 1;
  int strikeOutTop = 0;
  int strikeOutThickness = 1;
};

class FontInstance {
 public:
  explicit FontInstance(FontDescription description);
  ~FontInstance();
  FontInstance(const FontInstance&) = delete;
  FontInstance& operator=(const FontInstance&) = delete;

  const FontDescription& Description() const { return m_description; }
  const FontMetrics& Metrics() const { return m_metrics; }
  // The family that draws the text, as GetTextFace reports it.
  const std::string& FaceName() const { return m_faceName; }

  // A glyph whose face and advance are known. Control characters have no ink and no width;
  // characters no face has get the first face's missing-glyph box.
  const Glyph& Resolved(char32_t cp) {
    Glyph& glyph = m_cache.Entry(cp);
    if (!glyph.resolved) Resolve(cp, glyph);
    return glyph;
  }
  int Advance(char32_t cp) { return Resolved(cp).advance; }
  // A glyph whose coverage is known too; each glyph is rasterised once per instance.
  const Glyph& Rendered(char32_t cp) {
    Glyph& glyph = m_cache.Entry(cp);
    if (!glyph.rendered) Render(cp, glyph);
    return glyph;
  }

 private:
  struct FaceSlot {
    FontFace* face = nullptr;
    FT_SizeRec_* size = nullptr;  // this instance's size on the shared face, made on first use
    bool sizeFailed = false;
    Synthesis synthesis;
  };

  void Resolve(char32_t cp, Glyph& glyph);
  void Render(char32_t cp, Glyph& glyph);
  FT_SizeRec_* SizeOf(FaceSlot& slot);
  int Scale(long units, long unitsPerEm) const;
  void ComputeMetrics();

  FontDescription m_description;
  std::string m_faceName;
  std::vector<FaceSlot> m_faces;
  FontMetrics m_metrics;
  GlyphCache m_cache;
};

}  // namespace platform::text
