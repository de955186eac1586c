#include "platform/text/GlyphRasterizer.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H

#include <cstring>

#include "platform/text/CoverageBlend.h"

namespace platform::text {

namespace {

std::uint64_t g_rasterised = 0;

// The shear FreeType itself uses for synthetic obliques: tan(12 degrees) in 16.16.
constexpr FT_Fixed kObliqueShear = 0x0366A;

void MarkEmpty(Glyph& glyph) {
  glyph.coverage.reset();
  glyph.weights.reset();
  glyph.left = glyph.top = glyph.width = glyph.height = glyph.stride = 0;
  glyph.rendered = true;
}

}  // namespace

void RasterizeGlyph(FT_Face face, FT_Size size, const Synthesis& synthesis, Glyph& glyph) {
  ++g_rasterised;
  MarkEmpty(glyph);
  if (!face || !size || FT_Activate_Size(size) != 0) return;
  if (FT_Load_Glyph(face, glyph.index, FT_LOAD_TARGET_LIGHT | FT_LOAD_NO_BITMAP) != 0) return;
  FT_GlyphSlot slot = face->glyph;
  if (slot->format != FT_GLYPH_FORMAT_OUTLINE) return;
  if (synthesis.emboldenPixels > 0)
    FT_Outline_EmboldenXY(&slot->outline, synthesis.emboldenPixels * 64, 0);
  if (synthesis.oblique) {
    const FT_Matrix shear{0x10000, kObliqueShear, 0, 0x10000};
    FT_Outline_Transform(&slot->outline, &shear);
  }
  if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) return;
  const FT_Bitmap& bitmap = slot->bitmap;
  if (bitmap.pixel_mode != FT_PIXEL_MODE_GRAY || bitmap.width == 0 || bitmap.rows == 0) return;
  const int width = static_cast<int>(bitmap.width);
  const int height = static_cast<int>(bitmap.rows);
  // Zero padding lets the blender take whole groups of four pixels.
  const int stride = (width + 3) & ~3;
  auto coverage = std::make_unique<std::uint8_t[]>(std::size_t(stride) * height);
  for (int y = 0; y < height; ++y)
    std::memcpy(coverage.get() + std::size_t(y) * stride,
                bitmap.buffer + std::ptrdiff_t(y) * bitmap.pitch, std::size_t(width));
  glyph.weights = BlendWeights(coverage.get(), std::size_t(stride) * height);
  glyph.coverage = std::move(coverage);
  glyph.left = slot->bitmap_left;
  glyph.top = slot->bitmap_top;
  glyph.width = width;
  glyph.height = height;
  glyph.stride = stride;
}

std::uint64_t GlyphsRasterised() { return g_rasterised; }

}  // namespace platform::text
