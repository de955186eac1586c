// The application's accessible object, the root that atk-bridge publishes: its name is the
// program's and its children are the accessible objects of the open top-level windows.
#pragma once

#include <atk/atk.h>

namespace platform::atk {

struct AtkRoot {
  AtkObject parent;
};

// A new root, counted once, for the program called `name`.
AtkObject* NewAtkRoot(const char* name);

}  // namespace platform::atk
