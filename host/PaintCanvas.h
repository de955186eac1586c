/// @class PaintCanvas
/// The drawing aid every element paints through, bound to a device context (usually an
/// OffscreenDC). It changes the context's colours, modes, raster operation, font and clip on
/// demand, remembers what it found the first time each was changed, and puts it all back in
/// Restore (also run by the destructor). Fonts come from the shared FontCache by description, so
/// selecting one costs no font object. Every operation returns 1, or 0 when there is no context
/// to draw on.
///
/// The library's face of it is foundation/CLightCanvas, a counted object.
#pragma once

#include <memory>
#include <span>

#include "host/ColorTable.h"
#include "platform/mfc/CDC.h"

/// One line of text placed by its prefix widths: prefixWidths[k] is the width of its first k
/// characters (so it has prefixWidths.size() - 1 of them). It starts at x = left, in the band
/// from top to bottom.
struct TextLine {
  const wchar_t* text = nullptr;      ///< the characters; not owned
  std::span<const int> prefixWidths;  ///< measured in the font the canvas has selected
  ///@{
  /// The line's start, and its band's top and bottom, in the context's coordinates.
  int left = 0;
  int top = 0;
  int bottom = 0;
  ///@}
};

/// The characters [first, last) of a line in their own colours; a background of COLOR_NONE lets
/// what lies under the run show through.
struct TextRun {
  ///@{
  /// The first character of the run and the one after its last.
  int first = 0;
  int last = 0;
  ///@}
  ///@{
  /// The colours of the characters and of the band behind them.
  COLORREF text = 0;
  COLORREF back = COLOR_NONE;
  ///@}
};

class PaintCanvas {
 public:
  /// A canvas over `dc` (not owned; null draws nothing), which must outlive it.
  explicit PaintCanvas(CDC* dc) : m_pDC(dc) {}
  /// Restores what the canvas changed.
  ~PaintCanvas();
  PaintCanvas(const PaintCanvas&) = delete;
  PaintCanvas& operator=(const PaintCanvas&) = delete;

  /// The context drawn on, for measuring with what the canvas selected; null without one.
  HDC GetSafeHdc() const { return m_pDC ? m_pDC->GetSafeHdc() : nullptr; }

  ///@{
  /// Changes the context's state for what follows, remembering the first value each had, so
  /// that Restore puts it back. The font comes from the shared cache.
  int SetBkMode(int mode);
  int SetBkColor(COLORREF color);
  int SetTextColor(COLORREF color);
  int SetROP2(int rop);
  int SetFont(const LOGFONTW& logfont);
  ///@}
  /// Narrows the clip to the rectangle; Restore widens it again.
  int ClipTo(const RECT& rect);
  /// Nothing is drawn in the colour COLOR_NONE.
  int FillRect(const RECT& rect, COLORREF color);
  /// A one-pixel border just inside the rectangle.
  int FrameRect(const RECT& rect, COLORREF color);
  /// The whole text; the given font is selected for this call only.
  int DrawText(const wchar_t* text, LPRECT rect, UINT format, CFont* font = nullptr);
  /// The first `count` characters of the text (-1: up to its terminator).
  int DrawText(const wchar_t* text, int count, LPRECT rect, UINT format);
  /// Each run in turn, each over the ones before: a selection drawn over the plain text. Only the
  /// characters within the clip, give or take a glyph's overhang, are drawn, so a long line costs
  /// what shows of it.
  int DrawTextRuns(const TextLine& line, std::span<const TextRun> runs, UINT format);
  /// With x2 or y2 negative, a line from the current position to (x1, y1).
  int DrawLine(int x1, int y1, COLORREF color, int x2 = -1, int y2 = -1);
  /// Every other pixel from (x1, y1) towards (x2, y2), the first included and the end left out:
  /// a dotted line in one stroke. The pen is kept for the next dotted line of the same colour.
  int DrawDottedLine(int x1, int y1, int x2, int y2, COLORREF color);
  /// Stretches the whole bitmap into the rectangle; 0 without a bitmap.
  int DrawBitmap(int x, int y, int cx, int cy, CBitmap* bitmap);
  /// Draws the whole bitmap at its own size, leaving out the pixels of colour `transparent`;
  /// COLOR_NONE copies it opaquely. 0 without a bitmap.
  int DrawBitmapKeyed(int x, int y, CBitmap* bitmap, COLORREF transparent);

  /// Puts back every piece of context state the canvas changed, the clip included, and forgets
  /// what it saved: drawing may go on, and a later Restore puts back only what changed since.
  int Restore();

 private:
  CDC* MemoryDC();
  /// Selects a bitmap into the memory context and describes it; returns what was selected
  /// before, or null when the bitmap cannot be drawn.
  HGDIOBJ SelectForCopy(CBitmap* bitmap, BITMAP& description);

  static constexpr COLORREF kNotSaved = 0xFFFFFFFF;

  CDC* m_pDC = nullptr;          ///< target, not owned
  std::unique_ptr<CDC> m_pMemDC;  ///< for bitmap transfers: made on first use
  std::unique_ptr<CPen> m_pDotPen;  ///< the last dotted line's pen, never left selected
  COLORREF m_clrDotPen = 0;
  /// Pens live for one DrawLine, no operation selects a brush and fonts belong to the font
  /// cache, so the font is the only object the canvas leaves selected between calls.
  HGDIOBJ m_hOldFont = nullptr;  ///< what was selected before the canvas's first font
  bool m_bFontSaved = false;
  int m_nSavedForClip = 0;       ///< the context's saved state from before the first ClipTo
  int m_nOldBkMode = 0;          ///< 0: not saved
  int m_nOldROP2 = 0;            ///< 0: not saved
  COLORREF m_clrOldBk = kNotSaved;
  COLORREF m_clrOldText = kNotSaved;
};
