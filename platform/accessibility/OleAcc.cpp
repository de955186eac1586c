// The platform's ways to an accessible object: from a window, from an event, and across
// WM_GETOBJECT.
#include "platform/accessibility/OleAcc.h"

#include "platform/com/CComPtr.h"
#include "platform/win32/WinUser.h"
#include "platform/window/Desktop.h"

HRESULT AccessibleObjectFromWindow(HWND hwnd, DWORD objectId, REFIID riid, void** object) {
  if (!object) return E_INVALIDARG;
  *object = nullptr;
  if (!IsWindow(hwnd)) return E_INVALIDARG;
  const LRESULT answer = SendMessageW(hwnd, WM_GETOBJECT, 0, LPARAM(LONG(objectId)));
  if (answer > 0) return ObjectFromLresult(answer, riid, 0, object);
  return CreateStdAccessibleObject(hwnd, LONG(objectId), riid, object);
}

HRESULT AccessibleObjectFromEvent(HWND hwnd, DWORD objectId, DWORD childId,
                                  IAccessible** object, VARIANT* child) {
  if (!object || !child) return E_INVALIDARG;
  *object = nullptr;
  VariantInit(child);
  CComPtr<IAccessible> parent;
  if (HRESULT hr = AccessibleObjectFromWindow(hwnd, objectId, IID_IAccessible,
                                              reinterpret_cast<void**>(&parent));
      FAILED(hr))
    return hr;
  child->vt = VT_I4;
  child->lVal = LONG(childId);
  if (LONG(childId) == CHILDID_SELF) {
    *object = parent.Detach();
    return S_OK;
  }
  IDispatch* own = nullptr;
  const HRESULT hr = parent->get_accChild(*child, &own);
  if (FAILED(hr)) return hr;
  if (!own) {  // a simple child: the parent answers for it
    *object = parent.Detach();
    return S_OK;
  }
  child->lVal = CHILDID_SELF;
  const HRESULT asked = own->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(object));
  own->Release();
  return asked;
}

LRESULT LresultFromObject(REFIID riid, WPARAM, IUnknown* object) {
  if (!object) return LRESULT(E_INVALIDARG);
  // The token holds the interface asked for, as the platform marshals that one.
  IUnknown* asked = nullptr;
  if (FAILED(object->QueryInterface(riid, reinterpret_cast<void**>(&asked))))
    return LRESULT(E_NOINTERFACE);
  CComPtr<IUnknown> held;
  held.Attach(asked);
  return platform::Desktop::Current().accessibleObjects.Issue(held);
}

HRESULT ObjectFromLresult(LRESULT result, REFIID riid, WPARAM, void** object) {
  if (!object) return E_INVALIDARG;
  *object = nullptr;
  CComPtr<IUnknown> held = platform::Desktop::Current().accessibleObjects.Redeem(result);
  if (!held) return E_INVALIDARG;
  return held->QueryInterface(riid, object);
}
