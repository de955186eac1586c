#include "tree/CElementTree.h"

void CElementTree::InsertItem(_TREE_ITEM& item, _TREE_ITEM* parent) {
  CTreeStore::InsertItem(item, parent,
                         {GetColor(COLOR_PART_TEXT, COLOR_STATE_NORMAL),
                          GetColor(COLOR_PART_PANEL, COLOR_STATE_NORMAL)});
}
