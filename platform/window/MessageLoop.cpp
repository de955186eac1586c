#include "platform/window/MessageLoop.h"

namespace platform {

namespace {

MessageLoopHooks& Hooks() {
  // Never destroyed, so a loop pumped from a static destructor still finds it.
  static MessageLoopHooks* const hooks = new MessageLoopHooks;
  return *hooks;
}

// Far more messages than any burst of real input and painting makes.
constexpr int kMessageLimit = 100000;

}  // namespace

void SetMessageLoopHooks(MessageLoopHooks hooks) { Hooks() = hooks; }
const MessageLoopHooks& GetMessageLoopHooks() { return Hooks(); }

bool PumpUntilIdle() {
  MSG msg;
  for (int n = 0; n < kMessageLimit; ++n) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (Hooks().idle) Hooks().idle();
      return true;
    }
    if (msg.message == WM_QUIT) {
      // Leave the quit for whoever runs the real loop.
      PostQuitMessage(int(msg.wParam));
      return false;
    }
    if (Hooks().preTranslate && Hooks().preTranslate(&msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return false;
}

}  // namespace platform
