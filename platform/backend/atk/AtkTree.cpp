// Index: making and dropping objects; the shape of the tree.
#include "platform/backend/atk/AtkTree.h"

#include <algorithm>

#include "platform/backend/atk/AtkAccessible.h"
#include "platform/win32/WinWindow.h"

namespace platform::atk {

namespace {

bool HasRole(const AccessibleNode& node, DWORD role) { return Role(node) == LONG(role); }

}  // namespace

// ---- making and dropping objects

AtkTree::AtkTree(AtkObject* root, std::function<POINT()> screenOrigin)
    : m_root(root), m_screenOrigin(std::move(screenOrigin)) {}

AtkTree::~AtkTree() {
  for (Made& made : m_made) {
    Orphan(made.object);
    g_object_unref(made.object);
  }
}

std::vector<AtkTree::Made>::iterator AtkTree::Find(const AccessibleNode& node) {
  // Most things keep their object: a match of the object is enough. Comparing descriptions
  // (and dropping what has gone) costs more, so it is the second pass.
  const auto same = std::find_if(m_made.begin(), m_made.end(),
                                 [&node](const Made& made) { return SameObject(made.node, node); });
  if (same != m_made.end()) return same;
  for (auto made = m_made.begin(); made != m_made.end();) {
    if (!Alive(made->node)) {
      Orphan(made->object);
      g_object_unref(made->object);
      made = m_made.erase(made);
    } else if (SameThing(made->node, node)) {
      return made;
    } else {
      ++made;
    }
  }
  return m_made.end();
}

AtkObject* AtkTree::ObjectFor(const AccessibleNode& given) {
  const AccessibleNode node = Shown(given);
  if (IsDesktopClient(node)) return m_root;
  if (!Alive(node)) return nullptr;
  if (const auto found = Find(node); found != m_made.end()) return found->object;
  const std::optional<AccessibleNode> window = Parent(node);
  const bool frame = HasRole(node, ROLE_SYSTEM_CLIENT) && window &&
                     HasRole(*window, ROLE_SYSTEM_WINDOW) && OnDesktop(*window);
  AtkObject* object = NewAtkAccessible(*this, node, frame);
  m_made.push_back(Made{node, object});
  return object;
}

std::vector<AtkObject*> AtkTree::MadeItemsOf(const AccessibleNode& node) {
  std::vector<AtkObject*> items;
  for (const Made& made : m_made) {
    if (!made.node.IsSelf() && SameObject({made.node.object, CHILDID_SELF}, node))
      items.push_back(made.object);
  }
  return items;
}

void AtkTree::Forget(const AccessibleNode& node) {
  const auto found = Find(node);
  if (found == m_made.end()) return;
  Orphan(found->object);
  g_object_unref(found->object);
  m_made.erase(found);
}

// ---- the shape of the tree

AccessibleNode AtkTree::Shown(const AccessibleNode& node) {
  if (!node.IsSelf() || !HasRole(node, ROLE_SYSTEM_WINDOW)) return node;
  // The window object's one child is its client area. A top-level window whose client area
  // is a control of its own (a pop-up's calendar or list) stays a window holding it.
  const std::vector<AccessibleNode> children = Children(node);
  if (children.size() != 1) return node;
  if (!HasRole(children[0], ROLE_SYSTEM_CLIENT) && OnDesktop(node)) return node;
  return children[0];
}

bool AtkTree::OnDesktop(const AccessibleNode& window) {
  // A pop-up's window names its owner as its parent, so the desktop's list says it.
  for (const AccessibleNode& top : Children(DesktopClient())) {
    if (SameThing(top, window)) return true;
  }
  return false;
}

AccessibleNode AtkTree::DesktopClient() {
  CComPtr<IAccessible> desktop;
  AccessibleObjectFromWindow(GetDesktopWindow(), DWORD(OBJID_CLIENT), IID_IAccessible,
                             reinterpret_cast<void**>(&desktop));
  return AccessibleNode{desktop, CHILDID_SELF};
}

bool AtkTree::IsDesktopClient(const AccessibleNode& node) {
  // The desktop's client area sits in the desktop window's object, which nothing holds.
  if (!node.IsSelf() || !HasRole(node, ROLE_SYSTEM_CLIENT)) return false;
  const std::optional<AccessibleNode> window = Parent(node);
  return window && !Parent(*window);
}

AtkObject* AtkTree::ParentOf(const AccessibleNode& node) {
  if (node.IsSelf() && HasRole(node, ROLE_SYSTEM_WINDOW) && OnDesktop(node)) return m_root;
  std::optional<AccessibleNode> parent = Parent(node);
  if (parent && parent->IsSelf() && HasRole(*parent, ROLE_SYSTEM_WINDOW)) {
    // A window object shown as its client area gives it its own place.
    if (OnDesktop(*parent)) return SameThing(Shown(*parent), node) ? m_root : ObjectFor(*parent);
    parent = Parent(*parent);
  }
  if (!parent || IsDesktopClient(*parent)) return m_root;
  return ObjectFor(*parent);
}

std::vector<AccessibleNode> AtkTree::ChildrenOf(const AccessibleNode& node) {
  std::vector<AccessibleNode> shown;
  for (const AccessibleNode& child : Children(node)) shown.push_back(Shown(child));
  return shown;
}

std::vector<AccessibleNode> AtkTree::TopLevels() {
  std::vector<AccessibleNode> shown;
  const AccessibleNode desktop = DesktopClient();
  if (!desktop.object) return shown;
  for (const AccessibleNode& window : ChildrenOf(desktop)) {
    if (!(State(window) & STATE_SYSTEM_INVISIBLE)) shown.push_back(window);
  }
  return shown;
}

}  // namespace platform::atk
