#include "platform/text/FontRegistry.h"

#include <unordered_map>

namespace platform::text {

namespace {

using Registry =
    std::unordered_map<FontDescription, std::shared_ptr<FontInstance>, FontDescriptionHash>;

// Never destroyed, for the same reason as the font configuration: stock fonts keep instances
// until the very end.
Registry& Instances() {
  static Registry* const registry = new Registry();
  return *registry;
}

}  // namespace

std::shared_ptr<FontInstance> SharedInstance(const LOGFONTW& lf) {
  FontDescription description = FontDescription::FromLogFont(lf);
  Registry& registry = Instances();
  auto found = registry.find(description);
  if (found != registry.end()) return found->second;
  auto instance = std::make_shared<FontInstance>(description);
  registry.emplace(std::move(description), instance);
  return instance;
}

FontInstance& InstanceOf(GdiFont& font) {
  if (!font.instance) font.instance = SharedInstance(font.logfont);
  return *font.instance;
}

FontInstance& SelectedFont(const DeviceContext& dc) {
  GdiFont* font = dc.state.font;
  if (!font) font = static_cast<GdiFont*>(StockObject(SYSTEM_FONT));
  return InstanceOf(*font);
}

}  // namespace platform::text
