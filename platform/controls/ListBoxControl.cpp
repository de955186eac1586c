// The list box's window procedure and its messages. Input is in ListBoxInput.cpp, painting in
// ListBoxPaint.cpp.
#include "platform/controls/ListBoxControl.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>

#include "platform/controls/ControlWindow.h"
#include "platform/controls/ListBoxAccessible.h"
#include "platform/win32/WinScrollBar.h"

namespace platform {

namespace {

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// Owner-drawn rows keep texts only when asked to; drawn rows always do.
bool HasStringsStyle(DWORD style) {
  return (style & LBS_HASSTRINGS) || !(style & LBS_OWNERDRAWFIXED);
}

}  // namespace

LRESULT CALLBACK ListBoxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ControlWndProc<ListBoxControl>(hwnd, message, wParam, lParam);
}

ListBoxControl::ListBoxControl(HWND hwnd)
    : m_hwnd(hwnd), m_hasStrings(HasStringsStyle(DWORD(GetWindowLongW(hwnd, GWL_STYLE)))) {}

LRESULT ListBoxControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  const int index = static_cast<int>(wParam);
  switch (message) {
    case WM_CREATE: return OnCreate();
    case WM_GETOBJECT: return AnswerClientObject<ListBoxAccessible>(m_hwnd, wParam, lParam);
    case WM_SIZE: OnSize(); return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_SETFONT: SetFont(reinterpret_cast<HFONT>(wParam), LOWORD(lParam) != 0); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(m_font);
    case WM_ENABLE: InvalidateView(); return 0;
    case WM_SETFOCUS: OnFocus(true); return 0;
    case WM_KILLFOCUS: OnFocus(false); return 0;
    case WM_LBUTTONDOWN: OnButtonDown(PointOf(lParam)); return 0;
    case WM_LBUTTONDBLCLK: OnDoubleClick(); return 0;
    case WM_MOUSEMOVE: OnMouseMove(PointOf(lParam)); return 0;
    case WM_LBUTTONUP: EndPress(); return 0;
    case WM_KEYDOWN: OnKeyDown(UINT(wParam)); return 0;
    case WM_CHAR: OnChar(static_cast<wchar_t>(wParam)); return 0;
    case WM_MOUSEWHEEL: OnWheel(GET_WHEEL_DELTA_WPARAM(wParam)); return 0;
    case WM_VSCROLL: {
      const WORD code = LOWORD(wParam);
      // The message carries 16 bits of position (0 to 65535); our own bar tells all of it.
      int pos = HIWORD(wParam);
      if ((code == SB_THUMBTRACK || code == SB_THUMBPOSITION) && m_scrollBar &&
          reinterpret_cast<HWND>(lParam) == m_scrollBar) {
        SCROLLINFO si{sizeof(si), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        if (GetScrollInfo(m_scrollBar, SB_CTL, &si)) pos = si.nTrackPos;
      }
      SetTop(m_model.ScrollTarget(code, pos));
      return 0;
    }

    case LB_ADDSTRING: return AddOrInsert(-1, lParam);
    case LB_INITSTORAGE: return InitStorage(index, lParam);
    case LB_INSERTSTRING: return AddOrInsert(index, lParam);
    case LB_DELETESTRING: return Delete(index);
    case LB_RESETCONTENT:
      m_model.Reset();
      m_typeAhead.Forget();
      UpdateScrollBar();
      InvalidateView();
      return 0;
    case LB_GETCOUNT: return m_model.Count();
    case LB_SETCURSEL: return SetCurSel(index);
    case LB_GETCURSEL: return m_model.Selected() == -1 ? LB_ERR : m_model.Selected();
    case LB_GETSEL:
      if (!m_model.IsRow(index)) return LB_ERR;
      return m_model.Selected() == index ? 1 : 0;
    // Choosing several rows, or a count without rows (LBS_NODATA), takes styles this list box
    // does not have: refused, as the platform refuses them to a single-selection list.
    case LB_SETSEL:
    case LB_GETSELCOUNT:
    case LB_GETSELITEMS:
    case LB_SELITEMRANGE:
    case LB_SELITEMRANGEEX:
    case LB_SETCOUNT: return LB_ERR;
    case LB_GETCARETINDEX: return std::max(m_model.Caret(), 0);
    case LB_GETITEMDATA:
      if (!m_model.IsRow(index)) return LB_ERR;
      return static_cast<LRESULT>(m_model.DataAt(index));
    case LB_SETITEMDATA:
      return m_model.SetData(index, static_cast<ULONG_PTR>(lParam)) ? LB_OKAY : LB_ERR;
    case LB_FINDSTRING: return Find(index, lParam, false);
    case LB_FINDSTRINGEXACT: return Find(index, lParam, true);
    case LB_SELECTSTRING: {
      const LRESULT found = Find(index, lParam, false);
      return found == LB_ERR ? LB_ERR : SetCurSel(int(found));
    }
    case LB_GETTEXT: return GetText(index, reinterpret_cast<LPWSTR>(lParam));
    case LB_GETTEXTLEN: return GetTextLength(index);
    case LB_GETTOPINDEX: return m_model.Top();
    case LB_SETTOPINDEX:
      if (!m_model.IsRow(index)) return LB_ERR;
      SetTop(index);
      return LB_OKAY;
    case LB_GETITEMRECT: return GetItemRect(index, reinterpret_cast<RECT*>(lParam));
    case LB_SETITEMHEIGHT:
      if (!m_model.SetItemHeight(LOWORD(lParam))) return LB_ERR;
      UpdateScrollBar();
      InvalidateView();
      return LB_OKAY;
    case LB_GETITEMHEIGHT: return m_model.ItemHeight();
    case LB_ITEMFROMPOINT: return ItemFromPoint(PointOf(lParam));
    default: return DefWindowProcW(m_hwnd, message, wParam, lParam);
  }
}

