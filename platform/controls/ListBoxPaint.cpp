// The list box's painting: only the rows the paint area touches, each drawn by the control or,
// with LBS_OWNERDRAWFIXED, by the parent through WM_DRAWITEM; the view below the last row is
// filled with the window colour.
#include <algorithm>

#include "platform/controls/ControlPaint.h"
#include "platform/controls/ListBoxControl.h"

namespace platform {

namespace {

using namespace control_colors;

constexpr int kTextIndent = 2;

}  // namespace

void ListBoxControl::OnPaint() {
  PAINTSTRUCT ps{};
  const HDC hdc = BeginPaint(m_hwnd, &ps);
  if (!hdc) return;
  const HGDIOBJ oldFont = SelectObject(hdc, Font());
  const bool ownerDraw = OwnerDraw();
  const bool enabled = IsWindowEnabled(m_hwnd);
  const int width = ViewWidth();
  const int height = m_model.ItemHeight();

  // The rows under the paint area and no others: a long list paints as fast as a short one.
  const int first = m_model.RowAtY(std::max<int>(ps.rcPaint.top, 0));
  const int last = std::min(m_model.LastShown(), m_model.RowAtY(ps.rcPaint.bottom - 1));
  int rowsEnd = 0;
  if (first >= 0) {
    for (int row = first; row <= last; ++row) {
      const int top = m_model.RowTop(row);
      PaintRow(hdc, row, {0, top, width, top + height}, ownerDraw, enabled);
    }
    rowsEnd = std::max(m_model.RowTop(last) + height, 0);
  }
  if (rowsEnd < ps.rcPaint.bottom) FillColor(hdc, {0, rowsEnd, width, ps.rcPaint.bottom}, kWindow);

  SelectObject(hdc, oldFont);
  EndPaint(m_hwnd, &ps);
}

void ListBoxControl::PaintRow(HDC hdc, int index, const RECT& rect, bool ownerDraw, bool enabled) {
  const bool selected = index == m_model.Selected();
  if (ownerDraw) {
    UINT state = 0;
    if (selected) state |= ODS_SELECTED;
    if (!enabled) state |= ODS_DISABLED;
    if (m_focused && index == m_model.Caret()) state |= ODS_FOCUS;
    const UINT id = UINT(GetDlgCtrlID(m_hwnd));
    DRAWITEMSTRUCT dis{ODT_LISTBOX, id, UINT(index), ODA_DRAWENTIRE, state, m_hwnd, hdc, rect,
                       m_model.DataAt(index)};
    // What the owner selects into the DC stays with its row.
    const int saved = SaveDC(hdc);
    SendMessageW(GetParent(m_hwnd), WM_DRAWITEM, id, reinterpret_cast<LPARAM>(&dis));
    RestoreDC(hdc, saved);
    return;
  }
  FillColor(hdc, rect, selected ? kHighlight : kWindow);
  SetBkMode(hdc, TRANSPARENT);
  SetTextColor(hdc, !enabled ? kDisabledText : selected ? kHighlightText : kWindowText);
  RECT text = rect;
  text.left += kTextIndent;
  const std::wstring_view s = m_model.TextAt(index);
  DrawTextW(hdc, s.data(), int(s.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

}  // namespace platform
