#include "platform/mfc/CDC.h"

#include "platform/mfc/TempHandleMap.h"

namespace {

// Never destroyed, like the window map: a CDC with static storage detaches itself at exit.
TempHandleMap<CDC>& DcMap() {
  static auto* const map = new TempHandleMap<CDC>(
      [](void* h) {
        auto dc = std::make_unique<CDC>();
        dc->m_hDC = dc->m_hAttribDC = static_cast<HDC>(h);
        return dc;
      },
      [](CDC& dc) { dc.m_hDC = dc.m_hAttribDC = nullptr; },
      [](void* h) { return ::GetObjectType(reinterpret_cast<HGDIOBJ>(h)) != 0; });
  return *map;
}

}  // namespace

CDC::~CDC() {
  if (m_hDC) ::DeleteDC(Detach());
}

BOOL CDC::Attach(HDC hdc) {
  if (!hdc || m_hDC) return FALSE;
  m_hDC = m_hAttribDC = hdc;
  DcMap().SetPermanent(hdc, this);
  return TRUE;
}

HDC CDC::Detach() {
  HDC hdc = m_hDC;
  if (hdc) DcMap().RemovePermanent(hdc);
  m_hDC = m_hAttribDC = nullptr;
  return hdc;
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
  return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
  if (!m_hDC) return FALSE;
  return ::DeleteDC(Detach());
}

CDC* CDC::FromHandle(HDC hdc) { return DcMap().FromHandle(hdc); }
void CDC::DeleteTempMap() { DcMap().DeleteTemps(); }

template <class T>
T* CDC::SelectTyped(T* object) {
  if (!object) return nullptr;
  HGDIOBJ old = ::SelectObject(m_hDC, object->m_hObject);
  return static_cast<T*>(CGdiObject::FromHandle(old));
}

CPen* CDC::SelectObject(CPen* pen) { return SelectTyped(pen); }
CBrush* CDC::SelectObject(CBrush* brush) { return SelectTyped(brush); }
CFont* CDC::SelectObject(CFont* font) { return SelectTyped(font); }
CBitmap* CDC::SelectObject(CBitmap* bitmap) { return SelectTyped(bitmap); }
CGdiObject* CDC::SelectObject(CGdiObject* object) { return SelectTyped(object); }

CGdiObject* CDC::SelectStockObject(int index) {
  return CGdiObject::FromHandle(::SelectObject(m_hDC, ::GetStockObject(index)));
}

CPen* CDC::GetCurrentPen() const {
  return static_cast<CPen*>(CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_PEN)));
}
CBrush* CDC::GetCurrentBrush() const {
  return static_cast<CBrush*>(CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_BRUSH)));
}
CFont* CDC::GetCurrentFont() const {
  return static_cast<CFont*>(CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_FONT)));
}
CBitmap* CDC::GetCurrentBitmap() const {
  return static_cast<CBitmap*>(CGdiObject::FromHandle(::GetCurrentObject(m_hDC, OBJ_BITMAP)));
}

CPoint CDC::SetWindowOrg(int x, int y) {
  POINT old{0, 0};
  ::SetWindowOrgEx(m_hDC, x, y, &old);
  return old;
}
CPoint CDC::GetWindowOrg() const {
  POINT p{0, 0};
  ::GetWindowOrgEx(m_hDC, &p);
  return p;
}
CPoint CDC::SetViewportOrg(int x, int y) {
  POINT old{0, 0};
  ::SetViewportOrgEx(m_hDC, x, y, &old);
  return old;
}
CPoint CDC::GetViewportOrg() const {
  POINT p{0, 0};
  ::GetViewportOrgEx(m_hDC, &p);
  return p;
}
CPoint CDC::OffsetViewportOrg(int dx, int dy) {
  POINT old{0, 0};
  ::OffsetViewportOrgEx(m_hDC, dx, dy, &old);
  return old;
}

CPoint CDC::MoveTo(int x, int y) {
  POINT old{0, 0};
  ::MoveToEx(m_hDC, x, y, &old);
  return old;
}
CPoint CDC::GetCurrentPosition() const {
  POINT p{0, 0};
  ::GetCurrentPositionEx(m_hDC, &p);
  return p;
}

void CDC::FillSolidRect(LPCRECT r, COLORREF color) {
  ::SetBkColor(m_hDC, color);
  ::ExtTextOutW(m_hDC, 0, 0, ETO_OPAQUE, r, nullptr, 0, nullptr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF color) {
  const RECT r{x, y, x + cx, y + cy};
  FillSolidRect(&r, color);
}

void CDC::Draw3dRect(LPCRECT r, COLORREF topLeft, COLORREF bottomRight) {
  Draw3dRect(r->left, r->top, r->right - r->left, r->bottom - r->top, topLeft, bottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF topLeft, COLORREF bottomRight) {
  FillSolidRect(x, y, cx - 1, 1, topLeft);
  FillSolidRect(x, y, 1, cy - 1, topLeft);
  FillSolidRect(x + cx, y, -1, cy, bottomRight);
  FillSolidRect(x, y + cy, cx, -1, bottomRight);
}

BOOL CDC::BitBlt(int x, int y, int cx, int cy, CDC* src, int sx, int sy, DWORD rop) {
  return ::BitBlt(m_hDC, x, y, cx, cy, src ? src->m_hDC : nullptr, sx, sy, rop);
}

BOOL CDC::StretchBlt(int x, int y, int cx, int cy, CDC* src, int sx, int sy, int scx, int scy,
                     DWORD rop) {
  return ::StretchBlt(m_hDC, x, y, cx, cy, src ? src->m_hDC : nullptr, sx, sy, scx, scy, rop);
}

BOOL CDC::TransparentBlt(int x, int y, int cx, int cy, CDC* src, int sx, int sy, int scx, int scy,
                         UINT transparent) {
  return ::TransparentBlt(m_hDC, x, y, cx, cy, src ? src->m_hDC : nullptr, sx, sy, scx, scy,
                          transparent);
}

CSize CDC::GetTextExtent(LPCWSTR text, int count) const {
  SIZE size{0, 0};
  ::GetTextExtentPoint32W(m_hDC, text, count, &size);
  return size;
}
