// The tree's layout and scrolling: which shown items are on screen, their row rectangles, the
// room after each text, the scroll bar, and every way the first row moves.
//
// The first row m_nFirstShow always lies within 0 ... GetMaxFirstShow() once laid out, and every
// request that moves the focus ends with the focus on a full row.
#include <algorithm>
#include <climits>

#include "host/CElementHost.h"
#include "host/FontCache.h"
#include "tree/CElementTree.h"

namespace {

// A measuring context with fonts selected from the cache, for a batch of measurements; the
// element's context is fetched by the first measurement the tree's widths do not know.
class TextMeasurer {
 public:
  explicit TextMeasurer(const CElementContainer& element) : m_element(element) {}
  ~TextMeasurer() {
    if (!m_bFetched) return;
    if (m_hOldFont) ::SelectObject(m_pDC->GetSafeHdc(), m_hOldFont);
    m_element.ReleaseDC(m_pDC);
  }
  TextMeasurer(const TextMeasurer&) = delete;
  TextMeasurer& operator=(const TextMeasurer&) = delete;

  int Width(const CString& text, const LOGFONTW& font) {
    if (!m_bFetched) {
      m_pDC = m_element.GetDC();
      m_bFetched = true;
    }
    CFont* cached = FontCache::Shared().Get(font);
    if (!m_pDC || !cached) return 0;
    const HGDIOBJ old = ::SelectObject(m_pDC->GetSafeHdc(), cached->m_hObject);
    if (!m_hOldFont) m_hOldFont = old;
    SIZE extent{};
    ::GetTextExtentPoint32W(m_pDC->GetSafeHdc(), text.GetString(), text.GetLength(), &extent);
    return int(extent.cx);
  }

 private:
  const CElementContainer& m_element;
  CDC* m_pDC = nullptr;
  bool m_bFetched = false;
  HGDIOBJ m_hOldFont = nullptr;
};

// The first row that shows row `p` on a full row, starting from `f`: `f` itself when it does.
int FirstRowShowing(int p, int f, int page) {
  if (page < 1) return p;
  if (p < f) return p;
  if (p >= f + page) return p - page + 1;
  return f;
}

}  // namespace

// ---- sizes

int CElementTree::RowHeight(int showIndex) const {
  return std::clamp(m_vecItems[std::size_t(m_vecShowItems[std::size_t(showIndex)])].nHeight, 1,
                    kMaxRowHeight);
}

int CElementTree::MeasureText(const CString& text, const LOGFONTW& font) const {
  TextMeasurer measurer(*this);
  return MeasureText(measurer, text, font);
}

template <class Measurer>
int CElementTree::MeasureText(Measurer& measurer, const CString& text,
                              const LOGFONTW& font) const {
  const std::wstring_view view(text.GetString(), std::size_t(text.GetLength()));
  return m_textWidths.Width(font, view, [&] { return measurer.Width(text, font); });
}

int CElementTree::GetMaxFirstShow() const { return std::max(m_nShowCount - m_nPageCount, 0); }

int CElementTree::GetScrollPix() const {
  if (m_nFirstShow <= 0 || m_nFirstShow >= m_nShowCount) return 0;
  // Rows count as they are laid out; a host's huge heights saturate instead of overflowing.
  long long pixels = 0;
  for (int i = 0; i < m_nFirstShow; ++i) pixels += RowHeight(i);
  return int(std::min<long long>(pixels, INT_MAX));
}

int CElementTree::GetItemOffsetPixByValue(const _TREE_ITEM& item) const {
  // Where the painter puts the text band of the item's row. The painter is the tree's scratch
  // row: every use loads it first.
  m_pItemPainter->SetItemValue(item);
  return m_pItemPainter->GetRowGeometry(CRect(), 0).text.left;
}

int CElementTree::GetItemOffSetPixById(int id) const {
  return IsItem(id) ? GetItemOffsetPixByValue(m_vecItems[std::size_t(id)]) : 0;
}

// ---- rows on screen

