// The ATK object of one accessible node: what ATK asks of it is asked of the platform's model
// each time, so it never holds a stale copy. Beyond AtkObject and AtkComponent, each object
// has only the ATK interfaces its node calls for, decided when it is made: AtkAction with a
// default action, AtkValue for a scroll bar, AtkText for an edit box's text, AtkSelection for
// a list, an outline or a table.
#pragma once

#include <atk/atk.h>

#include <string>

#include "platform/backend/atk/AccessibleNode.h"

namespace platform::atk {

class AtkTree;

struct AtkAccessibleData {
  AtkTree* tree = nullptr;  // null once orphaned
  AccessibleNode node;
  bool topLevel = false;
  // ATK borrows the texts it is given: each lives here until it is asked for again.
  std::string name;
  std::string description;
  std::string action;
  AtkStateSet* told = nullptr;  // the states last announced
  gint textLength = 0;          // the text's length last announced
};

// The object for `node` in `tree`, counted once for the caller. `topLevel`: the client area
// of a top-level window.
AtkObject* NewAtkAccessible(AtkTree& tree, const AccessibleNode& node, bool topLevel);
// The data of an object made above while its tree lives; null for any other object (the
// root) and once orphaned.
AtkAccessibleData* LiveData(gpointer object);
// The tree is going, or the node went: the object says it is defunct and asks nothing more of
// the model.
void Orphan(AtkObject* object);
// Keeps `now` (taking its count) as the states last announced and returns the ones before
// (the caller's count; null the first time).
AtkStateSet* ExchangeToldStates(AtkObject* object, AtkStateSet* now);

}  // namespace platform::atk
