/// @file
/// The depth-first walk over the tree's child lists that the shown list, the checks and the
/// collection of checked items share. It keeps its own stack, so a tree as deep as it is long
/// cannot exhaust the call stack.
#pragma once

#include <span>
#include <vector>

/// Visits every id of `list` in order and, right after an id whose enter(id) is true, the ids
/// reached through that item's own child list: the order in which the tree shows them.
/// `children[id]` is the child list of record id.
template <class Children, class Visit, class Enter>
void WalkDown(const Children& children, std::span<const int> list, Visit visit, Enter enter) {
  std::vector<std::span<const int>> pending{list};
  while (!pending.empty()) {
    std::span<const int>& rest = pending.back();
    if (rest.empty()) {
      pending.pop_back();
      continue;
    }
    const int id = rest.front();
    rest = rest.subspan(1);
    visit(id);
    if (!children[id].empty() && enter(id)) pending.emplace_back(children[id]);
  }
}