void CElementTree::CalcScreenItems() {
  int room = GetDrawRect().Height();
  if (room <= 0 || m_nFirstShow < 0 || m_nShowCount == 0 || m_nItemCount <= 1) return;
  int first = std::min(m_nFirstShow, m_nShowCount - 1);
  int rows = 0;
  for (int i = first; i < m_nShowCount && room > 0; ++i) {
    ++rows;
    room -= RowHeight(i);
  }
  // The list ends before the bottom: rows come in from above while they fit.
  while (room > 0 && first > 0 && RowHeight(first - 1) <= room) {
    --first;
    ++rows;
    room -= RowHeight(first);
  }
  m_nFirstShow = first;
  m_nScreenCount = rows;
  m_nPageCount = room >= 0 ? rows : rows - 1;  // a cut last row is not a full one
}

void CElementTree::CalcShowRect() {
  const CRect all = GetDrawRect();
  if (all.IsRectEmpty()) return;
  m_vecShowRects.clear();
  if (m_nShowCount < 1) {
    // Nothing to show: no rows, no scroll bar, and the background still painted.
    m_nFirstShow = m_nScreenCount = m_nPageCount = 0;
    m_rcItems = CRect(all.left, all.top, all.right - 1, all.bottom);
    ResetScrollBars();
    return;
  }
  CalcScreenItems();
  CRect r = all;
  m_bVScrollShow = m_nPageCount < m_nShowCount ? 1 : 0;
  r.right -= (m_bVScrollShow ? m_nScrollWidth : 0) + 1;
  m_rcItems = r;
  // CalcScreenItems leaves first + page <= shown, so the first row is in range already.
  const int rows = std::min(m_nScreenCount, m_nShowCount - m_nFirstShow);
  m_vecShowRects.reserve(std::size_t(std::max(rows, 0)));
  for (int k = 0, y = r.top; k < rows; ++k) {
    const int height = RowHeight(m_nFirstShow + k);
    m_vecShowRects.emplace_back(r.left, y, r.right, y + height);
    y += height;
  }
  CalcItemsTextLeave();
  ResetScrollBars();
}

int CElementTree::ReCalcShowRectAndItems() {
  CalcShowItems();
  CalcShowRect();
  return 1;
}

void CElementTree::RecalcAndRefresh() {
  CalcShowItems();
  CalcShowRect();
  InvalidateAll();
}

void CElementTree::CalcItemsTextLeave() {
  const CRect all = GetDrawRect();
  const int width = all.right - (m_bVScrollShow ? m_nScrollWidth : 0) - all.left;
  TextMeasurer measurer(*this);
  const int rows = std::min(m_nScreenCount, m_nShowCount - m_nFirstShow);
  for (int k = 0; k < rows; ++k) {
    _TREE_ITEM& item = m_vecItems[std::size_t(m_vecShowItems[std::size_t(m_nFirstShow + k)])];
    item.nTextLeave = width - MeasureText(measurer, item.strText, GetItemLogfont(item)) -
                      GetItemOffsetPixByValue(item) - 3;
  }
}

int CElementTree::CalcItemTextLeave(_TREE_ITEM& item, int width) {
  item.nTextLeave =
      width - MeasureText(item.strText, GetItemLogfont(item)) - GetItemOffsetPixByValue(item) - 3;
  return 1;
}

bool CElementTree::IsLaidOutRow(int row) const {
  return row >= 0 && std::size_t(row) < m_vecShowRects.size() && row < m_nScreenCount &&
         m_nFirstShow >= 0 && m_nFirstShow + row < m_nShowCount;
}

int CElementTree::CalcPointItemPos(int y) const {
  if (y < 0 || m_nFirstShow < 0) return -1;
  int row = -1;
  for (int i = m_nFirstShow; i < m_nShowCount; ++i) {
    ++row;
    y -= RowHeight(i);
    if (y < 0) return row;
  }
  // Past the last row: only its bottom edge itself still counts as the last row.
  return y == 0 ? row : -1;
}

// ---- the scroll bar

