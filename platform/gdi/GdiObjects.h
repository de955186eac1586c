// The platform objects behind GDI handles.
#pragma once

#include <memory>

#include "platform/gdi/HandleTable.h"
#include "platform/gdi/Surface.h"
#include "platform/win32/WinGdi.h"

namespace platform {

namespace text {
class FontInstance;
}

struct GdiObject : PlatformObject {
  using PlatformObject::PlatformObject;
  int selections = 0;  // device contexts that have it selected; it cannot be deleted before 0
};

struct GdiBitmap : GdiObject {
  static constexpr ObjectKind kKind = ObjectKind::Bitmap;
  GdiBitmap() : GdiObject(kKind) {}
  Surface surface;
  SIZE dimension{};  // SetBitmapDimensionEx's record
};

struct GdiPen : GdiObject {
  static constexpr ObjectKind kKind = ObjectKind::Pen;
  GdiPen() : GdiObject(kKind) {}
  int style = PS_SOLID;
  int width = 1;
  COLORREF color = 0;
};

struct GdiBrush : GdiObject {
  static constexpr ObjectKind kKind = ObjectKind::Brush;
  GdiBrush() : GdiObject(kKind) {}
  int style = BS_SOLID;
  COLORREF color = 0;
};

struct GdiFont : GdiObject {
  static constexpr ObjectKind kKind = ObjectKind::Font;
  GdiFont() : GdiObject(kKind) {}
  LOGFONTW logfont{};
  std::shared_ptr<text::FontInstance> instance;  // shared by every font of the same description
};

struct GdiRegion : GdiObject {
  static constexpr ObjectKind kKind = ObjectKind::Region;
  GdiRegion() : GdiObject(kKind) {}
  RECT rect{};  // rectangular regions only; empty when right <= left or bottom <= top
};

// The stock objects, made on first use and never deleted.
GdiObject* StockObject(int index);

}  // namespace platform
