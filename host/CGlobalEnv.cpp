#include "host/CGlobalEnv.h"

#include "host/CPngBitmapFactory.h"
#include "host/CThemePalette.h"
#include "host/ThemeFiles.h"
#include "platform/win32/WinInput.h"

namespace {

// The process-wide environment. It is deliberately not torn down by static destruction at exit:
// its fonts and bitmaps are GDI objects, and the GDI tables may be gone by then. Tests and hosts
// end it with ResetGlobalEnv or SetGlobalEnv.
struct GlobalEnvSlot {
  CGlobalEnv* pEnv = nullptr;  // holds one reference when set
  bool bChosen = false;        // false until the first default is made or a host sets one
};
GlobalEnvSlot g_slot;

void Replace(CGlobalEnv* env, bool chosen) {
  if (env) env->AddRef();
  CGlobalEnv* old = g_slot.pEnv;
  g_slot.pEnv = env;
  g_slot.bChosen = chosen;
  // Last: releasing may run destructors that look at the environment.
  if (old) old->Release();
}

}  // namespace

CComPtr<CGlobalEnv> CGlobalEnv::GetGlobalEnv() {
  if (!g_slot.bChosen) Replace(MakeDefault(), true);
  return g_slot.pEnv;
}

void CGlobalEnv::SetGlobalEnv(CGlobalEnv* env) { Replace(env, true); }

void CGlobalEnv::ResetGlobalEnv() { Replace(nullptr, false); }

bool CGlobalEnv::KeyboardOperation() {
  const CComPtr<CGlobalEnv> env = GetGlobalEnv();
  return env && env->GetKeyboardOperation();
}

bool CGlobalEnv::IsPressKey(UINT vk) { return vk == VK_SPACE || vk == VK_RETURN; }

bool CGlobalEnv::IsOpenKey(UINT vk) {
  return vk == VK_F4 || (vk == VK_DOWN && ::GetKeyState(VK_MENU) < 0);
}

LPARAM CGlobalEnv::PackageToLParam(CUnknown* package) {
  m_pLastPackage = package;
  return reinterpret_cast<LPARAM>(package);
}

CUnknown* CGlobalEnv::PackageFromLParam(LPARAM lParam) {
  return reinterpret_cast<CUnknown*>(lParam);
}

CComPtr<CGlobalEnv> CGlobalEnv::MakeDefault() {
  CComPtr<CGlobalEnv> env(new CGlobalEnv);
  const std::filesystem::path file = FindThemeFile(L"default");
  CComPtr<CThemePalette> palette(new CThemePalette);
  // Without its theme the environment has no palette at all, which every control handles,
  // rather than an empty one that would look like a theme of black.
  if (!file.empty() && !palette->LoadFile(file)) env->SetPalette(palette);
  env->SetBitmapFactory(new CPngBitmapFactory);
  return env;
}
