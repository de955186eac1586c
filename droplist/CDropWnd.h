/// @class CDropWnd
/// The pop-up of a drop list: a real window on the desktop, so that it can reach beyond the host
/// window, holding the owner-drawn list (CDropList) and, while the rows do not fit, a skinned
/// scroll bar (CSkinScroll) along its right edge. It is also an element registered under its
/// drop list, so that it has a place in the element tree.
///
/// While open it holds the platform mouse capture and takes the keys its drop list hands it:
/// @code{.unparsed}
///  pointer over a row                the row is selected (the list's hover selection)
///  press or release on the list      go to the list: a release chooses the current row
///  press or drag on the scroll bar   go to the bar until the button is released
///  press outside the pop-up          closes without a choice
///  Up, Down                          the row above or below; the first row shown when the
///                                    current one is out of view
///  Page Up/Down, Home, End           as the list box moves on them
///  Enter                             chooses the current row
///  Escape, WM_KILLFOCUS              close without a choice
///  the capture going to a window     closes without a choice (any window inside the pop-up
///  outside the pop-up                may take it)
///  wheel                             one row a notch, when there are rows to scroll
/// @endcode
/// Choosing closes the pop-up, lets the capture go and only then calls the owner back, as the last
/// thing it does (ElementWatch.h). Mouse messages it hands on may end in that choice too: it
/// watches itself across them.
#pragma once

#include <memory>
#include <span>
#include <string>

#include "droplist/CDropList.h"
#include "host/CElementContainer.h"
#include "host/ElementWatch.h"
#include "host/PressMachine.h"
#include "platform/mfc/CWnd.h"
#include "scroll/CSkinScroll.h"

class CElementDropList;

class CDropWnd : public CWnd, public CElementContainer {
 public:
  /// The owner's selection handler, called through the owner's virtual table so that a derived
  /// control's override runs.
  using SelectedProc = void (CElementDropList::*)(int nIndex);

  ///@{
  /// The ids of the pop-up window and of its list and scroll bar windows.
  static constexpr UINT kWindowId = 4967;
  static constexpr UINT kListId = 4096;
  static constexpr UINT kScrollId = 4097;
  ///@}

  /// No window until CreatePopup.
  CDropWnd();
  /// Destroys the window; the capture goes with it.
  ~CDropWnd() override;

  /// Element side: the name the framework sees is the creation record's name followed by
  /// "_DropWnd". 0 for a null record.
  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override;

  /// Makes the hidden pop-up window, a child of the desktop, with its list. FALSE when the
  /// window exists already or cannot be made.
  BOOL CreatePopup(const RECT& rect);
  /// Messages reach the pop-up as they reach any window.
  BOOL PreTranslateMessage(MSG* msg) override;

  /// The owner's screen rectangle when it made this window, for hosts; placing the pop-up asks
  /// the owner afresh each time.
  CRect m_rcOwnerScreen;
  /// The drop list that opened this window and the handler a chosen row goes to (not owned;
  /// the owner owns this window).
  void SetOwner(CElementDropList* owner, SelectedProc selected);

  /// Fills the list, puts the pop-up at `place` (the owner's QueryDropWndTrackRect) and shows it
  /// above every other window, with `selection` current and in view. Showing is silent: the
  /// owner hears nothing. False, showing nothing, without a window.
  bool Open(std::span<const std::wstring> items, int selection, const RECT& place);
  ///@{
  /// While open, shows an item the owner inserted at `index` (or appended, for -1) or deleted
  /// there, and puts the pop-up at its `place` for the new count; the current row stays on its
  /// item. Nothing when the pop-up is closed: opening fills the list afresh.
  void ItemInserted(int index, const wchar_t* text, const RECT& place);
  void ItemDeleted(int index, const RECT& place);
  ///@}
  /// Hides the pop-up, empties the list and lets the capture go. Nothing when it is closed.
  void Close();
  /// The pop-up shows.
  bool IsOpen() const;
  /// A key of the open list (see the table above); false when the key is not the list's or the
  /// pop-up is closed. Enter may destroy this window (the owner's choice).
  bool HandleKey(UINT vk);
  /// Scrolls the open list one row: towards the end for a delta below 1, else towards the start.
  void ScrollByWheel(int delta);

  ///@{
  /// The palette key of the background (SetDropWndClr value 0).
  void SetBkKey(const wchar_t* key) { m_strBkKey = key ? key : L""; }
  const std::wstring& GetBkKey() const { return m_strBkKey; }
  ///@}
  /// The list window; null before CreatePopup.
  CDropList* GetList() const { return m_pList.get(); }

  /// Among its drop list's children, the pop-up stands for the list of its rows: the list
  /// box's own object, once the pop-up's window exists.
  CComPtr<IAccessible> GetAccessibleObject() override;
  /// The scroll bar beside the list, shown when the rows do not fit.
  CSkinScroll& GetScrollBar() { return m_wndScroll; }

 protected:
  // ---- window side
  ///@{
  /// The pop-up window's messages, as the table above says: presses and moves go to the list
  /// or the scroll bar under them, a press outside, the focus or the capture going elsewhere
  /// closes the pop-up, and the list's report of a chosen row closes it and calls the owner.
  int OnCreate(LPCREATESTRUCT cs) override;
  void OnPaint() override;
  BOOL OnEraseBkgnd(CDC* dc) override;
  void OnKillFocus(CWnd* newWnd) override;
  void OnCaptureChanged(CWnd* wnd) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  ///@}
  /// The second press of a double click is a press.
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  ///@{
  /// More of the window's messages (see OnCreate).
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  BOOL OnMouseWheel(UINT flags, short delta, CPoint point) override;
  void OnVScroll(UINT code, UINT pos, CScrollBar* bar) override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  ///@}
  // ---- element side: wheel turns its drop list hands on
  int OnMouseWheel(UINT flags, int delta, POINT pt) override;

 private:
  /// Moves the pop-up to `place`, then lays it out.
  void Place(const RECT& place, int selection);
  /// Places the list and the scroll bar for the rows and shows the first row and the selection.
  void LayOut(int selection);
  /// The scroll bar follows the first row the list shows.
  void SyncScrollBar();
  bool ScrollBarShown() const;
  /// Hands a mouse message to the list or the scroll bar under it (to the bar alone while it is
  /// dragged) and takes the capture back. False when the point lies outside the pop-up. The
  /// receiver may destroy this window: `alive` says whether it is still there.
  bool RouteMouse(UINT message, UINT flags, CPoint point, const ElementWatch& alive);
  void RetakeCapture();
  void Press(UINT message, UINT flags, CPoint point);
  /// Runs a press event of the pop-up's two parts, the list and the bar, through the press
  /// machine; m_bScrollTracking follows the part held.
  void FollowPress(PressEvent event, CPoint point = {0, 0});

  std::wstring m_strBkKey = L"DropWnd.CLR.BackGround";
  std::unique_ptr<CDropList> m_pList;
  CElementDropList* m_pOwner = nullptr;  ///< not owned; the owner owns this window
  SelectedProc m_pfnSelected = nullptr;
  CSkinScroll m_wndScroll;         ///< its window is made on first need
  PressMachine m_press;            ///< the pop-up's parts: the list and the bar
  BOOL m_bScrollTracking = FALSE;  ///< the press held now fell on the scroll bar
};
