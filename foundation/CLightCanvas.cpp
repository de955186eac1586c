#include "foundation/CLightCanvas.h"

CLightCanvas::~CLightCanvas() { Restore(); }

int CLightCanvas::SetBkMode(int mode) {
  if (!m_pDC) return 0;
  const int old = m_pDC->SetBkMode(mode);
  if (m_nOldBkMode == 0) m_nOldBkMode = old;
  return 1;
}

int CLightCanvas::SetBkColor(COLORREF color) {
  if (!m_pDC) return 0;
  const COLORREF old = m_pDC->SetBkColor(color);
  if (m_clrOldBk == kNotSaved) m_clrOldBk = old;
  return 1;
}

int CLightCanvas::SetTextColor(COLORREF color) {
  if (!m_pDC) return 0;
  const COLORREF old = m_pDC->SetTextColor(color);
  if (m_clrOldText == kNotSaved) m_clrOldText = old;
  return 1;
}

int CLightCanvas::SetFont(const LOGFONTW& logfont) {
  if (!m_pDC) return 0;
  auto* font = new CFont;
  if (!font->CreateFontIndirect(&logfont)) {
    delete font;
    return 0;
  }
  const HGDIOBJ previous = ::SelectObject(m_pDC->m_hDC, font->m_hObject);
  if (m_pFont) {
    delete m_pFont;  // our earlier font, no longer selected
  } else {
    m_hOldFont = previous;
  }
  m_pFont = font;
  return 1;
}

int CLightCanvas::FillRect(const RECT& rect, COLORREF color) {
  if (!m_pDC) return 0;
  if (color == 0xFFFFFFFF) return 1;
  // FillSolidRect leaves the background colour set to the fill; keep the caller's.
  const COLORREF bk = m_pDC->GetBkColor();
  m_pDC->FillSolidRect(&rect, color);
  m_pDC->SetBkColor(bk);
  return 1;
}

int CLightCanvas::DrawText(const wchar_t* text, LPRECT rect, UINT format, CFont* font) {
  if (!m_pDC) return 0;
  HGDIOBJ previous = font ? ::SelectObject(m_pDC->m_hDC, font->m_hObject) : nullptr;
  m_pDC->DrawText(text, -1, rect, format);
  if (previous) ::SelectObject(m_pDC->m_hDC, previous);
  return 1;
}

int CLightCanvas::DrawLine(int x1, int y1, COLORREF color, int x2, int y2) {
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

CDC* CLightCanvas::MemoryDC() {
  if (!m_pMemDC) {
    auto* dc = new CDC;
    if (!dc->CreateCompatibleDC(m_pDC)) {
      delete dc;
      return nullptr;
    }
    m_pMemDC = dc;
  }
  return m_pMemDC;
}

HGDIOBJ CLightCanvas::SelectForCopy(CBitmap* bitmap, BITMAP& description) {
  if (!m_pDC || !bitmap || !bitmap->m_hObject || !bitmap->GetBitmap(&description)) return nullptr;
  CDC* memory = MemoryDC();
  // Null too when the bitmap is selected into another context: it cannot be read from here.
  return memory ? ::SelectObject(memory->m_hDC, bitmap->m_hObject) : nullptr;
}

int CLightCanvas::DrawBitmap(int x, int y, int cx, int cy, CBitmap* bitmap) {
  BITMAP bm{};
  const HGDIOBJ previous = SelectForCopy(bitmap, bm);
  if (!previous) return 0;
  m_pDC->StretchBlt(x, y, cx, cy, m_pMemDC, 0, 0, bm.bmWidth, bm.bmHeight, SRCCOPY);
  ::SelectObject(m_pMemDC->m_hDC, previous);
  return 1;
}

int CLightCanvas::DrawBitmapKeyed(int x, int y, CBitmap* bitmap, COLORREF transparent) {
  BITMAP bm{};
  const HGDIOBJ previous = SelectForCopy(bitmap, bm);
  if (!previous) return 0;
  if (transparent == 0xFFFFFFFF)
    m_pDC->BitBlt(x, y, bm.bmWidth, bm.bmHeight, m_pMemDC, 0, 0, SRCCOPY);
  else
    m_pDC->TransparentBlt(x, y, bm.bmWidth, bm.bmHeight, m_pMemDC, 0, 0, bm.bmWidth, bm.bmHeight,
                          transparent);
  ::SelectObject(m_pMemDC->m_hDC, previous);
  return 1;
}

int CLightCanvas::Restore() {
  if (m_pDC) {
    if (m_hOldFont) ::SelectObject(m_pDC->m_hDC, m_hOldFont);
    if (m_nOldBkMode != 0) m_pDC->SetBkMode(m_nOldBkMode);
    if (m_clrOldBk != kNotSaved) m_pDC->SetBkColor(m_clrOldBk);
    if (m_clrOldText != kNotSaved) m_pDC->SetTextColor(m_clrOldText);
  }
  m_hOldFont = nullptr;
  delete m_pFont;
  m_pFont = nullptr;
  m_nOldBkMode = 0;
  m_clrOldBk = m_clrOldText = kNotSaved;
  delete m_pMemDC;
  m_pMemDC = nullptr;
  return 1;
}
