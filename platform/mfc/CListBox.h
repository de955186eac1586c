// MFC's list box control object: a window of the platform's "ListBox" class, with its messages
// as member functions. An owner-drawn list box (LBS_OWNERDRAWFIXED) draws its rows in DrawItem:
// the parent's WM_DRAWITEM is reflected back to the list box that sent it.
#pragma once

#include "platform/mfc/CWnd.h"
#include "platform/win32/WinListBox.h"

class CListBox : public CWnd {
 public:
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(WC_LISTBOXW, nullptr, style, rect, parent, id);
  }

  // Results are the messages' own: LB_ERR for an index out of range or a null string.
  int AddString(LPCWSTR text);
  // Room for `items` more rows before adding them; LB_ERRSPACE when there is none.
  int InitStorage(int items, UINT bytes);
  int InsertString(int index, LPCWSTR text);
  int DeleteString(UINT index);
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);
  int GetTopIndex() const;
  int SetTopIndex(int index);
  int GetItemHeight(int index) const;
  int SetItemHeight(int index, UINT height);
  int GetText(int index, LPWSTR out) const;
  // An index out of range leaves `out` empty.
  void GetText(int index, CString& out) const;
  int GetTextLen(int index) const;
  int GetItemRect(int index, LPRECT rect) const;
  // The nearest row; `outside` is TRUE when the point is not on a row of the view.
  UINT ItemFromPoint(CPoint pt, BOOL& outside) const;

  // Draws one row of an owner-drawn list box. This one draws nothing: an owner-drawn list box
  // is a derived class that draws its own rows.
  virtual void DrawItem(LPDRAWITEMSTRUCT dis);

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 private:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
  }
};
