// The "ListBox" window class: a ListBoxModel behind a window. The state lives with the window
// (its first extra bytes) from WM_NCCREATE to WM_NCDESTROY.
//
// Input, as the platform's list box answers it:
//   press                    focus, capture, select the row under the pointer
//   double click             LBN_DBLCLK
//   move while captured      the selection follows the pointer, scrolling a row at a time
//                            when it leaves the view
//   release, or focus lost   the press ends, even when the capture went elsewhere: capture
//   while pressed            released if still held; LBN_SELCHANGE
//   Up, Down, Page Up/Down,  the caret and selection move and are scrolled into view;
//   Home, End, characters    LBN_SELCHANGE when the selection changed
//   wheel                    three rows a notch (a page when fewer fit); the selection stays
//   WM_VSCROLL               from the WS_VSCROLL child or anyone: the first row shown moves
// Scrolling copies the rows that stay in view and repaints only the rows that came in.
#pragma once

#include "platform/controls/ListBoxModel.h"
#include "platform/controls/TypeAhead.h"
#include "platform/win32/WinListBox.h"
#include "platform/win32/WinUser.h"

namespace platform {

LRESULT CALLBACK ListBoxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

class ListBoxControl {
 public:
  explicit ListBoxControl(HWND hwnd);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  // ---- messages (ListBoxControl.cpp)
  LRESULT OnCreate();
  LRESULT AddOrInsert(int index, LPARAM lParam);
  LRESULT InitStorage(int rows, LPARAM bytes);
  LRESULT Delete(int index);
  LRESULT SetCurSel(int index);
  // LB_FINDSTRING and LB_FINDSTRINGEXACT: the row's index or LB_ERR.
  LRESULT Find(int after, LPARAM lParam, bool whole) const;
  LRESULT GetText(int index, LPWSTR out) const;
  LRESULT GetTextLength(int index) const;
  LRESULT GetItemRect(int index, RECT* out) const;
  LRESULT ItemFromPoint(POINT pt) const;
  void SetFont(HFONT font, bool redraw);
  void OnSize();

  // ---- input (ListBoxInput.cpp)
  void OnButtonDown(POINT pt);
  void OnDoubleClick();
  void OnMouseMove(POINT pt);
  // Ends a press: by the release, or by the focus leaving before the release came.
  void EndPress();
  void OnKeyDown(UINT vk);
  void OnChar(wchar_t ch);
  void OnWheel(short delta);
  void OnFocus(bool focused);
  // Tells assistive technology of the new selection (and of the focus on it while focused).
  void AnnounceSelection() const;
  // Selects a row as the user did, scrolls it into view and repaints; true when the selection
  // changed.
  bool MoveSelectionTo(int index);

  // ---- painting (ListBoxPaint.cpp)
  void OnPaint();
  void PaintRow(HDC hdc, int index, const RECT& rect, bool ownerDraw, bool enabled);

  // ---- the view
  DWORD Style() const { return DWORD(GetWindowLongW(m_hwnd, GWL_STYLE)); }
  // Whether the rows have texts is settled when the window is made, as the platform's list box
  // settles it: a later change of the style changes nothing.
  bool HasStrings() const { return m_hasStrings; }
  bool OwnerDraw() const { return Style() & LBS_OWNERDRAWFIXED; }
  int ViewWidth() const;
  RECT RowRect(int index) const;
  void InvalidateRow(int index);
  void InvalidateFrom(int index);
  void InvalidateView();
  void SetTop(int top);
  // After the first row moved from `oldTop`: the rows still in view move by copying, and only
  // the rows that came in repaint.
  void ScrollView(int oldTop);
  // Shows, hides and sets the WS_VSCROLL child to match the rows.
  void UpdateScrollBar();
  void Notify(WORD code);
  HFONT Font() const;

  HWND m_hwnd;
  const bool m_hasStrings;
  ListBoxModel m_model;
  TypeAhead m_typeAhead;
  HFONT m_font = nullptr;  // WM_SETFONT; null draws with the default GUI font
  HWND m_scrollBar = nullptr;  // with WS_VSCROLL
  RECT m_barPlacedFor{};       // the client area the bar was last placed in
  bool m_pressed = false;  // from a press until its release or the loss of the focus
  bool m_focused = false;
};

}  // namespace platform
