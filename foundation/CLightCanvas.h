// A thin drawing aid bound to a device context. It changes the context's colours, modes, font
// and pens on demand, remembers what it found the first time each was changed, and puts it all
// back in Restore (also run by the destructor). Every operation returns 1, or 0 when there is no
// context to draw on.
#pragma once

#include "foundation/CUnknown.h"
#include "platform/mfc/CDC.h"

class CLightCanvas : public CUnknown {
 public:
  explicit CLightCanvas(CDC* dc) : m_pDC(dc) {}
  ~CLightCanvas() override;
  CLightCanvas(const CLightCanvas&) = delete;
  CLightCanvas& operator=(const CLightCanvas&) = delete;

  int SetBkMode(int mode);
  int SetBkColor(COLORREF color);
  int SetTextColor(COLORREF color);
  int SetFont(const LOGFONTW& logfont);
  // Nothing is drawn in the colour 0xFFFFFFFF ("no colour").
  int FillRect(const RECT& rect, COLORREF color);
  // The given font is selected for this call only.
  int DrawText(const wchar_t* text, LPRECT rect, UINT format, CFont* font = nullptr);
  // With x2 or y2 negative, a line from the current position to (x1, y1).
  int DrawLine(int x1, int y1, COLORREF color, int x2 = -1, int y2 = -1);
  // Stretches the whole bitmap into the rectangle; 0 without a bitmap.
  int DrawBitmap(int x, int y, int cx, int cy, CBitmap* bitmap);
  // Draws the whole bitmap at its own size, leaving out the pixels of colour `transparent`;
  // 0xFFFFFFFF copies it opaquely. 0 without a bitmap.
  int DrawBitmapKeyed(int x, int y, CBitmap* bitmap, COLORREF transparent);

  virtual int Restore();

 private:
  CDC* MemoryDC();
  // Selects a bitmap into the memory context and describes it; returns what was selected
  // before, or null when the bitmap cannot be drawn.
  HGDIOBJ SelectForCopy(CBitmap* bitmap, BITMAP& description);

  static constexpr COLORREF kNotSaved = 0xFFFFFFFF;

  CDC* m_pDC = nullptr;          // target, not owned
  CDC* m_pMemDC = nullptr;       // for bitmap transfers: made on first use, owned
  // Pens live for one DrawLine and no operation selects a brush, so the font is the only
  // object the canvas keeps selected between calls.
  HGDIOBJ m_hOldFont = nullptr;  // what was selected before the canvas selected its own
  CFont* m_pFont = nullptr;      // the canvas's own font while selected, owned
  int m_nOldBkMode = 0;          // 0: not saved
  COLORREF m_clrOldBk = kNotSaved;
  COLORREF m_clrOldText = kNotSaved;
};
