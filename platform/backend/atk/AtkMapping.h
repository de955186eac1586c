// The platform's roles and states in ATK's terms. Pure functions of the model's answers, so the
// tables can be checked without a bus.
#pragma once

#include <atk/atk.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/win32/WinDef.h"

namespace platform::atk {

// ATK's role for a ROLE_SYSTEM_ role; `topLevel` is true for a top-level window's client
// area, which ATK calls a frame. ATK_ROLE_UNKNOWN for a role it has no match for.
AtkRole AtkRoleFor(LONG role, bool topLevel);
// Whether an object of that role without a name of its own is read by its value, as a combo
// box is read by what it shows.
bool NamedByValue(LONG role);
// The object attributes readers look for, as (name, value) pairs, from what the model tells in
// its value and description: a tree item's level (the model counts from 0, readers from 1),
// and a radio button's place in its group ("2/3": posinset 2, setsize 3).
std::vector<std::pair<std::string, std::string>> AtkAttributesFor(LONG role,
                                                                  const std::string& value,
                                                                  const std::string& description);
// ATK's states for a union of STATE_SYSTEM_ states of an object with that role.
std::vector<AtkStateType> AtkStatesFor(DWORD state, LONG role);

}  // namespace platform::atk
