// One thing assistive technology can be told about: an accessible object, or one of its simple
// children by id. The readers below ask the platform's model and turn its answers into what
// ATK takes (UTF-8 texts, numbers); each answers empty for what the node does not have.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/accessibility/OleAcc.h"
#include "platform/com/CComPtr.h"
#include "platform/win32/WinDef.h"

namespace platform::atk {

struct AccessibleNode {
  CComPtr<IAccessible> object;
  LONG child = CHILDID_SELF;

  bool IsSelf() const { return child == CHILDID_SELF; }
};

// Whether two nodes are the same object and id.
bool SameObject(const AccessibleNode& a, const AccessibleNode& b);
// Whether two nodes describe the same thing. The model may hand out a new object each time it
// is asked, so beyond the same object and id, nodes of the same id, role, place and name are
// taken for the same.
bool SameThing(const AccessibleNode& a, const AccessibleNode& b);
// False once what the node describes has gone.
bool Alive(const AccessibleNode& node);

// The node a VARIANT names, relative to `from`: an object (VT_DISPATCH, VT_UNKNOWN) or a child
// id of `from`'s object; none for VT_EMPTY.
std::optional<AccessibleNode> NodeFromVariant(const AccessibleNode& from, const VARIANT& v);

std::string Name(const AccessibleNode& node);
std::string Description(const AccessibleNode& node);
std::string Value(const AccessibleNode& node);
std::string DefaultAction(const AccessibleNode& node);
LONG Role(const AccessibleNode& node);
DWORD State(const AccessibleNode& node);
// The bounds in the platform's screen coordinates; an empty rectangle when it has none.
RECT Location(const AccessibleNode& node);
std::vector<AccessibleNode> Children(const AccessibleNode& node);
// The node holding this one; none at the top.
std::optional<AccessibleNode> Parent(const AccessibleNode& node);
// The focused or the selected node among the node's descendants; none when elsewhere.
std::optional<AccessibleNode> Focused(const AccessibleNode& node);
std::optional<AccessibleNode> Selected(const AccessibleNode& node);

}  // namespace platform::atk
