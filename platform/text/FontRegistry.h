// Font instances, shared by every GDI font of the same description. Instances live as long as the
// process: paint code usually creates and deletes the same font on every paint, and its glyphs
// must not be rasterised again each time. A program uses a handful of descriptions, so the
// registry stays small.
#pragma once

#include <memory>

#include "platform/gdi/DeviceContext.h"
#include "platform/text/FontInstance.h"

namespace platform::text {

std::shared_ptr<FontInstance> SharedInstance(const LOGFONTW& lf);
// The instance behind a GDI font, found on first use (stock fonts are made without one).
FontInstance& InstanceOf(GdiFont& font);
// The font selected into a DC; a DC without one measures and draws with the system font.
FontInstance& SelectedFont(const DeviceContext& dc);

}  // namespace platform::text