void CElementTree::ResetScrollBars() {
  m_bVScrollShow = m_nPageCount < m_nShowCount ? 1 : 0;
  if (!m_pVScroll) return;
  if (!m_bVScrollShow) {
    m_pVScroll->Show(0, 0);
    return;
  }
  m_pVScroll->Show(1, 0);
  CRect r = GetDrawRect();
  r.left = r.right - m_nScrollWidth;
  m_pVScroll->MoveContainer(r);
  m_pVScroll->SetRowNumber(m_nShowCount);
  m_pVScroll->SetPageSize(m_nPageCount);
  m_pVScroll->UpdateThumbPos(m_nFirstShow);
}

void CElementTree::SetVScrollBarPos(int) {
  if (m_bVScrollShow && m_pVScroll) m_pVScroll->UpdateThumbPos(m_nFirstShow);
}

int CElementTree::OnControlMessage(DWORD, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg != WM_ELEMENT_VSCROLL || wParam != VSCROLL_REPORT_FIRST_ROW || !m_bVScrollShow) return 1;
  // The bar knows its own rows, but the tree is the judge of its first row.
  const int first = int(std::clamp<LPARAM>(lParam, 0, GetMaxFirstShow()));
  if (first == m_nFirstShow) return 1;
  CloseTip();
  const int oldFirst = m_nFirstShow;
  const CRect oldItems = m_rcItems;
  m_nFirstShow = first;
  CalcShowRect();
  ShowMovedRows(oldFirst, oldItems);
  return 1;
}

// ---- scrolling

void CElementTree::OnVScroll(int code) { ScrollFrom(code, m_nFirstShow); }

void CElementTree::ScrollFrom(int code, int shownFirst) {
  CloseTip();
  const CRect oldItems = m_rcItems;
  CalcScreenItems();
  const int S = m_nShowCount, P = m_nPageCount;
  int f = m_nFirstShow;
  switch (code) {
    case SB_LINEUP:
      if (f >= 1) --f;
      break;
    case SB_LINEDOWN: ++f; break;  // CalcShowRect pulls it back when the list ends on screen
    case SB_PAGEUP:
      if (f >= 1) f = std::max(f - P, 0);
      break;
    case SB_PAGEDOWN: {
      const int t = f + P;
      if (t >= S) return;
      f = f + 2 * P > S ? std::max(S - P, 0) : t;
      break;
    }
    case SB_THUMBTRACK: break;
    case SB_TOP:
      if (f >= 1) f = 0;
      break;
    case SB_BOTTOM:
      if (f < S - P) f = S - P;
      break;
    case TREE_SCROLL_WHEEL_UP:
      if (f < 1) return;
      f = std::max(f - kWheelRows, 0);
      break;
    case TREE_SCROLL_WHEEL_DOWN: f = std::min(f + kWheelRows, std::max(S - P, 0)); break;
    default: break;
  }
  m_nFirstShow = std::clamp(f, 0, std::max(S - 1, 0));
  CalcShowRect();
  SetVScrollBarPos(m_nFirstShow);
  ShowMovedRows(shownFirst, oldItems);
}

void CElementTree::ShowMovedRows(int oldFirst, const CRect& oldItems) {
  const int first = m_nFirstShow;
  if (first == oldFirst && oldItems == m_rcItems) return;
  CRect area = m_rcItems;
  // The frame's top edge is drawn over the first row and stays where it is.
  if (m_clrDivideLine != TREE_CLR_UNSET) ++area.top;
  long long dy = 0;
  const bool copyable = oldItems == m_rcItems && area.Height() > 0 &&
                        std::abs(first - oldFirst) < int(m_vecShowRects.size());
  for (int i = std::min(first, oldFirst); copyable && i < std::max(first, oldFirst); ++i)
    dy += RowHeight(i);
  if (!copyable || dy >= area.Height()) {
    InvalidateAll();
    return;
  }
  if (first > oldFirst) dy = -dy;
  ScrollContainerRect(area, int(dy));
  // A flat top-level row draws a divider on the line above it, but only while it is laid out:
  // the line above the first row off the screen shows none. That line moved with the copy.
  const int rows = int(m_vecShowRects.size());
  const int lineAfterRows = m_vecShowRects.back().bottom - 1;
  if (dy > 0 && lineAfterRows == area.bottom - 1 && DrawsDividerAbove(first + rows)) {
    const CRect last(area.left, lineAfterRows, area.right, area.bottom);
    InvalidContainerRect(0, &last);
  }
  for (int k = 0; dy < 0 && k < rows; ++k) {
    // Where a row comes in right below the old last line, its divider goes on that line.
    if (m_vecShowRects[std::size_t(k)].top == area.bottom + dy && DrawsDividerAbove(first + k)) {
      const CRect above(area.left, area.bottom + int(dy) - 1, area.right, area.bottom + int(dy));
      InvalidContainerRect(0, &above);
    }
  }
}