LRESULT ListBoxControl::OnCreate() {
  // Rows are as high as the font's lines until the owner says otherwise.
  if (HDC dc = GetDC(m_hwnd)) {
    const HGDIOBJ old = SelectObject(dc, Font());
    TEXTMETRICW tm{};
    if (GetTextMetricsW(dc, &tm)) m_model.SetItemHeight(tm.tmHeight);
    SelectObject(dc, old);
    ReleaseDC(m_hwnd, dc);
  }
  if (Style() & WS_VSCROLL) {
    m_scrollBar = CreateWindowExW(0, WC_SCROLLBARW, nullptr, WS_CHILD | SBS_VERT, 0, 0, 0, 0,
                                  m_hwnd, nullptr, nullptr, nullptr);
    if (!m_scrollBar) return -1;
  }
  return 0;
}

LRESULT ListBoxControl::AddOrInsert(int index, LPARAM lParam) {
  const bool strings = HasStrings();
  if (strings && !lParam) return LB_ERR;
  int added = -1;
  try {
    const std::wstring_view text = strings ? reinterpret_cast<LPCWSTR>(lParam) : L"";
    const ULONG_PTR data = strings ? 0 : static_cast<ULONG_PTR>(lParam);
    added = index == -1 ? m_model.Add(text, data) : m_model.Insert(index, text, data);
  } catch (const std::bad_alloc&) {
    // The parent hears of it whatever the style, as the platform tells it.
    Notify(WORD(LBN_ERRSPACE));
    return LB_ERRSPACE;
  }
  if (added < 0) return LB_ERR;
  // Rows appended below the view cost no painting: filling a long list stays cheap.
  if (m_model.StartsAboveViewBottom(added)) InvalidateFrom(added);
  UpdateScrollBar();
  return added;
}

LRESULT ListBoxControl::InitStorage(int rows, LPARAM bytes) {
  try {
    // The bytes are for the rows' texts.
    return m_model.Reserve(rows, bytes > 0 ? std::size_t(bytes) / sizeof(wchar_t) : 0);
  } catch (const std::bad_alloc&) {
    return LB_ERRSPACE;
  }
}

