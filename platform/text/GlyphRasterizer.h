// Turns one glyph of a sized face into grey coverage. Rendering is fixed in code so that output
// never depends on the machine's font settings: light hinting (vertical only, so horizontal
// shapes and advances stay as designed), 256-level grey anti-aliasing, outlines only (embedded
// bitmaps are ignored), and bold and oblique synthesised when the face has no such style.
#pragma once

#include <cstdint>

#include "platform/text/GlyphCache.h"

struct FT_FaceRec_;
struct FT_SizeRec_;

namespace platform::text {

struct Synthesis {
  int emboldenPixels = 0;  // extra stroke width (and advance) of a synthetic bold
  bool oblique = false;    // slant a roman face for an italic request
};

// Fills glyph.coverage and weights, left, top, width and height and marks it rendered; a glyph that cannot
// be loaded is rendered empty.
void RasterizeGlyph(FT_FaceRec_* face, FT_SizeRec_* size, const Synthesis& synthesis, Glyph& glyph);

// How many glyphs have been rasterised since the process started: drawing the same glyph of the
// same font again must not add to it.
std::uint64_t GlyphsRasterised();

}  // namespace platform::text
