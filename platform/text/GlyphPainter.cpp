#include "platform/text/GlyphPainter.h"

#include "platform/text/CoverageBlend.h"
#include "platform/text/TextMeasure.h"

namespace platform::text {

GlyphPainter::GlyphPainter(DeviceContext& dc, FontInstance& font, const RECT& clip)
    : m_dc(dc),
      m_font(font),
      m_clip(clip),
      m_textColor(PixelFromColor(dc.state.textColor)),
      m_backColor(PixelFromColor(dc.state.bkColor)),
      m_opaque(dc.state.bkMode == OPAQUE) {
  m_visible = dc.ClipDeviceRect(m_clip);
}

std::int64_t GlyphPainter::RunWidth(const GlyphRun& run) const {
  if (!run.advances) return text::RunWidth(m_font, run.text, run.count);
  std::int64_t width = 0;
  for (std::size_t i = 0; i < run.count; ++i) width += run.advances[i];
  return width;
}

void GlyphPainter::PaintRun(POINT origin, const GlyphRun& run) {
  if (!m_visible || run.count == 0) return;
  const FontMetrics& metrics = m_font.Metrics();
  const std::int64_t width = RunWidth(run);
  if (m_opaque) Fill(origin.x, origin.y, origin.x + width, origin.y + metrics.height, m_backColor);

  // No glyph's ink reaches further from its pen position than this.
  const std::int64_t margin =
      2 * std::int64_t(m_font.Description().pixelSize) + metrics.maxCharWidth;
  const std::int64_t baseline = std::int64_t(origin.y) + metrics.ascent;
  if (baseline + margin <= m_clip.top || baseline - margin >= m_clip.bottom) return;
  std::int64_t pen = origin.x;
  for (std::size_t i = 0; i < run.count; ++i) {
    const char32_t cp = CodePoint(run.text[i]);
    const int advance = run.advances ? run.advances[i] : m_font.Advance(cp);
    // With the font's advances the pen only moves right, so the rest of the run is off the clip.
    if (!run.advances && pen - margin >= m_clip.right) break;
    if (pen + margin > m_clip.left && pen - margin < m_clip.right)
      PaintGlyph(m_font.Rendered(cp), pen, baseline);
    pen += advance;
  }

  const FontDescription& d = m_font.Description();
  if (d.underline)
    Fill(origin.x, origin.y + metrics.underlineTop, origin.x + width,
         origin.y + metrics.underlineTop + metrics.underlineThickness, m_textColor);
  if (d.strikeOut)
    Fill(origin.x, origin.y + metrics.strikeOutTop, origin.x + width,
         origin.y + metrics.strikeOutTop + metrics.strikeOutThickness, m_textColor);
}

void GlyphPainter::Underline(std::int64_t x, int top, std::int64_t width) {
  if (!m_visible) return;
  const FontMetrics& metrics = m_font.Metrics();
  const std::int64_t y = std::int64_t(top) + metrics.underlineTop;
  Fill(x, y, x + width, y + metrics.underlineThickness, m_textColor);
}

void GlyphPainter::PaintGlyph(const Glyph& glyph, std::int64_t penX, std::int64_t baseline) {
  if (!glyph.coverage) return;
  const std::int64_t gx = penX + glyph.left;
  const std::int64_t gy = baseline - glyph.top;
  const std::int64_t left = std::max<std::int64_t>(gx, m_clip.left);
  const std::int64_t right = std::min<std::int64_t>(gx + glyph.width, m_clip.right);
  const std::int64_t top = std::max<std::int64_t>(gy, m_clip.top);
  const std::int64_t bottom = std::min<std::int64_t>(gy + glyph.height, m_clip.bottom);
  if (left >= right || top >= bottom) return;
  const int offset = static_cast<int>(left - gx);
  int columns = static_cast<int>(right - left);
  // Blending in pairs is faster than one by one, and the padding past the glyph's width has zero
  // coverage, so it may be blended wherever it stays inside the clip and the coverage row.
  const int padded = (columns + 1) & ~1;
  if (offset + padded <= glyph.stride && left + padded <= m_clip.right) columns = padded;
  const std::ptrdiff_t first = (top - gy) * glyph.stride + offset;
  BlendCoverage(m_dc.SurfacePixel(static_cast<int>(left), static_cast<int>(top)),
                m_dc.surface->Width(),
                {glyph.coverage.get() + first, glyph.weights.get() + 4 * first, glyph.stride},
                columns, static_cast<int>(bottom - top), m_textColor);
}

void GlyphPainter::Fill(std::int64_t left, std::int64_t top, std::int64_t right,
                        std::int64_t bottom, Pixel color) {
  RECT r{ClampCoord(left), ClampCoord(top), ClampCoord(right), ClampCoord(bottom)};
  if (IntersectInto(r, m_clip)) FillDeviceRect(m_dc, r, color);
}

}  // namespace platform::text