LRESULT ListBoxControl::Delete(int index) {
  if (!m_model.IsRow(index)) return LB_ERR;
  const int top = m_model.Top();
  const int left = m_model.Delete(index);
  if (m_model.Top() != top) InvalidateView();
  else InvalidateFrom(index);
  UpdateScrollBar();
  return left;
}

LRESULT ListBoxControl::SetCurSel(int index) {
  const int old = m_model.Selected(), oldCaret = m_model.Caret();
  if (!m_model.Select(index)) return LB_ERR;
  if (index != old) AnnounceSelection();
  const int top = m_model.Top();
  m_model.ScrollIntoView(index);
  if (m_model.Top() != top) {
    ScrollView(top);
    UpdateScrollBar();
  }
  InvalidateRow(old);
  InvalidateRow(oldCaret);
  InvalidateRow(index);
  return index == -1 ? LB_ERR : index;
}

LRESULT ListBoxControl::Find(int after, LPARAM lParam, bool whole) const {
  // The search starts below `after` (at the top for -1) and wraps round to `after` itself.
  const int start = after + 1;
  if (!HasStrings()) {
    // Rows without texts are found by their value.
    const int count = m_model.Count();
    for (int i = 0; i < count; ++i) {
      const int row = ((start + i) % count + count) % count;
      if (m_model.DataAt(row) == static_cast<ULONG_PTR>(lParam)) return row;
    }
    return LB_ERR;
  }
  if (!lParam) return LB_ERR;
  const int row = FindRowWithPrefix(m_model, start, reinterpret_cast<LPCWSTR>(lParam), whole);
  return row < 0 ? LB_ERR : row;
}

LRESULT ListBoxControl::GetText(int index, LPWSTR out) const {
  if (!m_model.IsRow(index) || !out) return LB_ERR;
  if (!HasStrings()) {
    // Without texts the buffer receives the row's value, as the platform does.
    const ULONG_PTR data = m_model.DataAt(index);
    std::memcpy(out, &data, sizeof data);
    return sizeof data;
  }
  const std::wstring_view text = m_model.TextAt(index);
  std::copy(text.begin(), text.end(), out);
  out[text.size()] = L'\0';
  return static_cast<LRESULT>(text.size());
}

LRESULT ListBoxControl::GetTextLength(int index) const {
  if (!m_model.IsRow(index)) return LB_ERR;
  if (!HasStrings()) return sizeof(ULONG_PTR);
  return static_cast<LRESULT>(m_model.TextAt(index).size());
}

LRESULT ListBoxControl::GetItemRect(int index, RECT* out) const {
  if (!m_model.IsRow(index) || !out) return LB_ERR;
  *out = RowRect(index);
  // The rectangle is filled either way; the answer says whether any of it can be seen.
  RECT client{}, shown{};
  GetClientRect(m_hwnd, &client);
  return IntersectRect(&shown, out, &client) ? 1 : 0;
}

LRESULT ListBoxControl::ItemFromPoint(POINT pt) const {
  // Low word: the nearest row; high word: 1 when the point is outside the view or below the
  // last row. An empty list answers both words as "outside".
  if (m_model.Count() == 0) return 0x1FFFF;
  const RECT view{0, 0, ViewWidth(), m_model.ViewHeight()};
  const bool inside = PtInRect(&view, pt);
  const int y = std::clamp<int>(pt.y, 0, std::max<int>(view.bottom - 1, 0));
  bool onRow = false;
  const int row = m_model.RowAtY(y, &onRow);
  return MAKELONG(WORD(row), WORD(inside && onRow ? 0 : 1));
}

void ListBoxControl::SetFont(HFONT font, bool redraw) {
  m_font = font;
  if (!OwnerDraw()) {
    if (HDC dc = GetDC(m_hwnd)) {
      const HGDIOBJ old = SelectObject(dc, Font());
      TEXTMETRICW tm{};
      if (GetTextMetricsW(dc, &tm)) m_model.SetItemHeight(tm.tmHeight);
      SelectObject(dc, old);
      ReleaseDC(m_hwnd, dc);
    }
    UpdateScrollBar();
  }
  if (redraw) InvalidateView();
}

