/// @class CElementDropdown
/// A drop list whose text area is an edit box (CElementEdit), a child element it makes and
/// holds. The user types into the box or picks a row from the pop-up; a picked row's text
/// replaces what the box holds. Items, selection, notifications, the frame, the arrow and the
/// pop-up are the drop list's.
///
/// While the pop-up is open and the box has the focus, Up, Down, Page Up, Page Down, Enter,
/// Escape and the wheel go to the pop-up; every other key edits. Opening and closing without a
/// choice leave the typed text as it is. The box starts with the control's creation name as its
/// text.
#pragma once

#include "droplist/CElementDropList.h"
#include "edit/CElementEdit.h"
#include "platform/com/CComPtr.h"

class CElementDropdown : public CElementDropList {
 public:
  /// An empty drop-down; InitObject makes its edit box.
  CElementDropdown() = default;
  ///@{
  /// A copy shares the original's edit box.
  CElementDropdown(const CElementDropdown& other) = default;
  CElementDropdown& operator=(const CElementDropdown& other) = default;
  ///@}
  /// Drops its reference to the edit box.
  ~CElementDropdown() override = default;

  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override;
  /// The edit box; null before InitObject.
  CElementEdit* GetEdit() const { return m_pEdit; }

  /// The drop list's description, with the edit box's text as the value; the edit box is a
  /// child of its own.
  void DescribeAccessible(platform::AccessibleFacts& facts) const override;

 protected:
  int OnLButtonDown(POINT pt) override;
  int OnSize(UINT type, int cx, int cy) override;
  int OnEnable() override;
  int OnChildsProc(CElementContainer* child, UINT msg, WPARAM wParam, LPARAM lParam) override;
  int OnControlMessage(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnDropListSelected(int nIndex) override;

 private:
  /// The edit box covers the face but for the arrow.
  int EditWidth(int faceWidth) const { return faceWidth - m_rcArrow.Width(); }

  CComPtr<CElementEdit> m_pEdit;
};
