// The platform's standard objects of a window: the window itself (OBJID_WINDOW: its frame,
// with the client object as its one child) and its client area (OBJID_CLIENT: named by the
// window text, with the child windows as children). A window class that describes more of
// itself derives its client object from ClientAccessible and answers WM_GETOBJECT with it.
#pragma once

#include "platform/accessibility/AccessibleObject.h"

namespace platform {

// The window object of `hwnd`, asked of the window (WM_GETOBJECT) first.
CComPtr<IAccessible> WindowObjectOf(HWND hwnd);
// The client object of `hwnd`, asked of the window first.
CComPtr<IAccessible> ClientObjectOf(HWND hwnd);
// The window's text, as a client object's name.
std::wstring WindowText(HWND hwnd);

class ClientAccessible : public AccessibleObject {
 public:
  explicit ClientAccessible(HWND hwnd) : m_hWnd(hwnd) {}

 protected:
  HWND Hwnd() const { return m_hWnd; }
  bool IsAlive() const override;
  // Role ROLE_SYSTEM_CLIENT, the window's text, visible, enabled and focus states, and the
  // client area on the screen.
  void Describe(AccessibleFacts& facts) const override;
  // The child windows' window objects, top of the z-order first.
  std::vector<CComPtr<IAccessible>> ChildObjects() const override;
  CComPtr<IAccessible> Parent() const override;
  // This object when its window has the keyboard focus, the child window's object holding the
  // focus when one does.
  AccessibleChild Focus() const override;
  // The focus and visibility states of the window (FOCUSED, FOCUSABLE, INVISIBLE, UNAVAILABLE).
  DWORD WindowState() const;
  // The client area in screen coordinates.
  RECT ClientOnScreen() const;

 private:
  HWND m_hWnd;
};

}  // namespace platform

namespace platform {

// A window's answer to WM_GETOBJECT when it describes its client area itself with an `Object`
// made from its handle; 0 for the other object ids, which the platform's standard objects
// answer.
template <class Object>
LRESULT AnswerClientObject(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (LONG(lParam) != OBJID_CLIENT) return 0;
  CComPtr<AccessibleObject> object;
  object.Attach(new Object(hwnd));
  return LresultFromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(object.p));
}

}  // namespace platform
