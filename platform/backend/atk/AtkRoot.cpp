#include "platform/backend/atk/AtkRoot.h"

#include <vector>

#include "platform/backend/atk/AtkTree.h"

namespace platform::atk {

namespace {

struct Instance {
  AtkObject parent;
  AtkTree* tree;
};

struct Class {
  AtkObjectClass parent;
};

GType RootType();

AtkTree* TreeOf(AtkObject* root) { return reinterpret_cast<Instance*>(root)->tree; }

gint GetNChildren(AtkObject* root) {
  AtkTree* tree = TreeOf(root);
  return tree ? gint(tree->TopLevels().size()) : 0;
}

AtkObject* RefChild(AtkObject* root, gint index) {
  AtkTree* tree = TreeOf(root);
  if (!tree || index < 0) return nullptr;
  const std::vector<AccessibleNode> windows = tree->TopLevels();
  if (std::size_t(index) >= windows.size()) return nullptr;
  AtkObject* window = tree->ObjectFor(windows[std::size_t(index)]);
  return window ? ATK_OBJECT(g_object_ref(window)) : nullptr;
}

void ClassInit(gpointer klass, gpointer) {
  auto* object = ATK_OBJECT_CLASS(klass);
  object->get_n_children = GetNChildren;
  object->ref_child = RefChild;
}

GType RootType() {
  static const GType type = g_type_register_static_simple(
      ATK_TYPE_OBJECT, "TrellisAtkRoot", sizeof(Class), ClassInit, sizeof(Instance), nullptr,
      GTypeFlags(0));
  return type;
}

}  // namespace

AtkObject* NewAtkRoot(const char* name) {
  auto* root = ATK_OBJECT(g_object_new(RootType(), nullptr));
  reinterpret_cast<Instance*>(root)->tree = nullptr;
  atk_object_set_role(root, ATK_ROLE_APPLICATION);
  atk_object_set_name(root, name);
  return root;
}

void SetRootTree(AtkObject* root, AtkTree* tree) { reinterpret_cast<Instance*>(root)->tree = tree; }

}  // namespace platform::atk
