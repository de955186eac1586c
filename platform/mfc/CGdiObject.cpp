#include "platform/mfc/CGdiObject.h"

#include "platform/mfc/AfxModuleState.h"
#include "platform/mfc/CDC.h"
#include "platform/mfc/TempHandleMap.h"
#include "platform/win32/WinRes.h"

namespace {

// Never destroyed, like the window map: a CFont or CBrush with static storage (a theme's, an
// application's) deletes its object and leaves the map at exit, in no particular order.
TempHandleMap<CGdiObject>& GdiMap() {
  static auto* const map = new TempHandleMap<CGdiObject>(
      [](void* h) -> std::unique_ptr<CGdiObject> {
        std::unique_ptr<CGdiObject> w;
        // A temporary wrapper of the handle's own kind, so the typed FromHandle casts are sound.
        switch (::GetObjectType(static_cast<HGDIOBJ>(h))) {
          case OBJ_PEN: w = std::make_unique<CPen>(); break;
          case OBJ_BRUSH: w = std::make_unique<CBrush>(); break;
          case OBJ_FONT: w = std::make_unique<CFont>(); break;
          case OBJ_BITMAP: w = std::make_unique<CBitmap>(); break;
          case OBJ_REGION: w = std::make_unique<CRgn>(); break;
          default: w = std::make_unique<CGdiObject>(); break;
        }
        w->m_hObject = static_cast<HGDIOBJ>(h);
        return w;
      },
      [](CGdiObject& w) { w.m_hObject = nullptr; },
      [](void* h) { return ::GetObjectType(static_cast<HGDIOBJ>(h)) != 0; });
  return *map;
}

}  // namespace

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::Attach(HGDIOBJ h) {
  if (!h || m_hObject) return FALSE;
  m_hObject = h;
  GdiMap().SetPermanent(h, this);
  return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
  HGDIOBJ h = m_hObject;
  if (h) GdiMap().RemovePermanent(h);
  m_hObject = nullptr;
  return h;
}

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  return ::DeleteObject(Detach());
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ h) { return GdiMap().FromHandle(h); }

void CGdiObject::DeleteTempMap() { GdiMap().DeleteTemps(); }

BOOL CBitmap::CreateCompatibleBitmap(CDC* dc, int cx, int cy) {
  return Attach(::CreateCompatibleBitmap(dc ? dc->GetSafeHdc() : nullptr, cx, cy));
}

BOOL CBitmap::LoadBitmap(UINT id) { return LoadBitmap(MAKEINTRESOURCEW(id)); }

BOOL CBitmap::LoadBitmap(LPCWSTR name) {
  // Refused before loading, so a bitmap this object cannot take is never made and leaked.
  if (m_hObject) return FALSE;
  return Attach(::LoadBitmapW(AfxFindResourceHandle(name, RT_BITMAP), name));
}

CSize CBitmap::GetBitmapDimension() const {
  SIZE size{};
  if (!::GetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), &size)) return {0, 0};
  return size;
}

CSize CBitmap::SetBitmapDimension(int width, int height) {
  SIZE old{};
  ::SetBitmapDimensionEx(static_cast<HBITMAP>(m_hObject), width, height, &old);
  return old;
}
