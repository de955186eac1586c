// The ATK interfaces an accessible object may have beyond AtkObject, each over the platform's
// model: AtkComponent (bounds from accLocation, focus by accSelect), AtkAction (the default
// action, run from the loop after the bus's call returns, as a click would be), AtkValue (a
// scroll bar's position), AtkText (an edit box's text, caret and selection) and AtkSelection
// (the selected child of a list, an outline or a table).
#pragma once

#include <glib-object.h>

namespace platform::atk {

constexpr unsigned kAtkAction = 0x1;
constexpr unsigned kAtkValue = 0x2;
constexpr unsigned kAtkText = 0x4;
constexpr unsigned kAtkSelection = 0x8;
constexpr unsigned kAtkInterfaceSets = 0x10;

// Adds AtkComponent and the interfaces named in `interfaces` (kAtk*) to `type`.
void AddAtkInterfaces(GType type, unsigned interfaces);

}  // namespace platform::atk
