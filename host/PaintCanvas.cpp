#include "host/PaintCanvas.h"

#include <algorithm>

#include "host/FontCache.h"

namespace {

// Glyph ink may reach past a character's advance (italics, wide bearings), so characters this
// close outside the clip are drawn too; the font's height when that is more.
constexpr int kMinInkMargin = 16;

// The characters [first, last) that show, wholly or partly, between `left` and `right` pixels
// from the start of a line. Prefix widths never shrink, so both ends are binary searches.
struct CharRange {
  int first = 0;
  int last = 0;
};
CharRange CharsBetween(std::span<const int> widths, int left, int right) {
  if (widths.size() < 2 || right <= left) return {};
  // Character k covers [widths[k], widths[k + 1]); it shows when it ends after `left` and
  // starts before `right`.
  const auto first = std::upper_bound(widths.begin() + 1, widths.end(), left);
  const auto last = std::lower_bound(widths.begin(), widths.end() - 1, right);
  CharRange range;
  range.first = static_cast<int>(first - widths.begin()) - 1;
  range.last = std::max(range.first, static_cast<int>(last - widths.begin()));
  return range;
}

}  // namespace

PaintCanvas::~PaintCanvas() { Restore(); }

int PaintCanvas::SetBkMode(int mode) {
  if (!m_pDC) return 0;
  const int old = m_pDC->SetBkMode(mode);
  if (m_nOldBkMode == 0) m_nOldBkMode = old;
  return 1;
}

int PaintCanvas::SetBkColor(COLORREF color) {
  if (!m_pDC) return 0;
  const COLORREF old = m_pDC->SetBkColor(color);
  if (m_clrOldBk == kNotSaved) m_clrOldBk = old;
  return 1;
}

int PaintCanvas::SetTextColor(COLORREF color) {
  if (!m_pDC) return 0;
  const COLORREF old = m_pDC->SetTextColor(color);
  if (m_clrOldText == kNotSaved) m_clrOldText = old;
  return 1;
}

int PaintCanvas::SetROP2(int rop) {
  if (!m_pDC) return 0;
  const int old = m_pDC->SetROP2(rop);
  if (m_nOldROP2 == 0) m_nOldROP2 = old;
  return 1;
}

int PaintCanvas::SetFont(const LOGFONTW& logfont) {
  if (!m_pDC) return 0;
  CFont* font = FontCache::Shared().Get(logfont);
  if (!font) return 0;
  const HGDIOBJ previous = ::SelectObject(m_pDC->m_hDC, font->m_hObject);
  if (!m_bFontSaved) {
    m_hOldFont = previous;
    m_bFontSaved = true;
  }
  return 1;
}

int PaintCanvas::ClipTo(const RECT& rect) {
  if (!m_pDC) return 0;
  if (m_nSavedForClip == 0) m_nSavedForClip = m_pDC->SaveDC();
  m_pDC->IntersectClipRect(&rect);
  return 1;
}

int PaintCanvas::FillRect(const RECT& rect, COLORREF color) {
  if (!m_pDC) return 0;
  if (color == COLOR_NONE) return 1;
  // FillSolidRect leaves the background colour set to the fill; keep the caller's.
  const COLORREF bk = m_pDC->GetBkColor();
  m_pDC->FillSolidRect(&rect, color);
  m_pDC->SetBkColor(bk);
  return 1;
}

int PaintCanvas::FrameRect(const RECT& rect, COLORREF color) {
  if (!m_pDC) return 0;
  if (color == COLOR_NONE) return 1;
  CBrush brush(color);
  m_pDC->FrameRect(&rect, &brush);
  return 1;
}

int PaintCanvas::DrawText(const wchar_t* text, LPRECT rect, UINT format, CFont* font) {
  if (!m_pDC) return 0;
  HGDIOBJ previous = font ? ::SelectObject(m_pDC->m_hDC, font->m_hObject) : nullptr;
  m_pDC->DrawText(text, -1, rect, format);
  if (previous) ::SelectObject(m_pDC->m_hDC, previous);
  return 1;
}

int PaintCanvas::DrawText(const wchar_t* text, int count, LPRECT rect, UINT format) {
  if (!m_pDC) return 0;
  m_pDC->DrawText(text, count, rect, format);
  return 1;
}

