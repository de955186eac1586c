// Index: component; action; value; text; selection; adding them.
#include "platform/backend/atk/AtkInterfaces.h"

#include <atk/atk.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/accessibility/AccessibleText.h"
#include "platform/com/CComVariant.h"
#include "platform/backend/atk/AtkAccessible.h"
#include "platform/backend/atk/AtkTree.h"
#include "platform/text/Utf8.h"

namespace platform::atk {

namespace {

// ---- component

// The top-left corner that coordinates of `type` count from, in the platform's screen.
POINT CoordinateOrigin(AtkObject* object, AtkCoordType type) {
  if (type == ATK_XY_SCREEN) return POINT{0, 0};
  // ATK_XY_WINDOW: the top-level window's corner; ATK_XY_PARENT: the parent's.
  AtkObject* holder = atk_object_get_parent(object);
  AtkAccessibleData* data = LiveData(object);
  if (type == ATK_XY_WINDOW) {
    holder = object;
    while (data && !data->topLevel) {
      holder = atk_object_get_parent(holder);
      data = LiveData(holder);
    }
  }
  AtkAccessibleData* holderData = LiveData(holder);
  if (!holderData) return POINT{0, 0};
  const RECT bounds = Location(holderData->node);
  return POINT{bounds.left, bounds.top};
}

void GetExtents(AtkComponent* component, gint* x, gint* y, gint* width, gint* height,
                AtkCoordType type) {
  *x = *y = *width = *height = 0;
  AtkAccessibleData* data = LiveData(component);
  if (!data) return;
  const RECT bounds = Location(data->node);
  POINT origin = CoordinateOrigin(ATK_OBJECT(component), type);
  if (type == ATK_XY_SCREEN) {
    // The platform's screen is the OS window's client area.
    const POINT real = data->tree->ScreenOrigin();
    origin = POINT{-real.x, -real.y};
  }
  *x = bounds.left - origin.x;
  *y = bounds.top - origin.y;
  *width = bounds.right - bounds.left;
  *height = bounds.bottom - bounds.top;
}

gboolean GrabFocus(AtkComponent* component) {
  AtkAccessibleData* data = LiveData(component);
  return data && SUCCEEDED(data->node.object->accSelect(SELFLAG_TAKEFOCUS,
                                                        CComVariant(data->node.child)));
}

void InitComponent(gpointer iface, gpointer) {
  auto* component = static_cast<AtkComponentIface*>(iface);
  component->get_extents = GetExtents;
  component->grab_focus = GrabFocus;
}

// ---- action

struct PendingAction {
  CComPtr<IAccessible> object;
  LONG child;
};

gboolean RunAction(gpointer pending) {
  auto* action = static_cast<PendingAction*>(pending);
  action->object->accDoDefaultAction(CComVariant(action->child));
  delete action;
  return G_SOURCE_REMOVE;
}

// Runs after the bus has its answer: the action may open a pop-up whose loop runs a while.
void QueueDefaultAction(const AccessibleNode& node) {
  g_idle_add(RunAction, new PendingAction{node.object, node.child});
}

gboolean DoAction(AtkAction* action, gint index) {
  AtkAccessibleData* data = LiveData(action);
  if (!data || index != 0) return FALSE;
  QueueDefaultAction(data->node);
  return TRUE;
}

gint GetNActions(AtkAction* action) { return LiveData(action) ? 1 : 0; }

const gchar* GetActionName(AtkAction* action, gint index) {
  AtkAccessibleData* data = LiveData(action);
  if (!data || index != 0) return nullptr;
  data->action = DefaultAction(data->node);
  return data->action.c_str();
}

void InitAction(gpointer iface, gpointer) {
  auto* action = static_cast<AtkActionIface*>(iface);
  action->do_action = DoAction;
  action->get_n_actions = GetNActions;
  action->get_name = GetActionName;
  action->get_localized_name = GetActionName;
}

// ---- value

// The position as a number; 0 when the value is not one.
double NumberOf(const std::string& text) { return std::strtod(text.c_str(), nullptr); }

void GetValueAndText(AtkValue* value, gdouble* number, gchar** text) {
  AtkAccessibleData* data = LiveData(value);
  const std::string shown = data ? Value(data->node) : std::string();
  if (number) *number = NumberOf(shown);
  if (text) *text = g_strdup(shown.c_str());
}

// A scroll bar's description is its range, "first-last" (either may be negative).
AtkRange* GetRange(AtkValue* value) {
  AtkAccessibleData* data = LiveData(value);
  if (!data) return nullptr;
  const std::string range = Description(data->node);
  char* rest = nullptr;
  const double first = std::strtod(range.c_str(), &rest);
  if (rest == range.c_str() || *rest != '-') return nullptr;
  const char* second = rest + 1;
  const double last = std::strtod(second, &rest);
  if (rest == second || *rest) return nullptr;
  return atk_range_new(first, last, range.c_str());
}

void InitValue(gpointer iface, gpointer) {
  auto* value = static_cast<AtkValueIface*>(iface);
  value->get_value_and_text = GetValueAndText;
  value->get_range = GetRange;
}

// ---- text

CComPtr<IAccessibleText> TextOf(gpointer object) {
  CComPtr<IAccessibleText> text;
  AtkAccessibleData* data = LiveData(object);
  if (data) {
    data->node.object->QueryInterface(IID_IAccessibleText, reinterpret_cast<void**>(&text));
  }
  return text;
}

LONG CharacterCount(IAccessibleText* text) {
  LONG count = 0;
  return text && SUCCEEDED(text->get_nCharacters(&count)) ? count : 0;
}

// The characters from `start` to `end` (-1: the end), clamped to the text, as new UTF-8.
gchar* Slice(IAccessibleText* text, LONG start, LONG end) {
  const LONG count = CharacterCount(text);
  if (end < 0 || end > count) end = count;
  start = std::clamp<LONG>(start, 0, end);
  BSTR slice = nullptr;
  std::string utf8;
  if (text && SUCCEEDED(text->get_text(start, end, &slice)) && slice)
    utf8 = Utf8FromWide(std::wstring_view(slice, SysStringLen(slice)));
  SysFreeString(slice);
  return g_strdup(utf8.c_str());
}

gchar* GetText(AtkText* text, gint start, gint end) { return Slice(TextOf(text), start, end); }

gint GetCharacterCount(AtkText* text) { return CharacterCount(TextOf(text)); }

gunichar GetCharacterAtOffset(AtkText* text, gint offset) {
  const CComPtr<IAccessibleText> model = TextOf(text);
  BSTR character = nullptr;
  gunichar result = 0;
  if (model && SUCCEEDED(model->get_text(offset, offset + 1, &character)) && character &&
      SysStringLen(character) == 1)
    result = gunichar(character[0]);
  SysFreeString(character);
  return result;
}

gint GetCaretOffset(AtkText* text) {
  const CComPtr<IAccessibleText> model = TextOf(text);
  LONG offset = 0;
  return model && SUCCEEDED(model->get_caretOffset(&offset)) ? offset : 0;
}

gint GetNSelections(AtkText* text) {
  const CComPtr<IAccessibleText> model = TextOf(text);
  LONG count = 0;
  return model && SUCCEEDED(model->get_nSelections(&count)) ? count : 0;
}

gchar* GetSelection(AtkText* text, gint index, gint* start, gint* end) {
  const CComPtr<IAccessibleText> model = TextOf(text);
  LONG from = 0, to = 0;
  if (!model || FAILED(model->get_selection(index, &from, &to))) {
    *start = *end = 0;
    return nullptr;
  }
  *start = from;
  *end = to;
  return Slice(model, from, to);
}

// The edit box holds one line, so every unit but a character is the whole text.
gchar* GetStringAtOffset(AtkText* text, gint offset, AtkTextGranularity granularity,
                         gint* start, gint* end) {
  const CComPtr<IAccessibleText> model = TextOf(text);
  const LONG count = CharacterCount(model);
  if (granularity == ATK_TEXT_GRANULARITY_CHAR) {
    *start = std::clamp<gint>(offset, 0, count);
    *end = std::min<gint>(*start + 1, count);
  } else {
    *start = 0;
    *end = count;
  }
  return Slice(model, *start, *end);
}

void InitText(gpointer iface, gpointer) {
  auto* text = static_cast<AtkTextIface*>(iface);
  text->get_text = GetText;
  text->get_character_count = GetCharacterCount;
  text->get_character_at_offset = GetCharacterAtOffset;
  text->get_caret_offset = GetCaretOffset;
  text->get_n_selections = GetNSelections;
  text->get_selection = GetSelection;
  text->get_string_at_offset = GetStringAtOffset;
}

// ---- selection

std::optional<AccessibleNode> SelectedOf(gpointer selection) {
  AtkAccessibleData* data = LiveData(selection);
  return data ? Selected(data->node) : std::nullopt;
}

gint GetSelectionCount(AtkSelection* selection) { return SelectedOf(selection) ? 1 : 0; }

AtkObject* RefSelection(AtkSelection* selection, gint index) {
  const std::optional<AccessibleNode> selected = SelectedOf(selection);
  AtkAccessibleData* data = LiveData(selection);
  if (!selected || index != 0 || !data) return nullptr;
  AtkObject* object = data->tree->ObjectFor(*selected);
  return object ? ATK_OBJECT(g_object_ref(object)) : nullptr;
}

// The child at `index` as ATK counts them; none past the end.
std::optional<AccessibleNode> ChildAt(AtkAccessibleData* data, gint index) {
  if (!data || index < 0) return std::nullopt;
  const std::vector<AccessibleNode> children = data->tree->ChildrenOf(data->node);
  if (std::size_t(index) >= children.size()) return std::nullopt;
  return children[std::size_t(index)];
}

gboolean IsChildSelected(AtkSelection* selection, gint index) {
  const std::optional<AccessibleNode> child = ChildAt(LiveData(selection), index);
  const std::optional<AccessibleNode> selected = SelectedOf(selection);
  return child && selected && SameThing(*child, *selected);
}

// As the user would: a child that cannot be selected by itself is clicked (its default
// action), as a row of the platform's list box is.
gboolean AddSelection(AtkSelection* selection, gint index) {
  const std::optional<AccessibleNode> child = ChildAt(LiveData(selection), index);
  if (!child) return FALSE;
  if (SUCCEEDED(child->object->accSelect(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION,
                                         CComVariant(child->child))))
    return TRUE;
  if (DefaultAction(*child).empty()) return FALSE;
  QueueDefaultAction(*child);
  return TRUE;
}

void InitSelection(gpointer iface, gpointer) {
  auto* selection = static_cast<AtkSelectionIface*>(iface);
  selection->get_selection_count = GetSelectionCount;
  selection->ref_selection = RefSelection;
  selection->is_child_selected = IsChildSelected;
  selection->add_selection = AddSelection;
}

// ---- adding them

struct Interface {
  unsigned bit;  // 0: always
  GType (*type)();
  GInterfaceInitFunc init;
};
const Interface kInterfaces[] = {
    {0, atk_component_get_type, InitComponent},
    {kAtkAction, atk_action_get_type, InitAction},
    {kAtkValue, atk_value_get_type, InitValue},
    {kAtkText, atk_text_get_type, InitText},
    {kAtkSelection, atk_selection_get_type, InitSelection},
};

}  // namespace

void AddAtkInterfaces(GType type, unsigned interfaces) {
  for (const Interface& each : kInterfaces) {
    if (each.bit && !(interfaces & each.bit)) continue;
    const GInterfaceInfo info = {each.init, nullptr, nullptr};
    g_type_add_interface_static(type, each.type(), &info);
  }
}

}  // namespace platform::atk
