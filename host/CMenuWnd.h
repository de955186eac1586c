/// @class CMenuWnd
/// The window of an open pop-up menu. It holds its own copy of the items, deletes itself when it
/// closes, and posts the choice to its owner as WM_ELEMENT_MENUCOMMAND.
///
/// While open it holds the mouse capture and the keyboard focus:
/// @code{.unparsed}
///  press outside the window             closes without a choice; the press goes nowhere else
///  pointer over a choosable row         highlights it; anywhere else nothing is highlighted
///  release over a choosable row         chooses it (the right button too with TPM_RIGHTBUTTON)
///  Up / Down                            highlights the next choosable row, wrapping around
///  Enter                                chooses the highlighted row, if any
///  Escape; losing capture or activation closes without a choice
/// @endcode
/// Closing hands the focus back to the owner. The owner's destruction takes the menu with it.
/// Assistive technology reads the window as a pop-up menu of items (MenuAccessible.h); opening
/// and closing are announced as the platform's menu pop-up start and end, and the highlighted
/// row as the focus.
/// The rows are the parts of the shared press machine (PressMachine.h), which keeps the
/// highlighted row: the pointer's and the keyboard's alike.
#pragma once

#include <optional>
#include <vector>

#include "host/MenuItem.h"
#include "host/MenuLayout.h"
#include "host/PressMachine.h"
#include "platform/mfc/CWnd.h"
#include "platform/win32/WinGdi.h"

class PaintCanvas;

/// What a CMenuEx hands to its pop-up.
struct MenuTrack {
  std::vector<MenuItem> items;  ///< the rows, copied
  bool gradient = false;  ///< the gradient background (CMenuEx::MENUBK_GRADIENT)
  UINT tpmFlags = 0;  ///< already resolved against the open mode
  POINT anchor{};     ///< screen coordinates
  std::optional<RECT> avoid;  ///< a screen rectangle the menu stays off, when given
  HWND owner = nullptr;  ///< the window WM_ELEMENT_MENUCOMMAND is posted to
  UINT_PTR openerToken = 0;  ///< the owner host's name for the element that opened the menu
};

class CMenuWnd : public CWnd {
 public:
  /// Shows a menu; false when the owner is not a window or the window cannot be made. The
  /// object then lives as long as its window.
  static bool Open(MenuTrack track);

  /// The open menu of a window, null for any other window.
  static CMenuWnd* FromMenuWindow(HWND hwnd);
  /// An item's row in screen coordinates; empty for an index outside the items.
  CRect GetItemRect(int index) const;
  /// The highlighted item, -1 for none.
  int GetHotItem() const { return RowOfPart(m_press.Hot()); }
  /// The rows, as the menu was opened with them.
  const std::vector<MenuItem>& GetItems() const { return m_track.items; }

 protected:
  /// Answers WM_GETOBJECT with the menu's own client object (MenuAccessible.h).
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  ///@{
  /// The pop-up's messages, as the table above says: the pointer and the keys move the
  /// highlight, a release on an enabled item chooses it; a press outside, Escape, losing the
  /// activation or the capture closes the menu, and the object goes with its window.
  void OnPaint() override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;
  void OnRButtonDblClk(UINT flags, CPoint point) override;
  void OnRButtonUp(UINT flags, CPoint point) override;
  void OnMButtonDown(UINT flags, CPoint point) override;
  void OnKeyDown(UINT ch, UINT repeat, UINT flags) override;
  void OnActivate(UINT state, CWnd* other, BOOL minimized) override;
  void OnCaptureChanged(CWnd* wnd) override;
  void OnCancelMode() override;
  void PostNcDestroy() override;
  ///@}

 private:
  /// The menu's colours, read from the theme when it opens.
  struct Look {
    COLORREF background = 0;
    COLORREF frame = 0;
    COLORREF text = 0;
    COLORREF textDisabled = 0;
    COLORREF selBack = 0;
    COLORREF selText = 0;
    COLORREF separator = 0;
  };

  explicit CMenuWnd(MenuTrack track);
  /// Reads the look and font from the theme and measures the items.
  void Prepare();
  /// A row's part is its index + 1, so that no row is kNoPart.
  static PressPart PartOfRow(int index) { return index + 1; }
  static int RowOfPart(PressPart part) { return part - 1; }

  /// A press anywhere: outside the window it closes the menu, inside it highlights.
  void Press(CPoint client);
  void Release(CPoint client);
  /// Closes the menu with the highlighted row's command; nothing without one.
  void ChooseHotRow();
  /// Runs an event through the press machine and repaints the rows whose look it changed.
  PressStep Carry(PressEvent event, PressPart part, DWORD keys = 0);
  /// The part of the choosable row under a point; kNoPart elsewhere.
  PressPart ChoosablePartAt(CPoint client) const;
  bool IsOutside(CPoint client) const;
  /// Closes the window (deleting this object) and, given a command, posts it to the owner. The
  /// caller returns at once afterwards.
  void Close(std::optional<DWORD> command);

  /// Painting (CMenuWndPaint.cpp).
  void PaintBackground(PaintCanvas& canvas, const CRect& client) const;
  void PaintRow(PaintCanvas& canvas, int index) const;
  void PaintFrame() const;

  MenuTrack m_track;
  Look m_look;
  LOGFONTW m_lfFont{};
  MenuLayout m_layout{{}, {}, 0};
  /// Every release completes a click, wherever its press began (even before the menu opened);
  /// the click chooses the row it lands on, if any.
  PressMachine m_press{PressPolicy{PressPolicy::Click::ReleaseAnywhere}};
  bool m_bClosing = false;
  bool m_bOwnsSelf = false;  ///< set once the window exists; PostNcDestroy deletes the object
};
