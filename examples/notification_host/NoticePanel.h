// The second example host's own element. It fills the window, makes a tree with check boxes, a
// drop list and a date picker as its children, and shows each notification they send in its
// status line (and on standard output): which control, the code's name and what the
// notification carries.
#pragma once

#include "datepicker/CElementDatePicker.h"
#include "droplist/CElementDropList.h"
#include "platform/com/CComPtr.h"
#include "tree/CElementTree.h"

class NoticePanel : public CElementContainer {
 public:
  static constexpr DWORD kTreeId = 1;
  static constexpr DWORD kListId = 2;
  static constexpr DWORD kDateId = 3;
  static constexpr int kWidth = 480;
  static constexpr int kHeight = 300;

  NoticePanel() = default;
  ~NoticePanel() override;

  // Makes the panel in `root` (a host window's root element), then its three controls.
  int Create(CElementContainer* root);
  const CString& Status() const { return m_status; }

 protected:
  int OnPaint(CPaintDC* dc) override;
  int OnControlMessage(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void MakeTree();
  void MakeList();
  void MakeDate();
  // The status line's text for one notification, or an empty text for one it does not know.
  CString Describe(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam) const;
  void SetStatus(const CString& text);

  CComPtr<CElementTree> m_tree;
  CComPtr<CElementDropList> m_list;
  CComPtr<CElementDatePicker> m_date;
  CString m_status = L"Check an item, choose from the list, pick a date.";
};
