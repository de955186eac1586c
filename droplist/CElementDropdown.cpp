#include "droplist/CElementDropdown.h"

#include <string>

#include "droplist/CDropWnd.h"
#include "host/ElementWatch.h"

namespace {

// The keys the open pop-up takes from the edit box.
bool IsListKey(UINT vk) {
  switch (vk) {
    case VK_UP:
    case VK_DOWN:
    case VK_PRIOR:
    case VK_NEXT:
    case VK_RETURN:
    case VK_ESCAPE:
      return true;
    default:
      return false;
  }
}

constexpr DWORD kFrameStates[] = {COLOR_STATE_NORMAL, COLOR_STATE_DISABLE, COLOR_STATE_HOVER,
                                  COLOR_STATE_FOCUS, COLOR_STATE_PUSH};

}  // namespace

int CElementDropdown::InitObject(const wchar_t* name, _CONTAINER_INFO* info) {
  if (!info || !CElementDropList::InitObject(name, info)) return 0;
  m_pEdit = new CElementEdit;
  const wchar_t* creationName = info->Name() ? info->Name() : L"";
  const std::wstring editName = std::wstring(creationName) + L"_Drop_Down_Edit";
  _CONTAINER_INFO edit = *info;
  edit.SetName(editName.c_str());
  // The box sits at this control's own corner: the caller's position is this control's place
  // in its parent, not the box's place in this control.
  edit.SetPosition(0, 0);
  edit.SetSize(EditWidth(info->Width()), kFaceHeight);
  edit.SetParent(this);
  // Named from the record, "<name>_Drop_Down_Edit", like the drop window.
  m_pEdit->InitObject(nullptr, &edit);
  m_pEdit->SetText(creationName);
  for (const DWORD state : kFrameStates)
    m_pEdit->SetColor(GetColor(COLOR_PART_FRAME, state), COLOR_PART_FRAME, state);
  m_pEdit->SetShowColor(COLOR_STATE_NORMAL);
  return 1;
}

void CElementDropdown::OnDropListSelected(int nIndex) {
  // The box shows the choice before the parent hears of it.
  if (m_pEdit && nIndex >= 0 && nIndex < GetCount()) m_pEdit->SetText(GetItemText(nIndex).c_str());
  CElementDropList::OnDropListSelected(nIndex);
}

int CElementDropdown::OnEnable() {
  if (m_pEdit) m_pEdit->Enable(IsEnable());
  return CElementDropList::OnEnable();
}

int CElementDropdown::OnLButtonDown(POINT pt) {
  const ElementWatch watch(*this);
  CElementDropList::OnLButtonDown(pt);
  if (watch.Alive() && m_pEdit && IsEnable()) m_pEdit->SetFocus();
  return 1;
}

int CElementDropdown::OnSize(UINT type, int cx, int cy) {
  CElementDropList::OnSize(type, cx, cy);
  if (m_pEdit) m_pEdit->MoveContainer(0, 0, EditWidth(cx), m_pEdit->GetRectInParent().Height());
  return 1;
}

int CElementDropdown::OnChildsProc(CElementContainer* child, UINT msg, WPARAM wParam,
                                   LPARAM lParam) {
  // The focused box would take the wheel turns meant for the open list.
  if (child == m_pEdit && msg == WM_MOUSEWHEEL && IsDropped()) {
    SkipMsg();
    GetDropWnd()->ScrollByWheel(GET_WHEEL_DELTA_WPARAM(wParam));
    return 1;
  }
  if (child == m_pEdit && msg == WM_KEYDOWN && IsDropped() && IsListKey(UINT(wParam))) {
    // Skipped first: Enter chooses a row, and the parent may destroy this control on hearing it.
    SkipMsg();
    GetDropWnd()->HandleKey(UINT(wParam));
    return 1;
  }
  return CElementDropList::OnChildsProc(child, msg, wParam, lParam);
}

int CElementDropdown::OnControlMessage(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The box losing the focus to anything outside this control closes the pop-up.
  const auto* header = msg == WM_NOTIFY ? reinterpret_cast<const NMHDR*>(lParam) : nullptr;
  if (header && header->code == CElementEdit::EDIT_NOTIFY_KILLFOCUS && !FocusStaysInside())
    CloseDropListWnd();
  return CElementDropList::OnControlMessage(fromId, msg, wParam, lParam);
}
