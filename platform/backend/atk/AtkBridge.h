// The window backend's accessibility bridge: publishes the application's accessible objects on
// the desktop's accessibility bus through ATK and atk-bridge, as a program that is not built on
// a toolkit with its own bridge does. It runs on the backend's thread; the backend waits in
// Loop() so that the bus is answered while the program is idle.
#pragma once

#include <atk/atk.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/backend/atk/AtkEventRelay.h"
#include "platform/backend/atk/AtkTree.h"
#include "platform/backend/atk/GlibLoop.h"

namespace platform::atk {

class AtkBridge {
 public:
  // Starts the bridge when assistive technology listens (AccessibilityBus.h); null when it
  // does not or atk-bridge cannot reach the bus. One bridge runs at a time. `screenOrigin`
  // tells where the platform's screen starts on the real one.
  static std::unique_ptr<AtkBridge> Start(const std::string& applicationName,
                                          std::function<POINT()> screenOrigin);
  ~AtkBridge();
  AtkBridge(const AtkBridge&) = delete;
  AtkBridge& operator=(const AtkBridge&) = delete;

  GlibLoop& Loop() { return m_loop; }
  AtkObject* Root() const { return m_root; }

 private:
  AtkBridge(AtkObject* root, std::function<POINT()> screenOrigin);

  GlibLoop m_loop;
  AtkObject* m_root = nullptr;  // counted once by the bridge
  AtkTree m_tree;
  AtkEventRelay m_relay{m_tree};
};

}  // namespace platform::atk
