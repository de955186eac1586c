// Hears the platform's accessibility events (a win event hook) and tells ATK, in its signals,
// what assistive technology should hear: focus, states, names, values, text, selection and
// children coming and going. The platform delivers the events from its message loop, after the
// change, so the model read here is consistent.
#pragma once

#include <atk/atk.h>

#include "platform/accessibility/WinEvent.h"
#include "platform/backend/atk/AccessibleNode.h"

namespace platform::atk {

class AtkTree;

class AtkEventRelay {
 public:
  explicit AtkEventRelay(AtkTree& tree);
  ~AtkEventRelay();
  AtkEventRelay(const AtkEventRelay&) = delete;
  AtkEventRelay& operator=(const AtkEventRelay&) = delete;

 private:
  static void Hear(HWINEVENTHOOK hook, DWORD event, HWND hwnd, LONG idObject, LONG idChild,
                   DWORD thread, DWORD time);
  void Relay(DWORD event, HWND hwnd, LONG idObject, LONG idChild);
  void Focus(AtkObject* object);
  // The states of the node's object and of the items made of it: the model names a control
  // when one of its items changed.
  void AnnounceStatesWithin(const AccessibleNode& node, AtkObject* object);
  void Children(DWORD event, AtkObject* object);

  AtkTree& m_tree;
  HWINEVENTHOOK m_hook = nullptr;
  AtkObject* m_focused = nullptr;  // counted once by the relay
};

}  // namespace platform::atk
