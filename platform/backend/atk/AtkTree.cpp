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
  const std::optional<AccessibleNode> parent = Parent(node);
  const bool topLevel = parent && HasRole(*parent, ROLE_SYSTEM_WINDOW) &&
                        HasRole(node, ROLE_SYSTEM_CLIENT) && Parent(*parent) &&
                        IsDesktopClient(*Parent(*parent));
  AtkObject* object = NewAtkAccessible(*this, node, topLevel);
  m_made.push_back(Made{node, object});
  return object;
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
  // The window object's one child is its client area, whatever that calls itself.
  const std::vector<AccessibleNode> children = Children(node);
  return children.size() == 1 ? children[0] : node;
}

bool AtkTree::IsDesktopClient(const AccessibleNode& node) {
  // The desktop's client area sits in the desktop window's object, which nothing holds.
  if (!node.IsSelf() || !HasRole(node, ROLE_SYSTEM_CLIENT)) return false;
  const std::optional<AccessibleNode> window = Parent(node);
  return window && !Parent(*window);
}

AtkObject* AtkTree::ParentOf(const AccessibleNode& node) {
  std::optional<AccessibleNode> parent = Parent(node);
  if (!parent) return m_root;
  // A window object is not shown: its client area's parent is the window's.
  if (parent->IsSelf() && HasRole(*parent, ROLE_SYSTEM_WINDOW) && Children(*parent).size() == 1)
    parent = Parent(*parent);
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
  CComPtr<IAccessible> desktop;
  if (FAILED(AccessibleObjectFromWindow(GetDesktopWindow(), DWORD(OBJID_CLIENT), IID_IAccessible,
                                        reinterpret_cast<void**>(&desktop))))
    return shown;
  for (const AccessibleNode& window : ChildrenOf(AccessibleNode{desktop, CHILDID_SELF})) {
    if (!(State(window) & STATE_SYSTEM_INVISIBLE)) shown.push_back(window);
  }
  return shown;
}

}  // namespace platform::atk