int PaintCanvas::DrawTextRuns(const TextLine& line, std::span<const TextRun> runs, UINT format) {
  if (!m_pDC) return 0;
  const std::span<const int> widths = line.prefixWidths;
  if (!line.text || widths.size() < 2) return 1;
  CRect clip;
  m_pDC->GetClipBox(&clip);
  TEXTMETRICW metrics{};
  m_pDC->GetTextMetrics(&metrics);
  const int margin = std::max(kMinInkMargin, int(metrics.tmHeight));
  const CharRange shown =
      CharsBetween(widths, clip.left - line.left - margin, clip.right - line.left + margin);
  for (const TextRun& run : runs) {
    const int first = std::max(run.first, shown.first), last = std::min(run.last, shown.last);
    if (first >= last) continue;
    SetBkMode(run.back == COLOR_NONE ? TRANSPARENT : OPAQUE);
    SetBkColor(run.back);
    SetTextColor(run.text);
    CRect box(line.left + widths[std::size_t(first)], line.top,
              line.left + widths[std::size_t(last)], line.bottom);
    m_pDC->DrawText(line.text + first, last - first, &box, format);
  }
  return 1;
}

int PaintCanvas::DrawLine(int x1, int y1, COLORREF color, int x2, int y2) {
  if (!m_pDC) return 0;
  CPen pen(PS_SOLID, 1, color);
  const HGDIOBJ previous = ::SelectObject(m_pDC->m_hDC, pen.m_hObject);
  if (x2 < 0 || y2 < 0) {
    m_pDC->LineTo(x1, y1);
  } else {
    m_pDC->MoveTo(x1, y1);
    m_pDC->LineTo(x2, y2);
  }
  ::SelectObject(m_pDC->m_hDC, previous);
  return 1;
}

int PaintCanvas::DrawDottedLine(int x1, int y1, int x2, int y2, COLORREF color) {
  if (!m_pDC) return 0;
  if (!m_pDotPen || m_clrDotPen != color) {
    m_pDotPen = std::make_unique<CPen>(PS_DOT, 1, color);
    m_clrDotPen = color;
  }
  const HGDIOBJ previous = ::SelectObject(m_pDC->m_hDC, m_pDotPen->m_hObject);
  m_pDC->MoveTo(x1, y1);
  m_pDC->LineTo(x2, y2);
  ::SelectObject(m_pDC->m_hDC, previous);
  return 1;
}

CDC* PaintCanvas::MemoryDC() {
  if (!m_pMemDC) {
    auto dc = std::make_unique<CDC>();
    if (!dc->CreateCompatibleDC(m_pDC)) return nullptr;
    m_pMemDC = std::move(dc);
  }
  return m_pMemDC.get();
}

HGDIOBJ PaintCanvas::SelectForCopy(CBitmap* bitmap, BITMAP& description) {
  if (!m_pDC || !bitmap || !bitmap->m_hObject || !bitmap->GetBitmap(&description)) return nullptr;
  CDC* memory = MemoryDC();
  // Null too when the bitmap is selected into another context: it cannot be read from here.
  return memory ? ::SelectObject(memory->m_hDC, bitmap->m_hObject) : nullptr;
}

int PaintCanvas::DrawBitmap(int x, int y, int cx, int cy, CBitmap* bitmap) {
  BITMAP bm{};
  const HGDIOBJ previous = SelectForCopy(bitmap, bm);
  if (!previous) return 0;
  m_pDC->StretchBlt(x, y, cx, cy, m_pMemDC.get(), 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
  ::SelectObject(m_pMemDC->m_hDC, previous);
  return 1;
}

int PaintCanvas::DrawBitmapKeyed(int x, int y, CBitmap* bitmap, COLORREF transparent) {
  BITMAP bm{};
  const HGDIOBJ previous = SelectForCopy(bitmap, bm);
  if (!previous) return 0;
  if (transparent == COLOR_NONE)
    m_pDC->BitBlt(x, y, bm.bmWidth, bm.bmHeight, m_pMemDC.get(), 0, 0, SRCCOPY);
  else
    m_pDC->TransparentBlt(x, y, bm.bmWidth, bm.bmHeight, m_pMemDC.get(), 0, 0, bm.bmWidth,
                          bm.bmHeight, transparent);
  ::SelectObject(m_pMemDC->m_hDC, previous);
  return 1;
}

int PaintCanvas::Restore() {
  if (m_pDC) {
    // First: putting the saved state back also reselects what was selected when it was saved.
    if (m_nSavedForClip != 0) m_pDC->RestoreDC(m_nSavedForClip);
    if (m_bFontSaved) ::SelectObject(m_pDC->m_hDC, m_hOldFont);
    if (m_nOldBkMode != 0) m_pDC->SetBkMode(m_nOldBkMode);
    if (m_nOldROP2 != 0) m_pDC->SetROP2(m_nOldROP2);
    if (m_clrOldBk != kNotSaved) m_pDC->SetBkColor(m_clrOldBk);
    if (m_clrOldText != kNotSaved) m_pDC->SetTextColor(m_clrOldText);
  }
  m_hOldFont = nullptr;
  m_bFontSaved = false;
  m_nSavedForClip = m_nOldBkMode = m_nOldROP2 = 0;
  m_clrOldBk = m_clrOldText = kNotSaved;
  m_pMemDC.reset();
  return 1;
}
