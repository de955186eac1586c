// Index: ATK's hooks; starting and stopping.
#include "platform/backend/atk/AtkBridge.h"

#include <atk-bridge.h>

#include <utility>

#include "platform/backend/atk/AccessibilityBus.h"
#include "platform/backend/atk/AtkRoot.h"

namespace platform::atk {

namespace {

// ---- ATK's hooks

// ATK asks for the root through class hooks that carry no data of ours, so the running
// bridge's root is held here; null while no bridge runs.
AtkObject* g_root = nullptr;

AtkObject* GetRoot() { return g_root; }
const gchar* GetToolkitName() { return "Trellis"; }
const gchar* GetToolkitVersion() { return TRELLIS_VERSION; }

void InstallHooks() {
  auto* util = ATK_UTIL_CLASS(g_type_class_ref(ATK_TYPE_UTIL));
  util->get_root = GetRoot;
  util->get_toolkit_name = GetToolkitName;
  util->get_toolkit_version = GetToolkitVersion;
  // The class stays referenced, so the hooks stay installed.
}

}  // namespace

// ---- starting and stopping

AtkBridge::AtkBridge(AtkObject* root, std::function<POINT()> screenOrigin)
    : m_root(root), m_tree(root, std::move(screenOrigin)) {
  SetRootTree(m_root, &m_tree);
}

std::unique_ptr<AtkBridge> AtkBridge::Start(const std::string& applicationName,
                                            std::function<POINT()> screenOrigin) {
  if (g_root || !AssistiveTechnologyListening()) return nullptr;
  InstallHooks();
  std::unique_ptr<AtkBridge> bridge(
      new AtkBridge(NewAtkRoot(applicationName.c_str()), std::move(screenOrigin)));
  g_root = bridge->m_root;
  // atk-bridge registers the root on the accessibility bus and serves it from GLib's default
  // context, which our loop runs.
  if (atk_bridge_adaptor_init(nullptr, nullptr) != 0) return nullptr;
  return bridge;
}

AtkBridge::~AtkBridge() {
  if (g_root == m_root) {
    atk_bridge_adaptor_cleanup();
    g_root = nullptr;
  }
  SetRootTree(m_root, nullptr);
  g_object_unref(m_root);
}

}  // namespace platform::atk
