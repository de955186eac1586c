// MFC's device context wrapper. It owns the DC it created or attached and deletes it when it is
// destroyed; m_bPrinting marks a printing context (IsPrinting), which off-screen painting
// draws straight onto.
#pragma once

#include "platform/mfc/CGdiObject.h"
#include "platform/mfc/CPoint.h"
#include "platform/mfc/CRect.h"
#include "platform/mfc/CSize.h"
#include "platform/mfc/CString.h"
#include "platform/win32/WinUser.h"

class CDC {
 public:
  CDC() = default;
  virtual ~CDC();
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC m_hDC = nullptr;
  HDC m_hAttribDC = nullptr;
  BOOL m_bPrinting = FALSE;

  HDC GetSafeHdc() const { return m_hDC; }
  operator HDC() const { return m_hDC; }  // NOLINT
  BOOL Attach(HDC hdc);
  HDC Detach();
  BOOL CreateCompatibleDC(CDC* dc);
  BOOL DeleteDC();
  BOOL IsPrinting() const { return m_bPrinting; }
  static CDC* FromHandle(HDC hdc);
  static void DeleteTempMap();

  int SaveDC() { return ::SaveDC(m_hDC); }
  BOOL RestoreDC(int saved) { return ::RestoreDC(m_hDC, saved); }

  CPen* SelectObject(CPen* pen);
  CBrush* SelectObject(CBrush* brush);
  CFont* SelectObject(CFont* font);
  CBitmap* SelectObject(CBitmap* bitmap);
  CGdiObject* SelectObject(CGdiObject* object);
  CGdiObject* SelectStockObject(int index);
  int SelectClipRgn(CRgn* rgn) { return ::SelectClipRgn(m_hDC, rgn ? HRGN(*rgn) : nullptr); }
  CPen* GetCurrentPen() const;
  CBrush* GetCurrentBrush() const;
  CFont* GetCurrentFont() const;
  CBitmap* GetCurrentBitmap() const;

  COLORREF SetBkColor(COLORREF c) { return ::SetBkColor(m_hDC, c); }
  COLORREF GetBkColor() const { return ::GetBkColor(m_hDC); }
  int SetBkMode(int mode) { return ::SetBkMode(m_hDC, mode); }
  int GetBkMode() const { return ::GetBkMode(m_hDC); }
  COLORREF SetTextColor(COLORREF c) { return ::SetTextColor(m_hDC, c); }
  COLORREF GetTextColor() const { return ::GetTextColor(m_hDC); }
  int SetROP2(int rop2) { return ::SetROP2(m_hDC, rop2); }
  int GetROP2() const { return ::GetROP2(m_hDC); }
  int SetStretchBltMode(int mode) { return ::SetStretchBltMode(m_hDC, mode); }

  CPoint SetWindowOrg(int x, int y);
  CPoint SetWindowOrg(POINT p) { return SetWindowOrg(p.x, p.y); }
  CPoint GetWindowOrg() const;
  CPoint SetViewportOrg(int x, int y);
  CPoint SetViewportOrg(POINT p) { return SetViewportOrg(p.x, p.y); }
  CPoint GetViewportOrg() const;
  CPoint OffsetViewportOrg(int dx, int dy);
  void LPtoDP(LPPOINT points, int count = 1) const { ::LPtoDP(m_hDC, points, count); }
  void DPtoLP(LPPOINT points, int count = 1) const { ::DPtoLP(m_hDC, points, count); }

  int IntersectClipRect(int l, int t, int r, int b) { return ::IntersectClipRect(m_hDC, l, t, r, b); }
  int IntersectClipRect(LPCRECT r) { return IntersectClipRect(r->left, r->top, r->right, r->bottom); }
  int ExcludeClipRect(int l, int t, int r, int b) { return ::ExcludeClipRect(m_hDC, l, t, r, b); }
  int GetClipBox(LPRECT out) const { return ::GetClipBox(m_hDC, out); }
  BOOL PtVisible(int x, int y) const { return ::PtVisible(m_hDC, x, y); }
  BOOL RectVisible(LPCRECT r) const { return ::RectVisible(m_hDC, r); }

  COLORREF SetPixel(int x, int y, COLORREF c) { return ::SetPixel(m_hDC, x, y, c); }
  COLORREF SetPixel(POINT p, COLORREF c) { return ::SetPixel(m_hDC, p.x, p.y, c); }
  COLORREF GetPixel(int x, int y) const { return ::GetPixel(m_hDC, x, y); }
  COLORREF GetPixel(POINT p) const { return ::GetPixel(m_hDC, p.x, p.y); }
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
  CPoint GetCurrentPosition() const;
  BOOL LineTo(int x, int y) { return ::LineTo(m_hDC, x, y); }
  BOOL LineTo(POINT p) { return ::LineTo(m_hDC, p.x, p.y); }
  BOOL Polyline(const POINT* points, int count) { return ::Polyline(m_hDC, points, count); }
  BOOL Rectangle(int l, int t, int r, int b) { return ::Rectangle(m_hDC, l, t, r, b); }
  BOOL Rectangle(LPCRECT r) { return ::Rectangle(m_hDC, r->left, r->top, r->right, r->bottom); }
  void FillRect(LPCRECT r, CBrush* brush) { ::FillRect(m_hDC, r, brush ? HBRUSH(*brush) : nullptr); }
  void FrameRect(LPCRECT r, CBrush* brush) { ::FrameRect(m_hDC, r, brush ? HBRUSH(*brush) : nullptr); }
  void InvertRect(LPCRECT r) { ::InvertRect(m_hDC, r); }
  // As MFC does it: through the background colour, which stays set to `color` afterwards.
  void FillSolidRect(LPCRECT r, COLORREF color);
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF color);
  void Draw3dRect(LPCRECT r, COLORREF topLeft, COLORREF bottomRight);
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight);
  BOOL PatBlt(int x, int y, int cx, int cy, DWORD rop) { return ::PatBlt(m_hDC, x, y, cx, cy, rop); }
  BOOL BitBlt(int x, int y, int cx, int cy, CDC* src, int sx, int sy, DWORD rop);
  BOOL StretchBlt(int x, int y, int cx, int cy, CDC* src, int sx, int sy, int scx, int scy,
                  DWORD rop);
  BOOL TransparentBlt(int x, int y, int cx, int cy, CDC* src, int sx, int sy, int scx, int scy,
                      UINT transparent);

  int DrawText(LPCWSTR text, int count, LPRECT rect, UINT format) {
    return ::DrawTextW(m_hDC, text, count, rect, format);
  }
  int DrawText(const CString& text, LPRECT rect, UINT format) {
    return ::DrawTextW(m_hDC, text, text.GetLength(), rect, format);
  }
  BOOL TextOut(int x, int y, LPCWSTR text, int count) { return ::TextOutW(m_hDC, x, y, text, count); }
  BOOL TextOut(int x, int y, const CString& text) {
    return ::TextOutW(m_hDC, x, y, text, text.GetLength());
  }
  BOOL ExtTextOut(int x, int y, UINT options, LPCRECT rect, LPCWSTR text, UINT count,
                  const INT* dx) {
    return ::ExtTextOutW(m_hDC, x, y, options, rect, text, count, dx);
  }
  CSize GetTextExtent(LPCWSTR text, int count) const;
  CSize GetTextExtent(const CString& text) const { return GetTextExtent(text, text.GetLength()); }
  BOOL GetTextMetrics(LPTEXTMETRICW out) const { return ::GetTextMetricsW(m_hDC, out); }

 protected:
  template <class T>
  T* SelectTyped(T* object);
};
