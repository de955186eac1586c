/// @class TreeRowPlace
/// Where an item's row sits in its tree, as the painter needs it beside the item's record: the
/// connectors that run through the row, and whether the row has the focus or the pointer. The
/// store fills it in (CTreeStore::GetRowPlace); the painter only reads it.
#pragma once

#include <vector>

struct TreeRowPlace {
  /// The item's parent is a record, so its connector kind is known.
  bool inStore = false;
  int lineKind = 0;  ///< 0 first top-level item, 1 one with a later sibling, 2 last child
  /// Entry k for each indent level k above the row's own: the ancestor there has a later
  /// sibling, so its dotted column runs through this row.
  std::vector<char> columns;
  bool focus = false;  ///< the item has the focus
  bool hover = false;  ///< the item is under the pointer
};
