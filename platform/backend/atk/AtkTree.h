// The application's ATK objects over the platform's model: one object per node, made when
// assistive technology first reaches it and kept while its node lives, so that the bus sees
// the same path for the same thing. The model's top (the desktop window and its client area)
// becomes the application root, and a window object whose one child is its client area is
// shown as that client area, as readers expect a frame to hold its controls directly; only a
// top-level window whose client area is a control (a pop-up's list) stays a window.
#pragma once

#include <atk/atk.h>

#include <functional>
#include <utility>
#include <vector>

#include "platform/backend/atk/AccessibleNode.h"

namespace platform::atk {

class AtkTree {
 public:
  // `root` is the application object (held by the caller); `screenOrigin` tells where the
  // platform's screen starts on the real one.
  AtkTree(AtkObject* root, std::function<POINT()> screenOrigin);
  ~AtkTree();
  AtkTree(const AtkTree&) = delete;
  AtkTree& operator=(const AtkTree&) = delete;

  AtkObject* Root() const { return m_root; }
  POINT ScreenOrigin() const { return m_screenOrigin(); }

  // The object for a node, made on first request; the tree holds it. Null for the desktop.
  AtkObject* ObjectFor(const AccessibleNode& node);
  // The object holding a node's object: the root for a top-level window's client area.
  AtkObject* ParentOf(const AccessibleNode& node);
  // A node's children as ATK shows them (window objects replaced by their client areas); the
  // root's are the top-level windows that are shown.
  std::vector<AccessibleNode> ChildrenOf(const AccessibleNode& node);
  std::vector<AccessibleNode> TopLevels();
  // The objects made for the simple children (items) of a node's object.
  std::vector<AtkObject*> MadeItemsOf(const AccessibleNode& node);
  // The node is gone: its object (if any) says so and is dropped.
  void Forget(const AccessibleNode& node);

 private:
  struct Made {
    AccessibleNode node;
    AtkObject* object;  // counted once by the tree
  };
  // The made object for the node; end() when there is none. Objects whose nodes have gone
  // are dropped on the way.
  std::vector<Made>::iterator Find(const AccessibleNode& node);
  // A window object shown as its client area; other nodes as they are.
  AccessibleNode Shown(const AccessibleNode& node);
  // Whether a window object is one of the desktop's windows (a top-level one).
  bool OnDesktop(const AccessibleNode& window);
  static AccessibleNode DesktopClient();
  static bool IsDesktopClient(const AccessibleNode& node);

  AtkObject* m_root = nullptr;
  std::function<POINT()> m_screenOrigin;
  std::vector<Made> m_made;
};

}  // namespace platform::atk
