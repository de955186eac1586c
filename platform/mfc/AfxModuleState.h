// MFC's module state: which module's instance and resources the running code belongs to.
//
// Each thread has a current module state. It is the application's until a module-state guard
// switches it for the length of a scope: a library puts AFX_MANAGE_STATE(its own state) at the
// top of every call that loads its resources or creates its windows, so that resource ids
// resolve in the library even when the host program has resources with the same ids.
#pragma once

#include "platform/win32/WinDef.h"

class CWinApp;

struct AFX_MODULE_STATE {
  // A state whose instance and resources are both `module`.
  explicit AFX_MODULE_STATE(HINSTANCE module) noexcept
      : m_hCurrentInstanceHandle(module), m_hCurrentResourceHandle(module) {}
  AFX_MODULE_STATE(const AFX_MODULE_STATE&) = delete;
  AFX_MODULE_STATE& operator=(const AFX_MODULE_STATE&) = delete;

  CWinApp* m_pCurrentWinApp = nullptr;  // the CWinApp constructed while this state was current
  HINSTANCE m_hCurrentInstanceHandle = nullptr;
  HINSTANCE m_hCurrentResourceHandle = nullptr;
};

// The calling thread's current state.
AFX_MODULE_STATE* AfxGetModuleState();
// The application's state: every thread's current state outside any guard. Its handles start
// null; a program with resources of its own registers a module and passes it to
// AfxSetResourceHandle.
AFX_MODULE_STATE* AfxGetAppModuleState();
HINSTANCE AfxGetInstanceHandle();
HINSTANCE AfxGetResourceHandle();
// Sets the current state's resource module.
void AfxSetResourceHandle(HINSTANCE resources);
// The module to load a resource from: the current state's resource module when it has the
// resource, else the application's when that has it, else the current one (where the load then
// fails).
HINSTANCE AfxFindResourceHandle(LPCWSTR name, LPCWSTR type);

// Makes `state` the current one until the guard goes out of scope, then restores whatever was
// current before. A null state leaves the current one in place.
class AFX_MAINTAIN_STATE2 {
 public:
  explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* state) noexcept;
  ~AFX_MAINTAIN_STATE2();
  AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
  AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

 private:
  AFX_MODULE_STATE* m_pPrevModuleState = nullptr;
};

#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p)
