#include "platform/mfc/AfxMessageLoop.h"

#include "platform/mfc/CDC.h"
#include "platform/mfc/CGdiObject.h"
#include "platform/mfc/CWnd.h"
#include "platform/window/MessageLoop.h"

namespace {

// Every pump of the platform, not only the loops below, pre-translates and idles the MFC way.
[[maybe_unused]] const bool kHooksInstalled = [] {
  platform::SetMessageLoopHooks({&AfxPreTranslateMessage, &AfxDeleteTempMaps});
  return true;
}();

// 1: dispatched, 0: WM_QUIT (its code in msg), -1: nothing can come.
int PumpOne(MSG& msg) {
  const BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
  if (got <= 0) return got;
  if (!AfxPreTranslateMessage(&msg)) {
    ::TranslateMessage(&msg);
    ::DispatchMessageW(&msg);
  }
  return 1;
}

}  // namespace

BOOL AfxPreTranslateMessage(MSG* msg) { return CWnd::WalkPreTranslateTree(nullptr, msg); }

BOOL AfxPumpMessage() {
  MSG msg;
  return PumpOne(msg) > 0;
}

void AfxDeleteTempMaps() {
  CWnd::DeleteTempMap();
  CDC::DeleteTempMap();
  CGdiObject::DeleteTempMap();
}

int AfxRunMessageLoop() {
  MSG msg;
  for (;;) {
    if (!::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) AfxDeleteTempMaps();
    const int pumped = PumpOne(msg);
    if (pumped == 0) return int(msg.wParam);
    if (pumped < 0) return -1;
  }
}
