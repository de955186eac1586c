// MFC's GDI object wrappers: each owns the handle it created or attached and deletes it when it
// is destroyed. FromHandle gives the permanent wrapper of an attached handle, or else a
// temporary one that lives until the temporary map is emptied (the message loop does that when
// it is idle, as MFC does).
#pragma once

#include "platform/mfc/CSize.h"
#include "platform/win32/WinGdi.h"

class CDC;

class CGdiObject {
 public:
  CGdiObject() = default;
  virtual ~CGdiObject();
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ m_hObject = nullptr;

  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  operator HGDIOBJ() const { return m_hObject; }  // NOLINT
  BOOL Attach(HGDIOBJ h);
  HGDIOBJ Detach();
  BOOL DeleteObject();
  int GetObject(int size, LPVOID out) const { return ::GetObjectW(m_hObject, size, out); }
  UINT GetObjectType() const { return UINT(::GetObjectType(m_hObject)); }

  static CGdiObject* FromHandle(HGDIOBJ h);
  static void DeleteTempMap();
};

class CPen : public CGdiObject {
 public:
  CPen() = default;
  CPen(int style, int width, COLORREF color) { CreatePen(style, width, color); }
  BOOL CreatePen(int style, int width, COLORREF color) {
    return Attach(::CreatePen(style, width, color));
  }
  operator HPEN() const { return static_cast<HPEN>(m_hObject); }  // NOLINT
  static CPen* FromHandle(HPEN h) { return static_cast<CPen*>(CGdiObject::FromHandle(h)); }
};

class CBrush : public CGdiObject {
 public:
  CBrush() = default;
  explicit CBrush(COLORREF color) { CreateSolidBrush(color); }
  BOOL CreateSolidBrush(COLORREF color) { return Attach(::CreateSolidBrush(color)); }
  operator HBRUSH() const { return static_cast<HBRUSH>(m_hObject); }  // NOLINT
  static CBrush* FromHandle(HBRUSH h) { return static_cast<CBrush*>(CGdiObject::FromHandle(h)); }
};

class CFont : public CGdiObject {
 public:
  BOOL CreateFontIndirect(const LOGFONTW* lf) { return Attach(::CreateFontIndirectW(lf)); }
  int GetLogFont(LOGFONTW* out) const { return GetObject(sizeof(LOGFONTW), out); }
  operator HFONT() const { return static_cast<HFONT>(m_hObject); }  // NOLINT
  static CFont* FromHandle(HFONT h) { return static_cast<CFont*>(CGdiObject::FromHandle(h)); }
};

class CBitmap : public CGdiObject {
 public:
  BOOL CreateCompatibleBitmap(CDC* dc, int cx, int cy);
  BOOL CreateBitmap(int cx, int cy, UINT planes, UINT bitsPerPixel, const void* bits) {
    return Attach(::CreateBitmap(cx, cy, planes, bitsPerPixel, bits));
  }
  BOOL CreateBitmapIndirect(const BITMAP* bm) { return Attach(::CreateBitmapIndirect(bm)); }
  // Loads a bitmap resource from the module that AfxFindResourceHandle names.
  BOOL LoadBitmap(UINT id);
  BOOL LoadBitmap(LPCWSTR name);
  int GetBitmap(BITMAP* out) const { return GetObject(sizeof(BITMAP), out); }
  /// The size recorded with SetBitmapDimension, in 0.1 mm (0 x 0 until set); GetBitmap gives
  /// the size in pixels.
  CSize GetBitmapDimension() const;
  /// Records a size with the bitmap; answers the one recorded before.
  CSize SetBitmapDimension(int width, int height);
  operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }  // NOLINT
  static CBitmap* FromHandle(HBITMAP h) { return static_cast<CBitmap*>(CGdiObject::FromHandle(h)); }
};

class CRgn : public CGdiObject {
 public:
  BOOL CreateRectRgn(int l, int t, int r, int b) { return Attach(::CreateRectRgn(l, t, r, b)); }
  BOOL CreateRectRgnIndirect(const RECT* r) { return Attach(::CreateRectRgnIndirect(r)); }
  int GetRgnBox(LPRECT out) const { return ::GetRgnBox(static_cast<HRGN>(m_hObject), out); }
  operator HRGN() const { return static_cast<HRGN>(m_hObject); }  // NOLINT
};
