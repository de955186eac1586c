// The edit box: empty, with text, selected, scrolled, focused with its caret, hovered, disabled,
// read-only and with its context menu open.
#include "apps/gallery/EditPage.h"

#include "edit/CElementEdit.h"
#include "host/CElementHost.h"

namespace {

constexpr int kEditWidth = 150;
constexpr int kEditHeight = 24;
constexpr const wchar_t* kSample = L"编辑框 Edit box";
// Where the menu look right-clicks, and the room its photograph takes below and right of it.
constexpr POINT kMenuPoint{40, 12};
constexpr int kMenuAreaWidth = 130;
constexpr int kMenuAreaHeight = 160;
constexpr const wchar_t* kLongSample = L"A line far longer than the box: 比编辑框还宽的一行文字";

CElementEdit* MakeEdit(GalleryBoard& board, const wchar_t* text, const wchar_t* caption) {
  auto* edit = board.Make<CElementEdit>();
  _CONTAINER_INFO info = board.Cell(kEditWidth, kEditHeight, caption);
  info.SetText(text);
  edit->InitObject(L"edit", &info);
  return edit;
}

void DropFocus(CElementEdit* edit) {
  if (CElementHost* host = edit->GetHost()) host->SetFocus(nullptr);
}

}  // namespace

void BuildEditPage(GalleryBoard& board) {
  board.Section(L"Edit box");
  MakeEdit(board, L"", L"empty");
  MakeEdit(board, kSample, L"with text");
  MakeEdit(board, kSample, L"selected")->SelectAllText();

  CElementEdit* scrolled = MakeEdit(board, kLongSample, L"scrolled to the end");
  // Scrolled as the user would, so that it stays scrolled without the focus; the picture shows
  // it with the focus and the caret at the end.
  scrolled->SetFocus();
  ::SendMessageW(scrolled->GetVMWindow(), WM_KEYDOWN, VK_END, 0);
  DropFocus(scrolled);
  board.PoseCustom(
      scrolled,
      [scrolled](GalleryActor& actor) {
        scrolled->SetFocus();
        actor.Key(VK_END);
      },
      [scrolled](GalleryActor&) { DropFocus(scrolled); });

  board.Pose(MakeEdit(board, kSample, L"focused, caret"), PoseKind::Focused);
  board.Pose(MakeEdit(board, kSample, L"hover"), PoseKind::Hover, {60, 12});
  MakeEdit(board, kSample, L"disabled")->Enable(0);
  MakeEdit(board, kSample, L"read-only")->SetReadOnly(1);

  CElementEdit* withMenu = MakeEdit(board, kSample, L"context menu");
  withMenu->SelectAllText();
  const CRect place = withMenu->GetContainerRect();
  board.PoseCustom(
      withMenu, [withMenu](GalleryActor& actor) { actor.RightClick(*withMenu, kMenuPoint); },
      [withMenu](GalleryActor& actor) {
        actor.Key(VK_ESCAPE);
        DropFocus(withMenu);
      },
      CRect(place.left, place.top, place.left + kMenuPoint.x + kMenuAreaWidth,
            place.top + kMenuPoint.y + kMenuAreaHeight));
}
