// A tree in a host window for tests: the parent's hook decodes the tree's notification packages
// as they arrive, and helpers fill the tree and reach its layout.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/mfc/CPaintDC.h"
#include "tests/support/HostFixture.h"
#include "tree/CElementTree.h"

namespace trellis::test {

// What the tree exposes to its own tests.
class TestTree : public CElementTree {
 public:
  using CElementTree::CalcPointItemPos;
  using CElementTree::GetItemInShowPos;
  using CElementTree::OnControlMessage;
  using CElementTree::OnVScroll;
  using CElementTree::ResetScrollPos;
  // The first row, as a host-driven scroll would leave it before any recalculation.
  void SetFirstShow(int first) { m_nFirstShow = first; }
  const std::vector<int>& ShownIds() const { return m_vecShowItems; }
  CTreeItem& Painter() { return *m_pItemPainter; }
  void OpenAll() {
    for (_TREE_ITEM& item : m_vecItems) item.nOpen = 1;
    RecalcAndRefresh();
  }
  // The bounds of every paint since a test last emptied it, in element coordinates.
  CRect painted;
  int OnPaint(CPaintDC* dc) override {
    CRect clip;
    if (dc->GetClipBox(&clip) != NULLREGION) painted |= clip;
    return CElementTree::OnPaint(dc);
  }
};

// One notification, read while the package was alive.
struct TreeNotice {
  UINT msg;
  UINT code;  // the NMHDR code; for WM_KEYDOWN the key
  int id;     // the item in the package
  std::wstring text;
  int pathText;
};

// A copy of an item's record, or a default record for an id that names none.
_TREE_ITEM ItemById(const CElementTree& tree, int id);

class TreeFixture : public HostFixture {
 protected:
  static constexpr int kTreeX = 10;
  static constexpr int kTreeY = 10;

  TreeFixture();
  ~TreeFixture() override;

  // Makes the tree at its size, in `style`, in place of any made before; items come after.
  TestTree& Make(int cx, int cy, TREE_SHOW_STYLE style = TREE_STYLE_LINE);
  // Ends the tree and drops the fixture's reference to it.
  void DropTree();
  // `tops` top-level items, each with `children` children, each with `grandchildren`; every
  // item text names its place ("2", "2.1", "2.1.3"); ids follow insertion order.
  void Fill(int tops, int children = 0, int grandchildren = 0,
            TREE_ITEM_CHECK check = TREE_CHECK_NONE, int height = 20);
  // The middle of the text of laid-out row `row`.
  POINT TextPoint(int row);
  POINT CheckPoint(int row);
  POINT ButtonPoint(int row);
  void ClickAt(POINT pt) { Click(*tree, pt.x, pt.y); }
  // The painter's parts of laid-out row `row`.
  TreeRowGeometry Geometry(int row);

  // The tree's notices, decoded while each package was alive, and a hook that runs inside each.
  std::vector<TreeNotice> notices;
  std::function<void(const TreeNotice&)> onNotice;
  TestTree* tree = nullptr;  // one reference, dropped by the fixture unless a test let it go
};

}  // namespace trellis::test
