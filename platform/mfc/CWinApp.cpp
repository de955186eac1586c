#include "platform/mfc/CWinApp.h"

CWinApp::CWinApp(LPCWSTR appName) : m_pModuleState(AfxGetModuleState()) {
  if (appName) {
    m_strAppName = appName;
    m_pszAppName = m_strAppName.c_str();
  }
  m_pModuleState->m_pCurrentWinApp = this;
}

CWinApp::~CWinApp() {
  if (m_pModuleState->m_pCurrentWinApp == this) m_pModuleState->m_pCurrentWinApp = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return 0; }

CWinApp* AfxGetApp() { return AfxGetModuleState()->m_pCurrentWinApp; }
