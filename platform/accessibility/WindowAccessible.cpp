#include "platform/accessibility/WindowAccessible.h"

#include "platform/win32/WinUser.h"
#include "platform/window/Window.h"

namespace platform {

namespace {

class WindowFrameAccessible : public AccessibleObject {
 public:
  explicit WindowFrameAccessible(HWND hwnd) : m_hWnd(hwnd) {}

 protected:
  bool IsAlive() const override { return IsWindow(m_hWnd); }
  void Describe(AccessibleFacts& facts) const override {
    facts.role = ROLE_SYSTEM_WINDOW;
    facts.name = WindowText(m_hWnd);
    if (!IsWindowVisible(m_hWnd)) facts.state |= STATE_SYSTEM_INVISIBLE;
    if (!IsWindowEnabled(m_hWnd)) facts.state |= STATE_SYSTEM_UNAVAILABLE;
    GetWindowRect(m_hWnd, &facts.screen);
  }
  std::vector<CComPtr<IAccessible>> ChildObjects() const override {
    return {ClientObjectOf(m_hWnd)};
  }
  CComPtr<IAccessible> Parent() const override {
    const HWND parent = ::GetParent(m_hWnd);
    const HWND up = parent ? parent : (m_hWnd == GetDesktopWindow() ? nullptr : GetDesktopWindow());
    return up ? ClientObjectOf(up) : CComPtr<IAccessible>();
  }

 private:
  HWND m_hWnd;
};

CComPtr<IAccessible> ObjectOfWindow(HWND hwnd, LONG objectId) {
  CComPtr<IAccessible> object;
  AccessibleObjectFromWindow(hwnd, DWORD(objectId), IID_IAccessible,
                             reinterpret_cast<void**>(&object));
  return object;
}

}  // namespace

CComPtr<IAccessible> WindowObjectOf(HWND hwnd) { return ObjectOfWindow(hwnd, OBJID_WINDOW); }
CComPtr<IAccessible> ClientObjectOf(HWND hwnd) { return ObjectOfWindow(hwnd, OBJID_CLIENT); }

std::wstring WindowText(HWND hwnd) {
  const Window* w = FindWindowObject(hwnd);
  return w ? w->text : std::wstring();
}

bool ClientAccessible::IsAlive() const { return IsWindow(m_hWnd); }

DWORD ClientAccessible::WindowState() const {
  DWORD state = STATE_SYSTEM_FOCUSABLE;
  if (!IsWindowVisible(m_hWnd)) state |= STATE_SYSTEM_INVISIBLE;
  if (!IsWindowEnabled(m_hWnd)) state |= STATE_SYSTEM_UNAVAILABLE;
  if (GetFocus() == m_hWnd) state |= STATE_SYSTEM_FOCUSED;
  return state;
}

RECT ClientAccessible::ClientOnScreen() const {
  RECT r{};
  GetClientRect(m_hWnd, &r);
  POINT origin{0, 0};
  ClientToScreen(m_hWnd, &origin);
  OffsetRect(&r, origin.x, origin.y);
  return r;
}

void ClientAccessible::Describe(AccessibleFacts& facts) const {
  facts.role = ROLE_SYSTEM_CLIENT;
  facts.name = WindowText(m_hWnd);
  facts.state = WindowState();
  facts.screen = ClientOnScreen();
}

std::vector<CComPtr<IAccessible>> ClientAccessible::ChildObjects() const {
  std::vector<CComPtr<IAccessible>> children;
  const Window* w = FindWindowObject(m_hWnd);
  if (!w) return children;
  std::vector<HWND> handles;
  for (const Window* child : w->children) handles.push_back(child->Handle());
  for (HWND child : handles)
    if (CComPtr<IAccessible> object = WindowObjectOf(child)) children.push_back(object);
  return children;
}

CComPtr<IAccessible> ClientAccessible::Parent() const { return WindowObjectOf(m_hWnd); }

AccessibleChild ClientAccessible::Focus() const {
  const HWND focus = GetFocus();
  if (focus == m_hWnd) return {};
  const Window* self = FindWindowObject(m_hWnd);
  const Window* w = FindWindowObject(focus);
  if (!self || !w || !IsSelfOrAncestor(*self, w)) return {CHILDID_SELF, {}, true};
  while (w->parent != self) w = w->parent;
  return {CHILDID_SELF, WindowObjectOf(w->Handle()), false};
}

}  // namespace platform

using platform::ClientAccessible;

HRESULT CreateStdAccessibleObject(HWND hwnd, LONG objectId, REFIID riid, void** object) {
  if (!object) return E_INVALIDARG;
  *object = nullptr;
  if (!IsWindow(hwnd)) return E_INVALIDARG;
  CComPtr<platform::AccessibleObject> made;
  if (objectId == OBJID_CLIENT)
    made.Attach(new ClientAccessible(hwnd));
  else if (objectId == OBJID_WINDOW)
    made.Attach(new platform::WindowFrameAccessible(hwnd));
  else
    return E_INVALIDARG;
  return made->QueryInterface(riid, object);
}

