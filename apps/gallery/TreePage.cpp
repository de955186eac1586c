// The tree view: a line-style tree (three levels, buttons, check boxes in all three states, a
// cut text, a focused row, a scroll bar), and flat-style trees with a focus gradient, a focused
// child and a hovered item showing its tip.
#include "apps/gallery/TreePage.h"

#include <vector>

#include "tree/CElementTree.h"

namespace {

constexpr int kLineWidth = 230;
constexpr int kFlatWidth = 200;
constexpr int kTreeHeight = 190;
// Where the hovered tip shows: to the right of the flat tree.
constexpr int kTipRoom = 120;

struct Node {
  const wchar_t* text;
  int level;
  TREE_ITEM_CHECK check = TREE_CHECK_NONE;
  BOOL tip = 0;
};

// Inserts the nodes in order, each under the last node one level up; returns their ids.
std::vector<int> Insert(CElementTree& tree, const std::vector<Node>& nodes) {
  std::vector<_TREE_ITEM> chain;  // the last item of each level
  std::vector<int> ids;
  for (const Node& node : nodes) {
    _TREE_ITEM item;
    item.strText = node.text;
    item.eCheck = node.check;
    item.bHaveTip = node.tip;
    chain.resize(std::size_t(node.level));
    tree.InsertItem(item, node.level == 0 ? nullptr : &chain.back());
    chain.push_back(item);
    ids.push_back(item.nID);
  }
  return ids;
}

CElementTree* MakeTree(GalleryBoard& board, TREE_SHOW_STYLE style, int cx, const wchar_t* caption) {
  auto* tree = board.Make<CElementTree>();
  tree->SetShowStyle(style);
  _CONTAINER_INFO info = board.Cell(cx, kTreeHeight, caption);
  tree->InitObject(L"tree", &info);
  return tree;
}

void BuildLineTree(GalleryBoard& board) {
  CElementTree* tree = MakeTree(board, TREE_STYLE_LINE, kLineWidth, L"line style");
  tree->SetDivideLineColor(RGB(0x8A, 0x8A, 0x8A));
  tree->SetFocusBgColor(RGB(0xCC, 0xE4, 0xF7));
  const std::vector<Node> nodes = {
      {L"Documents", 0, TREE_CHECK_NO},
      {L"Reports", 1, TREE_CHECK_NO},
      {L"2025 annual report, final version for the board", 2, TREE_CHECK_NO},
      {L"Quarterly figures", 2, TREE_CHECK_NO},
      {L"Letters", 1, TREE_CHECK_NO},
      {L"图片 Pictures", 0, TREE_CHECK_NO},
      {L"Holidays", 1, TREE_CHECK_NO},
      {L"Family", 1, TREE_CHECK_NO},
      {L"Music", 0, TREE_CHECK_NO},
      {L"Videos", 0, TREE_CHECK_NO},
      {L"Downloads", 0, TREE_CHECK_NO},
      {L"Archive", 0, TREE_CHECK_NO},
      {L"Old projects", 1},
      {L"Backups", 0, TREE_CHECK_NO},
  };
  const std::vector<int> ids = Insert(*tree, nodes);
  tree->SetFocusItem(ids[6]);  // opens 图片
  tree->SetFocusItem(ids[3]);  // opens Documents and Reports, closes the rest
  tree->SetItemCheck(ids[2], TREE_CHECK_YES);  // Reports half checked, Documents too
  tree->SetItemCheck(ids[5], TREE_CHECK_YES);
  tree->RecalcAndRefresh();
}

CElementTree* BuildFlatTree(GalleryBoard& board, const wchar_t* caption) {
  CElementTree* tree = MakeTree(board, TREE_STYLE_FLAT, kFlatWidth, caption);
  tree->SetDivideLineColor(RGB(0x33, 0x33, 0x33));
  const std::vector<Node> nodes = {
      {L"Inbox", 0, TREE_CHECK_NONE, 1}, {L"Today", 1}, {L"Yesterday", 1, TREE_CHECK_NONE, 1},
      {L"Sent", 0},  {L"Drafts", 0},  {L"Projects", 0}, {L"Garden", 1}, {L"Kitchen", 1},
      {L"Archive", 0},
  };
  const std::vector<int> ids = Insert(*tree, nodes);
  _TREE_ITEM_TIP tip;
  tip.nItemID = ids[0];
  tip.strTip = L"Inbox";
  tip.vecTipLines = {L"12 unread"};
  tip.vecTipTable = {{L"From", L"Ann"}, {L"Subject", L"Plans"}};
  tree->SetTipsValue({tip});
  tree->RecalcAndRefresh();
  return tree;
}

}  // namespace

void BuildTreePage(GalleryBoard& board) {
  board.Section(L"Tree view");
  BuildLineTree(board);

  CElementTree* headed = BuildFlatTree(board, L"flat, focus gradient");
  headed->SetFocusHeadGradient({RGB(0xF4, 0xF4, 0xF4), RGB(0xC8, 0xC8, 0xC8)});
  headed->SetFocusItem(4);  // Sent

  CElementTree* hovered = BuildFlatTree(board, L"flat, child focus, tip");
  hovered->SetFocusBgL2Color(RGB(0x6A, 0x8C, 0xB0));
  hovered->SetFocusItem(2);  // Today, under Inbox
  const CRect place = hovered->GetContainerRect();
  // The pointer rests on Inbox until its tip shows.
  board.PoseCustom(
      hovered, [hovered](GalleryActor& actor) { actor.MoveTo(*hovered, {40, 10}); },
      [](GalleryActor&) {},
      CRect(place.left, place.top, place.right + kTipRoom, place.bottom));
}
