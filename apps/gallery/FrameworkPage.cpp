// The framework's own elements: labels, check boxes and the scroll bar.
#include "apps/gallery/Pages.h"
#include "host/CMenuEx.h"
#include "host/CVerticalScrollbar.h"
#include "platform/mfc/CWnd.h"

namespace {

// A label whose right click opens the framework's menu and which shows the last choice.
class MenuDemo : public CElementControl {
 public:
  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override {
    if (!CElementControl::InitObject(name, info)) return 0;
    RegisterMessage(WM_RBUTTONUP);
    return 1;
  }

 protected:
  int OnRButtonUp(POINT pt) override {
    CMenuEx menu(CMenuEx::OPEN_DOWN, CMenuEx::MENUBK_GRADIENT);
    for (const auto& [id, text] : kItems) menu.AppendMenuEx(MF_ENABLED, id, text);
    menu.AppendMenuEx(MF_GRAYED, 9, L"不可用 Unavailable");
    menu.AppendMenuEx(MF_SEPARATOR, 0, L"");
    menu.AppendMenuEx(MF_ENABLED, 10, L"关于 About");
    POINT at{GetContainerRect().left + pt.x, GetContainerRect().top + pt.y};
    ::ClientToScreen(GetVMWindow(), &at);
    menu.TrackPopupMenuWithContainerID(TPM_RIGHTBUTTON, at.x, at.y, GetWndContainer(), GetID(), nullptr);
    return 1;
  }
  int OnMenuCommand(DWORD id) override {
    CString text;
    text.Format(L"Chose item %u", id);
    SetText(text);
    return 1;
  }

 private:
  static constexpr std::pair<DWORD, const wchar_t*> kItems[] = {
      {1, L"打开 Open"}, {2, L"复制 Copy"}, {3, L"粘贴 Paste"}};
};

CElementControl* MakeLabel(GalleryBoard& board, const wchar_t* text, const wchar_t* caption,
                           ULONG_PTR style = ELEMENT_STYLE_LABEL) {
  auto* label = board.Make<CElementControl>();
  _CONTAINER_INFO info = board.Cell(150, 22, caption, 0, style);
  info.SetText(text);
  label->InitObject(L"label", &info);
  return label;
}

CElementControl* MakeCheckBox(GalleryBoard& board, const wchar_t* caption, DWORD id) {
  auto* box = board.Make<CElementControl>();
  _CONTAINER_INFO info = board.Cell(110, 22, caption, id, ELEMENT_STYLE_CHECKBOX);
  info.SetText(L"选项 Option");
  box->InitObject(L"check", &info);
  return box;
}

CVerticalScrollbar* MakeScrollBar(GalleryBoard& board, const wchar_t* caption, int style) {
  auto* bar = board.Make<CVerticalScrollbar>();
  _CONTAINER_INFO info = board.Cell(14, 120, caption);
  bar->InitObject(L"scroll", &info);
  bar->InitVScrollBar(style);
  bar->SetWidth(14);
  bar->SetRowNumber(100);
  bar->SetPageSize(20);
  bar->UpdateThumbPos(30);
  return bar;
}

}  // namespace

void BuildFrameworkPage(GalleryBoard& board) {
  board.Section(L"Label");
  MakeLabel(board, L"A plain label", L"normal");
  MakeLabel(board, L"中文标签 and Latin", L"Chinese");
  MakeLabel(board, L"Centred", L"centred", ELEMENT_STYLE_CENTER);
  MakeLabel(board, L"Disabled label", L"disabled")->Enable(0);

  board.Section(L"Check box");
  MakeCheckBox(board, L"normal", 101);
  board.Pose(MakeCheckBox(board, L"hover", 102), PoseKind::Hover, {6, 11});
  board.Pose(MakeCheckBox(board, L"pushed", 103), PoseKind::Pushed, {6, 11});
  board.Pose(MakeCheckBox(board, L"focused", 104), PoseKind::Focused);
  MakeCheckBox(board, L"checked", 105)->SetCheck(1);
  MakeCheckBox(board, L"disabled", 106)->Enable(0);
  auto* checkedDisabled = MakeCheckBox(board, L"checked, disabled", 107);
  checkedDisabled->SetCheck(1);
  checkedDisabled->Enable(0);

  board.Section(L"Scroll bar");
  MakeScrollBar(board, L"flat", 0);
  MakeScrollBar(board, L"arrows", VSCROLL_STYLE_ARROWS | VSCROLL_STYLE_FRAME);
  auto* hover = MakeScrollBar(board, L"thumb hover", 0);
  board.Pose(hover, PoseKind::Hover, {7, 45});
  auto* dragging = MakeScrollBar(board, L"dragging", VSCROLL_STYLE_ARROWS | VSCROLL_STYLE_FRAME);
  board.Pose(dragging, PoseKind::Pushed, {7, 50});

  board.Section(L"Menu");
  auto* demo = board.Make<MenuDemo>();
  _CONTAINER_INFO info = board.Cell(200, 22, L"right click: open menu", 120);
  info.SetText(L"Right-click here");
  demo->InitObject(L"menu demo", &info);
  // Open it, rest the pointer on the third row, and take in the menu below the label.
  const CRect place = demo->GetContainerRect();
  board.PoseCustom(
      demo,
      [demo](GalleryActor& actor) {
        actor.RightClick(*demo, {10, 10});
        actor.Settle();
        actor.MoveTo(*demo, {40, 10 + 1 + 3 + 22 * 2 + 11});
      },
      [](GalleryActor& actor) { actor.Key(VK_ESCAPE); },
      CRect(place.left, place.top, place.left + 260, place.top + 170));
}
