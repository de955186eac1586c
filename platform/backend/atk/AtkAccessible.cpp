// Index: the instance; AtkObject's members; the types by interface.
#include "platform/backend/atk/AtkAccessible.h"

#include <array>
#include <string>
#include <utility>

#include "platform/accessibility/AccessibleText.h"
#include "platform/backend/atk/AtkInterfaces.h"
#include "platform/backend/atk/AtkMapping.h"
#include "platform/backend/atk/AtkTree.h"
#include "platform/win32/WinUser.h"

namespace platform::atk {

// ---- the instance

namespace {

struct Instance {
  AtkObject parent;
  AtkAccessibleData* data;
};

struct Class {
  AtkObjectClass parent;
};

GType BaseType();

// The model's verb for a click that ticks a box.
constexpr const char* kCheckVerb = "Check";

AtkAccessibleData* DataOf(gpointer object) {
  return G_TYPE_CHECK_INSTANCE_TYPE(object, BaseType())
             ? reinterpret_cast<Instance*>(object)->data
             : nullptr;
}

AtkAccessibleData* Live(gpointer object) { return LiveData(object); }

// Whether any of the object's bounds lies within its top-level window's, which clips what a
// scrolled view holds: a control scrolled out of sight is there (visible) but not showing.
bool WithinItsWindow(AtkObject* object, const RECT& bounds) {
  AtkObject* top = object;
  for (AtkAccessibleData* data = Live(top); data && !data->topLevel; data = Live(top))
    top = atk_object_get_parent(top);
  const AtkAccessibleData* window = Live(top);
  if (!window || top == object || IsRectEmpty(&bounds)) return true;
  RECT shown;
  const RECT frame = Location(window->node);
  return IntersectRect(&shown, &frame, &bounds) != FALSE;
}

// ---- AtkObject's members

const gchar* GetName(AtkObject* object) {
  AtkAccessibleData* data = Live(object);
  if (!data) return nullptr;
  data->name = Name(data->node);
  if (data->name.empty() && NamedByValue(Role(data->node))) data->name = Value(data->node);
  return data->name.c_str();
}

const gchar* GetDescription(AtkObject* object) {
  AtkAccessibleData* data = Live(object);
  if (!data) return nullptr;
  data->description = Description(data->node);
  return data->description.c_str();
}

AtkObject* GetParent(AtkObject* object) {
  AtkAccessibleData* data = Live(object);
  return data ? data->tree->ParentOf(data->node) : nullptr;
}

gint GetNChildren(AtkObject* object) {
  AtkAccessibleData* data = Live(object);
  return data ? gint(data->tree->ChildrenOf(data->node).size()) : 0;
}

AtkObject* RefChild(AtkObject* object, gint index) {
  AtkAccessibleData* data = Live(object);
  if (!data || index < 0) return nullptr;
  const std::vector<AccessibleNode> children = data->tree->ChildrenOf(data->node);
  if (std::size_t(index) >= children.size()) return nullptr;
  AtkObject* child = data->tree->ObjectFor(children[std::size_t(index)]);
  return child ? ATK_OBJECT(g_object_ref(child)) : nullptr;
}

gint GetIndexInParent(AtkObject* object) {
  AtkAccessibleData* data = Live(object);
  if (!data) return -1;
  AtkObject* parent = data->tree->ParentOf(data->node);
  if (!parent) return -1;
  // The root lists the top-level windows; any other parent is a node of its own.
  const AtkAccessibleData* parentData = Live(parent);
  const std::vector<AccessibleNode> siblings =
      parentData ? data->tree->ChildrenOf(parentData->node) : data->tree->TopLevels();
  for (std::size_t i = 0; i < siblings.size(); ++i) {
    if (data->tree->ObjectFor(siblings[i]) == object) return gint(i);
  }
  return -1;
}

AtkRole GetRole(AtkObject* object) {
  AtkAccessibleData* data = Live(object);
  return data ? AtkRoleFor(Role(data->node), data->topLevel) : ATK_ROLE_INVALID;
}

AtkStateSet* RefStateSet(AtkObject* object) {
  AtkStateSet* set = atk_state_set_new();
  AtkAccessibleData* data = Live(object);
  if (!data) {
    atk_state_set_add_state(set, ATK_STATE_DEFUNCT);
    return set;
  }
  for (AtkStateType state : AtkStatesFor(State(data->node), Role(data->node)))
    atk_state_set_add_state(set, state);
  if (atk_state_set_contains_state(set, ATK_STATE_SHOWING) &&
      !WithinItsWindow(object, Location(data->node)))
    atk_state_set_remove_state(set, ATK_STATE_SHOWING);
  // An empty box has no state of its own in the model; its action, ticking it, tells it.
  if (DefaultAction(data->node) == kCheckVerb) atk_state_set_add_state(set, ATK_STATE_CHECKABLE);
  if (data->topLevel) atk_state_set_add_state(set, ATK_STATE_ACTIVE);
  return set;
}

AtkAttributeSet* GetAttributes(AtkObject* object) {
  AtkAccessibleData* data = Live(object);
  if (!data) return nullptr;
  AtkAttributeSet* set = nullptr;
  for (const auto& [name, value] :
       AtkAttributesFor(Role(data->node), Value(data->node), Description(data->node))) {
    auto* attribute = static_cast<AtkAttribute*>(g_malloc(sizeof(AtkAttribute)));
    attribute->name = g_strdup(name.c_str());
    attribute->value = g_strdup(value.c_str());
    set = g_slist_append(set, attribute);
  }
  return set;
}

void Finalize(GObject* object) {
  AtkAccessibleData* data = DataOf(object);
  if (data->told) g_object_unref(data->told);
  delete data;
  // AtkObject's own, whichever of our types the object has.
  G_OBJECT_CLASS(g_type_class_peek(ATK_TYPE_OBJECT))->finalize(object);
}

void ClassInit(gpointer klass, gpointer) {
  G_OBJECT_CLASS(klass)->finalize = Finalize;
  auto* atk = ATK_OBJECT_CLASS(klass);
  atk->get_name = GetName;
  atk->get_description = GetDescription;
  atk->get_parent = GetParent;
  atk->get_n_children = GetNChildren;
  atk->ref_child = RefChild;
  atk->get_index_in_parent = GetIndexInParent;
  atk->get_role = GetRole;
  atk->ref_state_set = RefStateSet;
  atk->get_attributes = GetAttributes;
}

void InstanceInit(GTypeInstance* instance, gpointer) {
  reinterpret_cast<Instance*>(instance)->data = new AtkAccessibleData;
}

// ---- the types by interface

GType BaseType() {
  static const GType type = [] {
    const GTypeInfo info = {sizeof(Class), nullptr, nullptr, ClassInit, nullptr, nullptr,
                            sizeof(Instance), 0, InstanceInit, nullptr};
    const GType base = g_type_register_static(ATK_TYPE_OBJECT, "TrellisAtkAccessible", &info,
                                              G_TYPE_FLAG_ABSTRACT);
    return base;
  }();
  return type;
}

// One type for each set of interfaces, made on first use; component is in every one.
GType TypeWith(unsigned interfaces) {
  static std::array<GType, kAtkInterfaceSets> types{};
  GType& type = types[interfaces];
  if (type) return type;
  const GTypeInfo info = {sizeof(Class), nullptr, nullptr, nullptr, nullptr, nullptr,
                          sizeof(Instance), 0, nullptr, nullptr};
  const std::string name = "TrellisAtkAccessible" + std::to_string(interfaces);
  type = g_type_register_static(BaseType(), name.c_str(), &info, GTypeFlags(0));
  AddAtkInterfaces(type, interfaces);
  return type;
}

unsigned InterfacesFor(const AccessibleNode& node) {
  unsigned interfaces = 0;
  const LONG role = Role(node);
  if (!DefaultAction(node).empty()) interfaces |= kAtkAction;
  if (role == LONG(ROLE_SYSTEM_SCROLLBAR)) interfaces |= kAtkValue;
  if (role == LONG(ROLE_SYSTEM_LIST) || role == LONG(ROLE_SYSTEM_OUTLINE) ||
      role == LONG(ROLE_SYSTEM_TABLE))
    interfaces |= kAtkSelection;
  if (role == LONG(ROLE_SYSTEM_TEXT) && node.IsSelf()) {
    CComPtr<IAccessibleText> text;
    if (SUCCEEDED(node.object->QueryInterface(IID_IAccessibleText,
                                              reinterpret_cast<void**>(&text))))
      interfaces |= kAtkText;
  }
  return interfaces;
}

}  // namespace

AtkObject* NewAtkAccessible(AtkTree& tree, const AccessibleNode& node, bool topLevel) {
  auto* object = ATK_OBJECT(g_object_new(TypeWith(InterfacesFor(node)), nullptr));
  AtkAccessibleData* data = DataOf(object);
  data->tree = &tree;
  data->node = node;
  data->topLevel = topLevel;
  atk_object_initialize(object, nullptr);
  // What the reader sees first; changes are told against it.
  data->told = atk_object_ref_state_set(object);
  if (ATK_IS_TEXT(object)) data->textLength = atk_text_get_character_count(ATK_TEXT(object));
  return object;
}

AtkAccessibleData* LiveData(gpointer object) {
  AtkAccessibleData* data = DataOf(object);
  return data && data->tree ? data : nullptr;
}

void Orphan(AtkObject* object) {
  AtkAccessibleData* data = DataOf(object);
  if (!data || !data->tree) return;
  data->tree = nullptr;
  data->node = AccessibleNode{};
  atk_object_notify_state_change(object, ATK_STATE_DEFUNCT, TRUE);
}

AtkStateSet* ExchangeToldStates(AtkObject* object, AtkStateSet* now) {
  AtkAccessibleData* data = DataOf(object);
  if (!data) {
    g_object_unref(now);
    return nullptr;
  }
  return std::exchange(data->told, now);
}

}  // namespace platform::atk
