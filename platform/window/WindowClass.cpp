#include "platform/window/WindowClass.h"

#include <algorithm>
#include <cwctype>

#include "platform/controls/StandardClasses.h"
#include "platform/window/Window.h"

namespace platform {

namespace {

bool SameName(const std::wstring& a, LPCWSTR b) {
  std::size_t i = 0;
  for (; b[i]; ++i)
    if (i >= a.size() || std::towlower(a[i]) != std::towlower(b[i])) return false;
  return i == a.size();
}

}  // namespace

ATOM ClassRegistry::Register(const WNDCLASSEXW& wc) {
  if (wc.cbSize != sizeof(WNDCLASSEXW) || !wc.lpszClassName || IS_INTRESOURCE(wc.lpszClassName) ||
      !wc.lpszClassName[0] || wc.cbWndExtra < 0 || wc.cbClsExtra < 0) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if (Find(wc.lpszClassName)) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  if (m_nextAtom == 0xFFFF) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return 0;
  }
  auto c = std::make_unique<WindowClass>();
  c->name = wc.lpszClassName;
  c->atom = m_nextAtom++;
  c->style = wc.style;
  c->proc = wc.lpfnWndProc;
  c->windowExtraBytes = wc.cbWndExtra;
  c->instance = wc.hInstance;
  c->cursor = wc.hCursor;
  c->background = wc.hbrBackground;
  m_classes.push_back(std::move(c));
  return m_classes.back()->atom;
}

bool ClassRegistry::Unregister(LPCWSTR nameOrAtom) {
  WindowClass* c = Find(nameOrAtom);
  if (!c) {
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return false;
  }
  if (c->liveWindows > 0) {
    SetLastError(ERROR_CLASS_HAS_WINDOWS);
    return false;
  }
  std::erase_if(m_classes, [c](const auto& owned) { return owned.get() == c; });
  return true;
}

WindowClass* ClassRegistry::Find(LPCWSTR nameOrAtom) const {
  if (!nameOrAtom) return nullptr;
  const bool byAtom = IS_INTRESOURCE(nameOrAtom);
  const auto atom = static_cast<ATOM>(reinterpret_cast<ULONG_PTR>(nameOrAtom));
  for (const auto& c : m_classes)
    if (byAtom ? c->atom == atom : SameName(c->name, nameOrAtom)) return c.get();
  return nullptr;
}

ClassRegistry& Classes() {
  // Never destroyed: windows are destroyed during static destruction too (a screen in a
  // global), and each one reaches its class.
  static ClassRegistry* const registry = [] {
    auto* standard = new ClassRegistry;
    RegisterStandardClasses(*standard);
    return standard;
  }();
  return *registry;
}

}  // namespace platform

using namespace platform;

ATOM RegisterClassExW(const WNDCLASSEXW* wc) {
  if (!wc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  return Classes().Register(*wc);
}

ATOM RegisterClassW(const WNDCLASSW* wc) {
  if (!wc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const WNDCLASSEXW ex{sizeof(WNDCLASSEXW), wc->style, wc->lpfnWndProc, wc->cbClsExtra,
                       wc->cbWndExtra, wc->hInstance, wc->hIcon, wc->hCursor, wc->hbrBackground,
                       wc->lpszMenuName, wc->lpszClassName, nullptr};
  return Classes().Register(ex);
}

BOOL UnregisterClassW(LPCWSTR className, HINSTANCE) { return Classes().Unregister(className); }

BOOL GetClassInfoExW(HINSTANCE, LPCWSTR className, WNDCLASSEXW* out) {
  const WindowClass* c = Classes().Find(className);
  if (!c || !out) {
    SetLastError(c ? ERROR_INVALID_PARAMETER : ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
  }
  *out = {sizeof(WNDCLASSEXW), c->style, c->proc, 0, c->windowExtraBytes, c->instance, nullptr,
          c->cursor, c->background, nullptr, c->name.c_str(), nullptr};
  return c->atom;
}

int GetClassNameW(HWND hwnd, LPWSTR out, int capacity) {
  const Window* w = FindWindowObject(hwnd);
  if (!w || !out || capacity <= 0) return 0;
  const std::wstring& name = w->windowClass->name;
  const int n = std::min<int>(static_cast<int>(name.size()), capacity - 1);
  std::copy_n(name.begin(), n, out);
  out[n] = L'\0';
  return n;
}
