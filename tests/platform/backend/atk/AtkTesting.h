// What the bridge's tests share: the bridge over the headless screen as the window library
// starts it, reading ATK objects, and the signals a reader would hear.
#pragma once

#include <atk/atk.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/backend/atk/AtkEventRelay.h"
#include "platform/backend/atk/AtkRoot.h"
#include "platform/backend/atk/AtkTree.h"
#include "platform/backend/headless/HeadlessScreen.h"

namespace trellis::test {

inline std::string Name(AtkObject* object) {
  const char* name = atk_object_get_name(object);
  return name ? name : "";
}

inline bool Has(AtkObject* object, AtkStateType state) {
  AtkStateSet* set = atk_object_ref_state_set(object);
  const bool has = atk_state_set_contains_state(set, state);
  g_object_unref(set);
  return has;
}

// A child as ATK hands it out, its count dropped (the tree keeps one).
inline AtkObject* Child(AtkObject* parent, int index) {
  AtkObject* child = atk_object_ref_accessible_child(parent, index);
  if (child) g_object_unref(child);
  return child;
}

// The first object with that role (and name, when given) under `object`, depth first; null
// when there is none.
inline AtkObject* FindRole(AtkObject* object, AtkRole role, const char* name = nullptr) {
  for (int i = 0; i < atk_object_get_n_accessible_children(object); ++i) {
    AtkObject* child = Child(object, i);
    if (atk_object_get_role(child) == role && (!name || Name(child) == name)) return child;
    if (AtkObject* found = FindRole(child, role, name)) return found;
  }
  return nullptr;
}

// Actions run from the loop once the bus has had its answer, as the bridge's loop does.
inline void RunQueuedActions(platform::headless::HeadlessScreen& screen) {
  while (g_main_context_iteration(nullptr, FALSE)) {
  }
  screen.PumpUntilIdle();
}

// Signals heard, as "name what" lines in order, and the last word on each state of each
// object, while this lives.
struct Heard {
  std::vector<std::string> lines;
  std::map<AtkObject*, std::map<std::string, bool>> states;
  std::vector<std::pair<AtkObject*, gulong>> handlers;

  ~Heard() {
    for (const auto& [object, handler] : handlers) g_signal_handler_disconnect(object, handler);
  }
  void Listen(AtkObject* object) {
    Connect(object, "state-change", G_CALLBACK(OnState));
    Connect(object, "children-changed", G_CALLBACK(OnChildren));
    Connect(object, "notify::accessible-name", G_CALLBACK(OnName));
    if (ATK_IS_SELECTION(object)) Connect(object, "selection-changed", G_CALLBACK(OnSelection));
  }
  void Connect(AtkObject* object, const char* signal, GCallback callback) {
    handlers.emplace_back(object, g_signal_connect(object, signal, callback, this));
  }
  static void OnState(AtkObject* object, const char* state, gboolean on, Heard* heard) {
    heard->lines.push_back(Name(object) + " " + state + (on ? " on" : " off"));
    heard->states[object][state] = on;
  }
  static void OnChildren(AtkObject* object, guint, gpointer, Heard* heard) {
    heard->lines.push_back(Name(object) + " children");
  }
  static void OnName(AtkObject* object, GParamSpec*, Heard* heard) {
    heard->lines.push_back(Name(object) + " name");
  }
  static void OnSelection(AtkObject* object, Heard* heard) {
    heard->lines.push_back(Name(object) + " selection");
  }
};

// The bridge over the headless screen, its root given the tree of the model's objects and its
// win event hook listening, as the window library starts it.
struct Bridge {
  explicit Bridge(POINT screenOrigin = {0, 0})
      : tree(root, [screenOrigin] { return screenOrigin; }) {
    platform::atk::SetRootTree(root, &tree);
  }
  ~Bridge() {
    platform::atk::SetRootTree(root, nullptr);
    g_object_unref(root);
  }
  Bridge(const Bridge&) = delete;
  Bridge& operator=(const Bridge&) = delete;

  AtkObject* root = platform::atk::NewAtkRoot("test");
  platform::atk::AtkTree tree;
  platform::atk::AtkEventRelay relay{tree};
};

}  // namespace trellis::test
