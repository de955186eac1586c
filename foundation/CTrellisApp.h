/// @class CTrellisApp
/// The library's module object and its module state.
///
/// Library code that loads the library's own bitmaps or creates its windows starts with
/// @code{.unparsed}
///  AFX_MANAGE_STATE(AfxGetStaticModuleState());
/// @endcode
/// so that resource ids resolve in the library's module for the rest of the scope, even when the
/// host program has resources with the same ids.
#pragma once

/// @file
/// The library's module object and the guard that makes its module state current.

#include "platform/mfc/CWinApp.h"

class CTrellisApp : public CWinApp {
 public:
  /// The library has nothing to set up beyond the application's own; returns TRUE.
  BOOL InitInstance() override;
};

/// The one instance, constructed when the library is loaded; it is the app of the library's
/// module state, so AfxGetApp() answers it inside the guard above.
extern CTrellisApp theTrellisApp;

/// The library's module state: its instance and resource handles are the library's embedded
/// resource module (TrellisResourceModule()).
AFX_MODULE_STATE* AfxGetStaticModuleState();
