/// @class CDropList
/// The list inside the drop window: a platform list box with owner-drawn rows of fixed height
/// whose texts it holds while the pop-up is open.
///
/// @code{.unparsed}
///  pointer moves over a row     that row becomes the selected one (hover selection)
///  press on a row               the same; the list takes neither the focus nor the capture,
///                               which stay with the drop window and the control's host
///  release on a row             the current row is reported as chosen: WM_NOTIFY code 3 to
///                               the parent window (the drop window)
///  release below the last row   the current row (the last one hovered) is reported
/// @endcode
/// Row colours come from four palette keys, the row font from the palette's "DropListWnd".
#pragma once

#include <string>

#include "platform/mfc/CListBox.h"
#include "platform/mfc/CString.h"

class CDropList : public CListBox {
 public:
  /// The WM_NOTIFY code of a chosen row.
  static constexpr UINT kChosenCode = 3;

  /// The four keys: background of unselected and of the selected row, text of unselected and
  /// of the selected row.
  CDropList(const wchar_t* itemNormal, const wchar_t* itemSelected, const wchar_t* textNormal,
            const wchar_t* textSelected);
  ~CDropList() override = default;

  /// Paints one row in the colours of its keys: the selected row in the selected pair.
  void DrawItem(LPDRAWITEMSTRUCT dis) override;
  /// Tells the parent window that the current row is chosen; returns that row (LB_ERR: none).
  /// The parent may destroy this list while it handles the report: nothing of it is touched
  /// afterwards.
  int ReportChosen();

  ///@{
  /// The keys a drop list's SetDropWndClr values 1 to 4 replace, in that order (`role` 0 to 3;
  /// setting another role changes nothing, reading one answers the first key).
  void SetColorKey(int role, const wchar_t* key);
  const std::wstring& GetColorKey(int role) const;
  ///@}
  /// The number of row colour keys.
  static constexpr int kRoleCount = 4;

 protected:
  ///@{
  /// The list box's messages, as the table above says; the rows paint the whole client area,
  /// so no background is erased.
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonDblClk(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  BOOL OnEraseBkgnd(CDC* dc) override;
  ///@}

 private:
  /// Selects the row under a point of the client area; false outside it.
  bool HoverSelect(CPoint point);

  std::wstring m_strItemNormalKey;
  std::wstring m_strItemSelectedKey;
  std::wstring m_strTextNormalKey;
  std::wstring m_strTextSelectedKey;
  CString m_strRowText;  ///< reused by every row, so painting allocates nothing
};
