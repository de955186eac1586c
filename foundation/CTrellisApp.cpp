// The app object and the module state live in this one file, so that the order in which they
// are made at load time (state, then app, then its start-up) is the order they are written in.
#include "foundation/CTrellisApp.h"

#include "resources/TrellisResourceModule.h"

AFX_MODULE_STATE* AfxGetStaticModuleState() {
  // Made on first use: the app below needs it while static constructors are still running.
  static AFX_MODULE_STATE state(TrellisResourceModule());
  return &state;
}

BOOL CTrellisApp::InitInstance() {
  CWinApp::InitInstance();
  return TRUE;
}

// A CWinApp joins the module state that is current while it is constructed. At load time that
// is the host program's, so the library's state is made current around the construction; the
// returned object is built in place (no copy), inside the guard's scope.
CTrellisApp theTrellisApp = [] {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  return CTrellisApp();
}();

namespace {

// Starts the app when the library is loaded and ends it when it is unloaded, in the library's
// state, as the entry point of a library does on the platform.
struct AppLifetime {
  AppLifetime() {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    theTrellisApp.InitInstance();
  }
  ~AppLifetime() {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    theTrellisApp.ExitInstance();
  }
};
const AppLifetime s_appLifetime;

}  // namespace
