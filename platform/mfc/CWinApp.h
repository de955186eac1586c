// MFC's application object. Each module state has at most one: constructing a CWinApp makes it
// the app of the module state current at that moment (what AfxGetApp answers while that state
// is current), and destroying it withdraws it. The state must outlive the app.
#pragma once

#include <string>

#include "platform/mfc/AfxModuleState.h"

class CWinApp {
 public:
  explicit CWinApp(LPCWSTR appName = nullptr);
  virtual ~CWinApp();
  CWinApp(const CWinApp&) = delete;
  CWinApp& operator=(const CWinApp&) = delete;

  // Start-up of the application or library; FALSE aborts it.
  virtual BOOL InitInstance();
  // Shut-down; returns the exit code.
  virtual int ExitInstance();

  // The name given to the constructor, or null when none was given.
  LPCWSTR m_pszAppName = nullptr;

 private:
  std::wstring m_strAppName;  // the storage m_pszAppName points into
  AFX_MODULE_STATE* m_pModuleState = nullptr;  // the state this app belongs to
};

// The current module state's application object, or null.
CWinApp* AfxGetApp();
