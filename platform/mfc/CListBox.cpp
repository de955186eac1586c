#include "platform/mfc/CListBox.h"

int CListBox::InitStorage(int items, UINT bytes) {
  return int(Send(LB_INITSTORAGE, WPARAM(items), LPARAM(bytes)));
}

int CListBox::AddString(LPCWSTR text) {
  return int(Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
}

int CListBox::InsertString(int index, LPCWSTR text) {
  return int(Send(LB_INSERTSTRING, WPARAM(index), reinterpret_cast<LPARAM>(text)));
}

int CListBox::DeleteString(UINT index) { return int(Send(LB_DELETESTRING, index)); }
void CListBox::ResetContent() { Send(LB_RESETCONTENT); }
int CListBox::GetCount() const { return int(Send(LB_GETCOUNT)); }
int CListBox::GetCurSel() const { return int(Send(LB_GETCURSEL)); }
int CListBox::SetCurSel(int index) { return int(Send(LB_SETCURSEL, WPARAM(index))); }
int CListBox::GetTopIndex() const { return int(Send(LB_GETTOPINDEX)); }
int CListBox::SetTopIndex(int index) { return int(Send(LB_SETTOPINDEX, WPARAM(index))); }
int CListBox::GetItemHeight(int index) const { return int(Send(LB_GETITEMHEIGHT, WPARAM(index))); }

int CListBox::SetItemHeight(int index, UINT height) {
  return int(Send(LB_SETITEMHEIGHT, WPARAM(index), MAKELPARAM(height, 0)));
}

int CListBox::GetText(int index, LPWSTR out) const {
  return int(Send(LB_GETTEXT, WPARAM(index), reinterpret_cast<LPARAM>(out)));
}

void CListBox::GetText(int index, CString& out) const {
  const int length = GetTextLen(index);
  if (length == LB_ERR) {
    out.Empty();
    return;
  }
  GetText(index, out.GetBuffer(length));
  out.ReleaseBuffer(length);
}

int CListBox::GetTextLen(int index) const { return int(Send(LB_GETTEXTLEN, WPARAM(index))); }

int CListBox::GetItemRect(int index, LPRECT rect) const {
  return int(Send(LB_GETITEMRECT, WPARAM(index), reinterpret_cast<LPARAM>(rect)));
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& outside) const {
  const auto result = DWORD(Send(LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y)));
  outside = HIWORD(result) != 0;
  return LOWORD(result);
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT) {}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  if (message != WM_DRAWITEM) return CWnd::OnChildNotify(message, wParam, lParam, result);
  DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
  if (result) *result = TRUE;
  return TRUE;
}
