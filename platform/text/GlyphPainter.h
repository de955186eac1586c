// Paints runs of text onto a device context: the opaque text cell, the glyphs' grey coverage
// blended in the text colour, and underline and strike-out. Coordinates are device coordinates,
// and nothing outside the clip rectangle is touched; callers narrow it to the DC's clip first.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/gdi/DeviceContext.h"
#include "platform/text/FontInstance.h"

namespace platform::text {

struct GlyphRun {
  const wchar_t* text = nullptr;
  std::size_t count = 0;
  const int* advances = nullptr;  // one per character; null takes the font's own
};

class GlyphPainter {
 public:
  GlyphPainter(DeviceContext& dc, FontInstance& font, const RECT& clip);

  // Paints a run whose cell has its top-left corner at `origin`.
  void PaintRun(POINT origin, const GlyphRun& run);
  // Underlines `width` pixels from `x` in the cell whose top is `top` (DrawText's "&x" marks).
  void Underline(std::int64_t x, int top, std::int64_t width);

 private:
  std::int64_t RunWidth(const GlyphRun& run) const;
  void PaintGlyph(const Glyph& glyph, std::int64_t penX, std::int64_t baseline);
  void Fill(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom,
            Pixel color);

  DeviceContext& m_dc;
  FontInstance& m_font;
  RECT m_clip{};
  Pixel m_textColor = 0;
  Pixel m_backColor = 0;
  bool m_opaque = false;
  bool m_visible = false;  // the clip leaves something to draw on
};

}  // namespace platform::text
