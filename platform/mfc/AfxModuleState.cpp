#include "platform/mfc/AfxModuleState.h"

#include "platform/win32/WinRes.h"

namespace {

// Null stands for the application's state, so a thread needs no setting up before its first
// use, and a guard restores "no switch" exactly.
thread_local AFX_MODULE_STATE* t_currentState = nullptr;

}  // namespace

AFX_MODULE_STATE* AfxGetAppModuleState() {
  static AFX_MODULE_STATE state(nullptr);
  return &state;
}

AFX_MODULE_STATE* AfxGetModuleState() {
  return t_currentState ? t_currentState : AfxGetAppModuleState();
}

HINSTANCE AfxGetInstanceHandle() { return AfxGetModuleState()->m_hCurrentInstanceHandle; }

HINSTANCE AfxGetResourceHandle() { return AfxGetModuleState()->m_hCurrentResourceHandle; }

void AfxSetResourceHandle(HINSTANCE resources) {
  AfxGetModuleState()->m_hCurrentResourceHandle = resources;
}

HINSTANCE AfxFindResourceHandle(LPCWSTR name, LPCWSTR type) {
  HINSTANCE current = AfxGetResourceHandle();
  if (FindResourceW(current, name, type)) return current;
  HINSTANCE app = AfxGetAppModuleState()->m_hCurrentResourceHandle;
  if (app != current && FindResourceW(app, name, type)) return app;
  return current;
}

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* state) noexcept
    : m_pPrevModuleState(t_currentState) {
  if (state) t_currentState = state;
}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2() { t_currentState = m_pPrevModuleState; }
