// The application's accessible object, the root that atk-bridge publishes: its name is the
// program's and its children are the top-level windows that are shown.
#pragma once

#include <atk/atk.h>

namespace platform::atk {

class AtkTree;

// A new root, counted once, for the program called `name`; it has no children until it is
// given a tree.
AtkObject* NewAtkRoot(const char* name);
// The tree whose top-level windows are the root's children; null: none any more.
void SetRootTree(AtkObject* root, AtkTree* tree);

}  // namespace platform::atk
