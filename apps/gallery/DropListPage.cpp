// The drop list closed, hovered, focused and disabled, open with its skinned scroll bar (more
// rows than a page), and the drop-down with an edit face, open. Each open look keeps room for
// its pop-up under it, so the pop-up covers no other cell; the live board has no open looks.
#include "apps/gallery/DropListPage.h"

#include "droplist/CElementDropdown.h"
#include "host/CElementHost.h"

namespace {

constexpr int kWidth = 150;
constexpr int kFaceHeight = CElementDropList::kFaceHeight;
constexpr int kPageRows = 8;
// A pop-up of a full page: its rows, its border, and the pixel it shares with the face.
constexpr int kPopupRoom = kPageRows * 18 + 2 - 1;
constexpr const wchar_t* kFruits[] = {
    L"苹果 Apple",       L"香蕉 Banana",     L"樱桃 Cherry",   L"枣 Date",     L"接骨木 Elderberry",
    L"无花果 Fig",       L"葡萄 Grape",      L"蜜瓜 Honeydew", L"猕猴桃 Kiwi", L"柠檬 Lemon",
    L"芒果 Mango",       L"油桃 Nectarine",  L"橙子 Orange",   L"木瓜 Papaya", L"榅桲 Quince",
    L"覆盆子 Raspberry", L"草莓 Strawberry", L"橘子 Tangerine"};

template <class T>
T* MakeDrop(GalleryBoard& board, const wchar_t* caption, int room = 0) {
  auto* drop = board.Make<T>();
  // The cell is as tall as the face and the room its pop-up needs; the face stays 18 high.
  _CONTAINER_INFO info = board.Cell(kWidth, kFaceHeight + room, caption);
  info.SetName(L"fruit");
  drop->InitObject(L"fruit", &info);
  for (const wchar_t* fruit : kFruits) drop->AddString(fruit);
  drop->SetDropPageCount(kPageRows);
  drop->SetCurSel(2);
  return drop;
}

// Opens the pop-up as the user does, by a click on the arrow; the photograph takes the face
// and the pop-up under it.
void PoseOpen(GalleryBoard& board, CElementDropList* drop) {
  const POINT arrow{kWidth - 7, kFaceHeight / 2};
  const CRect face = drop->GetContainerRect();
  board.PoseCustom(
      drop,
      [drop, arrow](GalleryActor& actor) {
        actor.Press(*drop, arrow);
        actor.Release(*drop, arrow);
      },
      [drop](GalleryActor& actor) {
        actor.Key(VK_ESCAPE);
        actor.Settle();
        if (CElementHost* host = drop->GetHost()) host->SetFocus(nullptr);
      },
      CRect(face.left, face.top, face.right, face.top + kFaceHeight + kPopupRoom));
}

}  // namespace

void BuildDropListPage(GalleryBoard& board) {
  board.Section(L"Drop list and drop-down");
  MakeDrop<CElementDropList>(board, L"closed");
  board.Pose(MakeDrop<CElementDropList>(board, L"hover"), PoseKind::Hover, {40, 9});
  board.Pose(MakeDrop<CElementDropList>(board, L"focused"), PoseKind::Focused);
  MakeDrop<CElementDropList>(board, L"disabled")->Enable(0);
  // The edit box has no hint of its own: it starts empty and the caption says what it is for.
  MakeDrop<CElementDropdown>(board, L"drop-down: type or pick")->GetEdit()->SetText(L"");
  if (board.Live()) return;
  board.Section(L"Drop lists, open");
  PoseOpen(board, MakeDrop<CElementDropList>(board, L"open, scrolling", kPopupRoom));
  auto* dropdown = MakeDrop<CElementDropdown>(board, L"drop-down, open", kPopupRoom);
  dropdown->GetEdit()->SetText(L"");
  PoseOpen(board, dropdown);
}
