#include "platform/backend/atk/AtkRoot.h"

namespace platform::atk {

namespace {

struct AtkRootClass {
  AtkObjectClass parent;
};

GType AtkRootType();

gint GetNChildren(AtkObject*) { return 0; }

AtkObject* RefChild(AtkObject*, gint) { return nullptr; }

void ClassInit(gpointer klass, gpointer) {
  auto* object = ATK_OBJECT_CLASS(klass);
  object->get_n_children = GetNChildren;
  object->ref_child = RefChild;
}

GType AtkRootType() {
  static const GType type = g_type_register_static_simple(
      ATK_TYPE_OBJECT, "TrellisAtkRoot", sizeof(AtkRootClass), ClassInit, sizeof(AtkRoot),
      nullptr, GTypeFlags(0));
  return type;
}

}  // namespace

AtkObject* NewAtkRoot(const char* name) {
  auto* root = ATK_OBJECT(g_object_new(AtkRootType(), nullptr));
  atk_object_set_role(root, ATK_ROLE_APPLICATION);
  atk_object_set_name(root, name);
  return root;
}

}  // namespace platform::atk
