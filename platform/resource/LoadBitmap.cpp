#include "platform/gdi/GdiObjects.h"
#include "platform/gdi/PackedDib.h"
#include "platform/win32/WinRes.h"

using namespace platform;

HBITMAP LoadBitmapW(HINSTANCE module, LPCWSTR name) {
  HRSRC resource = FindResourceW(module, name, RT_BITMAP);
  if (!resource) return nullptr;
  const void* dib = LockResource(LoadResource(module, resource));
  auto bitmap = std::make_unique<GdiBitmap>();
  if (!DecodePackedDib(dib, SizeofResource(module, resource), bitmap->surface)) return nullptr;
  return Register<GdiBitmap, HBITMAP>(std::move(bitmap));
}
