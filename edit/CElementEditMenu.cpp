// The edit box's context menu and its commands. Commands from the menu tell the parent nothing.
#include "edit/CElementEdit.h"
#include "host/CMenuEx.h"
#include "host/ElementWatch.h"
#include "platform/mfc/CWnd.h"

int CElementEdit::OnRButtonUp(POINT pt) {
  if (!IsEnable() || m_bReadOnly) return 0;
  const UINT needsSelection = m_model.HasSelection() ? MF_ENABLED : MF_GRAYED;
  CMenuEx menu(CMenuEx::OPEN_DOWN, CMenuEx::MENUBK_SOLID);
  menu.AppendMenuEx(MF_ENABLED, EDIT_MENU_UNDO, L"撤销");
  menu.AppendMenuEx(needsSelection, EDIT_MENU_CUT, L"剪切");
  menu.AppendMenuEx(needsSelection, EDIT_MENU_COPY, L"拷贝");
  menu.AppendMenuEx(MF_ENABLED, EDIT_MENU_PASTE, L"粘贴");
  if (m_model.Length() > 0) menu.AppendMenuEx(MF_ENABLED, EDIT_MENU_DELETE, L"删除");
  menu.AppendMenuEx(MF_ENABLED, EDIT_MENU_SELECTALL, L"全选");
  // At the pointer: the point in the host window's client area, then on the screen.
  const CRect place = GetContainerRect();
  POINT at{pt.x + place.left, pt.y + place.top};
  ::ClientToScreen(GetVMWindow(), &at);
  // Taking the focus tells the parent, which may end the edit there.
  const ElementWatch alive(*this);
  SetFocus();
  if (!alive.Alive()) return 1;
  menu.TrackPopupMenuWithContainerID(TPM_RIGHTBUTTON, at.x, at.y, GetWndContainer(), GetID(),
                                     nullptr);
  return 1;
}

int CElementEdit::OnMenuCommand(DWORD id) {
  switch (id) {
    case EDIT_MENU_UNDO: Undo(); break;
    case EDIT_MENU_CUT: CutOperation(); break;
    case EDIT_MENU_COPY: CopyToChipboard(); break;
    case EDIT_MENU_PASTE: PasteOperation(); break;
    case EDIT_MENU_DELETE:
      // Empties the whole text, selected or not.
      m_model.SelectAll();
      DeleteSelect();
      break;
    case EDIT_MENU_SELECTALL: m_model.SelectAll(); break;
    default: break;
  }
  Redraw();
  return 1;
}
