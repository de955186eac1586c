#include "tests/tree/TreeFixture.h"

namespace trellis::test {

TreeFixture::TreeFixture() {
  parent.react = [this](Notice n) {
    const auto* package = CPackager<tagNM_TREECONTAINER>::FromLParam(n.lParam);
    if (!package) return;
    const tagNM_TREECONTAINER& v = package->Value();
    notices.push_back({n.msg, n.msg == WM_KEYDOWN ? UINT(n.wParam) : v.hdr.code, v.item.nID,
                       v.item.strText.GetString(), v.bPathText});
    if (onNotice) onNotice(notices.back());
  };
}

_TREE_ITEM ItemById(const CElementTree& tree, int id) {
  _TREE_ITEM item;
  tree.GetItemById(id, item);
  return item;
}

TreeFixture::~TreeFixture() { DropTree(); }

void TreeFixture::DropTree() {
  if (!tree) return;
  tree->ReleaseObject();
  tree->Release();
  tree = nullptr;
}

TestTree& TreeFixture::Make(int cx, int cy, TREE_SHOW_STYLE style) {
  DropTree();
  tree = new TestTree;
  tree->AddRef();
  tree->SetShowStyle(style);
  _CONTAINER_INFO info = Info(kTreeX, kTreeY, cx, cy, 7);
  tree->InitObject(L"tree", &info);
  // Keys reach the element with the keyboard focus, as after the user's first click.
  tree->SetFocus();
  return *tree;
}

void TreeFixture::Fill(int tops, int children, int grandchildren, TREE_ITEM_CHECK check,
                       int height) {
  const auto add = [&](const std::wstring& text, _TREE_ITEM* parent) {
    _TREE_ITEM item{.nHeight = height, .eCheck = check, .strText = text.c_str()};
    tree->InsertItem(item, parent);
    return item;
  };
  for (int t = 1; t <= tops; ++t) {
    _TREE_ITEM top = add(std::to_wstring(t), nullptr);
    for (int c = 1; c <= children; ++c) {
      _TREE_ITEM child = add(std::to_wstring(t) + L"." + std::to_wstring(c), &top);
      for (int g = 1; g <= grandchildren; ++g)
        add(std::to_wstring(t) + L"." + std::to_wstring(c) + L"." + std::to_wstring(g), &child);
    }
  }
  tree->RecalcAndRefresh();
  Pump();
}

TreeRowGeometry TreeFixture::Geometry(int row) {
  const CRect rect = tree->GetShowRects().at(std::size_t(row));
  const int id = tree->ShownIds().at(std::size_t(tree->GetFirstShow() + row));
  tree->Painter().SetItemValue(ItemById(*tree, id));
  return tree->Painter().GetRowGeometry(rect, 20);
}

POINT TreeFixture::TextPoint(int row) {
  const TreeRowGeometry g = Geometry(row);
  return {g.textX + 4, g.mid};
}

POINT TreeFixture::CheckPoint(int row) {
  const TreeRowGeometry g = Geometry(row);
  return {g.check.CenterPoint().x, g.mid};
}

POINT TreeFixture::ButtonPoint(int row) {
  const TreeRowGeometry g = Geometry(row);
  return {g.button.CenterPoint().x, g.mid};
}

}  // namespace trellis::test
