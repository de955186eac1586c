#include "host/ThemeLookup.h"

#include "host/CGlobalEnv.h"
#include "host/CThemePalette.h"

namespace {

// The environment's palette when it is a theme palette, with a reference of the caller's own,
// so the lookup is safe even if the environment changes palettes meanwhile.
CComPtr<CThemePalette> CurrentPalette() {
  CComPtr<CThemePalette> palette;
  if (CComPtr<CGlobalEnv> env = CGlobalEnv::GetGlobalEnv()) {
    if (IUnknown* unknown = env->GetPalette()) palette = dynamic_cast<CThemePalette*>(unknown);
  }
  return palette;
}

}  // namespace

COLORREF ThemeColor(const wchar_t* key) {
  if (!key || !*key) return 0;
  const CComPtr<CThemePalette> palette = CurrentPalette();
  return palette ? palette->GetColor(key) : 0;
}
