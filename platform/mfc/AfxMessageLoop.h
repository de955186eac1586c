// The MFC side of the message loop: pre-translation through the CWnd tree, pumping one message,
// idle clean-up of the temporary handle maps, and a loop that runs until WM_QUIT. An
// application object's Run builds on these; the platform's own pump (the headless backend's
// PumpUntilIdle) calls the pre-translation and idle steps too.
#pragma once

#include "platform/win32/WinUser.h"

// Offers the message to PreTranslateMessage of its window and that window's parents.
BOOL AfxPreTranslateMessage(MSG* msg);
// Takes one message, waiting if the backend can, and dispatches it unless pre-translation
// consumed it. FALSE on WM_QUIT or when no message can come.
BOOL AfxPumpMessage();
// Deletes the temporary CWnd, CDC and CGdiObject wrappers that FromHandle made.
void AfxDeleteTempMaps();
// Pumps until WM_QUIT and returns its exit code (-1 when the queue can never fill again),
// emptying the temporary maps each time the queue runs dry.
int AfxRunMessageLoop();
