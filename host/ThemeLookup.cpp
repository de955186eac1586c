#include "host/ThemeLookup.h"

#include "host/CGlobalEnv.h"
#include "host/CThemePalette.h"

namespace {

// The lookup rule, once for every kind: Result{} (0, null or nothing) whenever there is no key or
// no theme palette. The palette is held by a reference of the lookup's own, so it stays alive
// for the call even if the environment changes palettes meanwhile.
template <class Result>
Result Lookup(const wchar_t* key, Result (CThemePalette::*get)(const wchar_t*) const) {
  if (!key || !*key) return Result{};
  CComPtr<CThemePalette> palette = ThemePalette();
  return palette ? (palette->*get)(key) : Result{};
}

}  // namespace

CComPtr<CThemePalette> ThemePalette() {
  CComPtr<CThemePalette> palette;
  if (CComPtr<CGlobalEnv> env = CGlobalEnv::GetGlobalEnv()) {
    if (IUnknown* unknown = env->GetPalette()) palette = dynamic_cast<CThemePalette*>(unknown);
  }
  return palette;
}

COLORREF ThemeColor(const wchar_t* key) { return Lookup(key, &CThemePalette::GetColor); }

std::optional<COLORREF> DefinedThemeColor(const wchar_t* key) {
  return Lookup(key, &CThemePalette::FindColor);
}

CFont* ThemeFont(const wchar_t* key) { return Lookup(key, &CThemePalette::GetFont); }

CBitmap* ThemeBitmap(const wchar_t* key) { return Lookup(key, &CThemePalette::GetBitmap); }
