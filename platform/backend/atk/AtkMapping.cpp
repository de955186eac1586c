#include "platform/backend/atk/AtkMapping.h"

#include <algorithm>
#include <cstdlib>
#include <iterator>

#include "platform/accessibility/OleAcc.h"

namespace platform::atk {

namespace {

struct RolePair {
  DWORD system;
  AtkRole atk;
};
constexpr RolePair kRoles[] = {
    {ROLE_SYSTEM_SCROLLBAR, ATK_ROLE_SCROLL_BAR},
    {ROLE_SYSTEM_WINDOW, ATK_ROLE_WINDOW},
    {ROLE_SYSTEM_CLIENT, ATK_ROLE_PANEL},
    {ROLE_SYSTEM_MENUPOPUP, ATK_ROLE_MENU},
    {ROLE_SYSTEM_MENUITEM, ATK_ROLE_MENU_ITEM},
    {ROLE_SYSTEM_TOOLTIP, ATK_ROLE_TOOL_TIP},
    {ROLE_SYSTEM_APPLICATION, ATK_ROLE_APPLICATION},
    {ROLE_SYSTEM_PANE, ATK_ROLE_PANEL},
    {ROLE_SYSTEM_DIALOG, ATK_ROLE_DIALOG},
    {ROLE_SYSTEM_GROUPING, ATK_ROLE_GROUPING},
    {ROLE_SYSTEM_SEPARATOR, ATK_ROLE_SEPARATOR},
    {ROLE_SYSTEM_TABLE, ATK_ROLE_TABLE},
    {ROLE_SYSTEM_COLUMNHEADER, ATK_ROLE_COLUMN_HEADER},
    {ROLE_SYSTEM_ROW, ATK_ROLE_TABLE_ROW},
    {ROLE_SYSTEM_CELL, ATK_ROLE_TABLE_CELL},
    {ROLE_SYSTEM_LIST, ATK_ROLE_LIST},
    {ROLE_SYSTEM_LISTITEM, ATK_ROLE_LIST_ITEM},
    {ROLE_SYSTEM_OUTLINE, ATK_ROLE_TREE},
    {ROLE_SYSTEM_OUTLINEITEM, ATK_ROLE_TREE_ITEM},
    {ROLE_SYSTEM_GRAPHIC, ATK_ROLE_IMAGE},
    {ROLE_SYSTEM_STATICTEXT, ATK_ROLE_LABEL},
    {ROLE_SYSTEM_TEXT, ATK_ROLE_ENTRY},
    {ROLE_SYSTEM_PUSHBUTTON, ATK_ROLE_PUSH_BUTTON},
    {ROLE_SYSTEM_CHECKBUTTON, ATK_ROLE_CHECK_BOX},
    {ROLE_SYSTEM_RADIOBUTTON, ATK_ROLE_RADIO_BUTTON},
    {ROLE_SYSTEM_COMBOBOX, ATK_ROLE_COMBO_BOX},
    {ROLE_SYSTEM_DROPLIST, ATK_ROLE_COMBO_BOX},
    {ROLE_SYSTEM_SPINBUTTON, ATK_ROLE_SPIN_BUTTON},
    {ROLE_SYSTEM_BUTTONDROPDOWN, ATK_ROLE_PUSH_BUTTON},
};

// States that carry straight over.
struct StatePair {
  DWORD system;
  AtkStateType atk;
};
constexpr StatePair kStates[] = {
    {STATE_SYSTEM_SELECTED, ATK_STATE_SELECTED},
    {STATE_SYSTEM_FOCUSED, ATK_STATE_FOCUSED},
    {STATE_SYSTEM_PRESSED, ATK_STATE_PRESSED},
    {STATE_SYSTEM_CHECKED, ATK_STATE_CHECKED},
    {STATE_SYSTEM_MIXED, ATK_STATE_INDETERMINATE},
    {STATE_SYSTEM_READONLY, ATK_STATE_READ_ONLY},
    {STATE_SYSTEM_DEFAULT, ATK_STATE_DEFAULT},
    {STATE_SYSTEM_EXPANDED, ATK_STATE_EXPANDED},
    {STATE_SYSTEM_FOCUSABLE, ATK_STATE_FOCUSABLE},
    {STATE_SYSTEM_SELECTABLE, ATK_STATE_SELECTABLE},
    {STATE_SYSTEM_MULTISELECTABLE, ATK_STATE_MULTISELECTABLE},
    {STATE_SYSTEM_HASPOPUP, ATK_STATE_HAS_POPUP},
};

bool Checkable(LONG role) {
  return role == LONG(ROLE_SYSTEM_CHECKBUTTON) || role == LONG(ROLE_SYSTEM_RADIOBUTTON);
}

// A whole non-negative number that starts at `from` and ends at `end` (or the text's end).
bool WholeNumber(const std::string& text, std::size_t from, std::size_t end, long& number) {
  if (from >= end || end > text.size() || text[from] < '0' || text[from] > '9') return false;
  char* stop = nullptr;
  number = std::strtol(text.c_str() + from, &stop, 10);
  return stop == text.c_str() + end;
}

}  // namespace

AtkRole AtkRoleFor(LONG role, bool topLevel) {
  if (topLevel) return ATK_ROLE_FRAME;
  const auto pair = std::find_if(std::begin(kRoles), std::end(kRoles),
                                 [role](const RolePair& p) { return LONG(p.system) == role; });
  return pair == std::end(kRoles) ? ATK_ROLE_UNKNOWN : pair->atk;
}

std::vector<std::pair<std::string, std::string>> AtkAttributesFor(
    LONG role, const std::string& value, const std::string& description) {
  long first = 0, second = 0;
  if (role == LONG(ROLE_SYSTEM_OUTLINEITEM) && WholeNumber(value, 0, value.size(), first))
    return {{"level", std::to_string(first + 1)}};
  const std::size_t slash = description.find('/');
  if (role == LONG(ROLE_SYSTEM_RADIOBUTTON) && slash != std::string::npos &&
      WholeNumber(description, 0, slash, first) &&
      WholeNumber(description, slash + 1, description.size(), second) && first >= 1 &&
      first <= second)
    return {{"posinset", std::to_string(first)}, {"setsize", std::to_string(second)}};
  return {};
}

bool NamedByValue(LONG role) {
  return role == LONG(ROLE_SYSTEM_COMBOBOX) || role == LONG(ROLE_SYSTEM_DROPLIST);
}

std::vector<AtkStateType> AtkStatesFor(DWORD state, LONG role) {
  std::vector<AtkStateType> states;
  for (const StatePair& pair : kStates) {
    if (state & pair.system) states.push_back(pair.atk);
  }
  if (!(state & STATE_SYSTEM_UNAVAILABLE)) {
    states.push_back(ATK_STATE_ENABLED);
    states.push_back(ATK_STATE_SENSITIVE);
  }
  if (!(state & STATE_SYSTEM_INVISIBLE)) {
    states.push_back(ATK_STATE_VISIBLE);
    if (!(state & STATE_SYSTEM_OFFSCREEN)) states.push_back(ATK_STATE_SHOWING);
  }
  // Either says the object opens and closes.
  if (state & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED))
    states.push_back(ATK_STATE_EXPANDABLE);
  // A box that is ticked or mixed can be ticked; an empty one says so by its action.
  if (Checkable(role) || (state & (STATE_SYSTEM_CHECKED | STATE_SYSTEM_MIXED)))
    states.push_back(ATK_STATE_CHECKABLE);
  if (role == LONG(ROLE_SYSTEM_TEXT) && !(state & STATE_SYSTEM_READONLY)) {
    states.push_back(ATK_STATE_EDITABLE);
    states.push_back(ATK_STATE_SINGLE_LINE);
  }
  return states;
}

}  // namespace platform::atk