bool CElementTree::DrawsDividerAbove(int showIndex) const {
  return m_eShowStyle == TREE_STYLE_FLAT && m_clrDivideLine != TREE_CLR_UNSET &&
         showIndex >= 0 && showIndex < m_nShowCount &&
         m_vecItems[std::size_t(m_vecShowItems[std::size_t(showIndex)])].nParentID == 0;
}

int CElementTree::OnUserMessage(UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_ELEMENT_VSCROLL) OnVScroll(int(wParam));
  return 1;
}

void CElementTree::ResetScrollPos(int id) {
  if (!IsRecord(id)) return;
  const int p = GetItemInShowPos(m_nFocusItem);
  if (p < 0) return;
  const int S = m_nShowCount, P = m_nPageCount;
  int f = m_nFirstShow;
  if (id == 0 || P < 1) {
    if (p > P) f = std::max(S - P, 0);
  } else {
    const int q = GetItemInShowPos(id);
    if (q < 0) return;
    if (p <= P) f = 0;
    else if (p - q < P) f = q;  // the parent, or the item, heads the screen
  }
  m_nFirstShow = FirstRowShowing(p, f, P);
  SetVScrollBarPos(m_nFirstShow);
}

int CElementTree::IsFocusItemShow() const {
  const int p = GetItemInShowPos(m_nFocusItem);
  return p >= 0 && m_nFirstShow <= p && p < m_nFirstShow + m_nPageCount ? 1 : 0;
}

void CElementTree::EnsureFocusItemShow() {
  const int p = GetItemInShowPos(m_nFocusItem);
  if (p < 0 || IsFocusItemShow()) return;
  // A page down when that shows it, else just far enough.
  const int f = p >= m_nFirstShow ? m_nFirstShow + m_nPageCount : p;
  const int shownFirst = m_nFirstShow;
  m_nFirstShow = FirstRowShowing(p, f, m_nPageCount);
  ScrollFrom(SB_THUMBTRACK, shownFirst);
}

// ---- handlers

int CElementTree::OnSize(UINT type, int cx, int cy) {
  if (cx < 1 || cy < 1) return 1;
  CalcShowItems();
  CalcScreenItems();
  // Focus 1 is where a fresh tree starts, even with no item 1 in the store.
  if (IsItem(m_nFocusItem)) ResetScrollPos(m_vecItems[std::size_t(m_nFocusItem)].nParentID);
  CalcShowRect();
  return CElementControl::OnSize(type, cx, cy);
}

int CElementTree::OnShow(int show) {
  if (!show) {
    CloseTip();
    return 1;
  }
  CalcShowItems();
  CalcShowRect();
  return 1;
}

int CElementTree::OnMouseWheel(UINT, int delta, POINT) {
  OnUserMessage(WM_ELEMENT_VSCROLL, delta >= 1 ? TREE_SCROLL_WHEEL_UP : TREE_SCROLL_WHEEL_DOWN, 0);
  // The rows moved under a pointer that did not: the hover follows the rows. Only while the
  // pointer is over the tree as its host knows it, though: the turn also reaches a focused tree
  // from over a pop-up or another element, and a hover taken there would never hear a leave,
  // so its tip would open wherever the pointer went.
  const CElementHost* host = GetHost();
  if (m_eShowStyle == TREE_STYLE_FLAT && host && host->Hover() == this) {
    const POINT pt = GetMousePoint();
    if (m_rcItems.PtInRect(pt)) {
      // The row that had the hover moved with the copied pixels, its look with it.
      if (m_nHoverItem != -1) InvalidateItemRow(m_nHoverItem);
      m_nHoverItem = -1;
      CalcHoverItem(pt.x, pt.y);
    }
  }
  return 1;
}