void ListBoxControl::OnSize() {
  RECT client{};
  GetClientRect(m_hwnd, &client);
  m_model.SetViewHeight(client.bottom);
  UpdateScrollBar();
  InvalidateView();
}

// ---- the view

HFONT ListBoxControl::Font() const {
  return m_font ? m_font : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

int ListBoxControl::ViewWidth() const {
  RECT client{};
  GetClientRect(m_hwnd, &client);
  if (m_scrollBar && IsWindowVisible(m_scrollBar)) client.right -= GetSystemMetrics(SM_CXVSCROLL);
  return std::max<int>(client.right, 0);
}

RECT ListBoxControl::RowRect(int index) const {
  const int top = m_model.RowTop(index);
  return {0, top, ViewWidth(), top + m_model.ItemHeight()};
}

void ListBoxControl::InvalidateRow(int index) {
  if (index < m_model.Top() || index > m_model.LastShown()) return;
  const RECT rect = RowRect(index);
  InvalidateRect(m_hwnd, &rect, FALSE);
}

void ListBoxControl::InvalidateFrom(int index) {
  const RECT rect{0, std::max(m_model.RowTop(index), 0), ViewWidth(), m_model.ViewHeight()};
  if (rect.top < rect.bottom) InvalidateRect(m_hwnd, &rect, FALSE);
}

void ListBoxControl::InvalidateView() { InvalidateRect(m_hwnd, nullptr, FALSE); }

void ListBoxControl::SetTop(int top) {
  const int old = m_model.Top();
  m_model.SetTop(top);
  if (m_model.Top() == old) return;
  ScrollView(old);
  UpdateScrollBar();
}

void ListBoxControl::ScrollView(int oldTop) {
  const long long dy = (static_cast<long long>(oldTop) - m_model.Top()) * m_model.ItemHeight();
  const RECT view{0, 0, ViewWidth(), m_model.ViewHeight()};
  if (dy >= view.bottom || -dy >= view.bottom) {
    InvalidateView();
    return;
  }
  ScrollWindowEx(m_hwnd, 0, int(dy), &view, &view, nullptr, nullptr, SW_INVALIDATE);
}

void ListBoxControl::UpdateScrollBar() {
  if (!m_scrollBar) return;
  const bool needed = m_model.Count() > m_model.PageRows();
  const bool shown = IsWindowVisible(m_scrollBar);
  if (needed) {
    const SCROLLINFO si{sizeof(si), SIF_RANGE | SIF_PAGE | SIF_POS, 0, m_model.Count() - 1,
                        UINT(m_model.PageRows()), m_model.Top(), 0};
    SetScrollInfo(m_scrollBar, SB_CTL, &si, shown);
  }
  RECT client{};
  GetClientRect(m_hwnd, &client);
  if (needed == bool(shown) && (!needed || EqualRect(&client, &m_barPlacedFor))) return;
  if (needed) {
    const int width = GetSystemMetrics(SM_CXVSCROLL);
    SetWindowPos(m_scrollBar, nullptr, client.right - width, 0, width, client.bottom,
                 SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    m_barPlacedFor = client;
  } else {
    ShowWindow(m_scrollBar, SW_HIDE);
  }
  // The rows just became narrower or wider.
  InvalidateView();
}

void ListBoxControl::AnnounceSelection() const {
  const int selected = m_model.Selected();
  if (selected < 0) return;
  NotifyWinEvent(EVENT_OBJECT_SELECTION, m_hwnd, OBJID_CLIENT, selected + 1);
  if (m_focused) NotifyWinEvent(EVENT_OBJECT_FOCUS, m_hwnd, OBJID_CLIENT, selected + 1);
}

void ListBoxControl::Notify(WORD code) {
  if (const HWND parent = GetParent(m_hwnd))
    SendMessageW(parent, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m_hwnd), code),
                 reinterpret_cast<LPARAM>(m_hwnd));
}

}  // namespace platform
