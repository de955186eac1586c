// The tree's tips: the host's tip records, and the tip window the flat style shows after the
// pointer rests on an item: the item's own tip to the right of its row, or the whole text of a
// cut item over its row.
#include <algorithm>

#include "tree/CElementTree.h"
#include "tree/CTreeTipWnd.h"

namespace {

// Colours of tips whose colours the host left unset: own tips dark on light, cut texts light on
// dark (the remind text's own default is white).
constexpr COLORREF kTipBackDefault = RGB(255, 255, 225);
constexpr COLORREF kTipTextDefault = RGB(27, 27, 27);
constexpr COLORREF kRemindBackDefault = RGB(64, 64, 64);
// An own tip's lines are this much taller than its font.
constexpr int kTipLineExtra = 6;

COLORREF OrDefault(COLORREF color, COLORREF fallback) {
  return color == TREE_CLR_UNSET ? fallback : color;
}

}  // namespace

int CElementTree::ChangeItemTip(_TREE_ITEM_TIP tip) {
  const auto it = std::find_if(m_vecTips.begin(), m_vecTips.end(),
                               [&](const _TREE_ITEM_TIP& t) { return t.nItemID == tip.nItemID; });
  if (it != m_vecTips.end()) *it = std::move(tip);
  return 1;
}

int CElementTree::GetHoverItemTip(_TREE_ITEM_TIP& out) const {
  const auto it = std::find_if(m_vecTips.begin(), m_vecTips.end(),
                               [&](const _TREE_ITEM_TIP& t) { return t.nItemID == m_nHoverItem; });
  if (it == m_vecTips.end()) return 0;
  out = *it;
  return 1;
}

HWND CElementTree::GetTipWindow() const {
  return m_pTipWnd && m_pTipWnd->IsShown() ? m_pTipWnd->m_hWnd : nullptr;
}

void CElementTree::ShowTip() {
  const int h = m_nHoverItem;
  if (!IsItem(h) || m_nFirstShow < 0) return;
  const _TREE_ITEM& item = m_vecItems[std::size_t(h)];
  if (!item.bHaveTip && item.nTextLeave >= 0) return;
  const int row = GetItemInShowPos(h) - m_nFirstShow;
  if (!IsLaidOutRow(row)) return;
  const CRect& rect = m_vecShowRects[std::size_t(row)];

  _TREE_ITEM_TIP tip;
  POINT anchor{rect.right + 1, rect.top};
  TreeTipLook look;
  look.font = GetItemLogfont(item);
  look.frame = GetColor(COLOR_PART_FRAME, COLOR_STATE_NORMAL);
  if (item.bHaveTip) {
    if (!GetHoverItemTip(tip)) return;
    look.back = OrDefault(m_clrTipBackground, kTipBackDefault);
    look.text = OrDefault(m_clrTipTextHover, kTipTextDefault);
    look.lineHeight = int(std::abs(look.font.lfHeight)) + kTipLineExtra;
  } else {
    tip.nItemID = h;
    tip.nHeight = item.nHeight;
    tip.nTipValue4 = 1;
    tip.strTip = item.strText;
    // Over the row, the characters where the row shows them.
    anchor = {rect.left + GetItemOffSetPixById(h) + CTreeItem::kTextInset - 1 - kTreeTipPadX,
              rect.top};
    look.back = OrDefault(m_clrRemindTipBg, kRemindBackDefault);
    look.text = OrDefault(m_clrRemindTipText, RGB(255, 255, 255));
    look.lineHeight = std::max(rect.Height() - 2, 1);
    m_bTipShown = 1;
  }
  const CRect place = GetContainerRect();
  anchor.x += place.left;
  anchor.y += place.top;
  const HWND window = GetVMWindow();
  if (!window) return;
  ::ClientToScreen(window, &anchor);
  if (!m_pTipWnd) m_pTipWnd = std::make_unique<CTreeTipWnd>();
  m_pTipWnd->Show(tip, anchor, look, window);
}

void CElementTree::HideTip() {
  StopTimer(TREE_TIMER_HIDE);
  StartTimer(TREE_TIMER_HIDE, kTipHideDelay);
}

void CElementTree::CloseTip() {
  StopTimer(TREE_TIMER_SHOW);
  StopTimer(TREE_TIMER_HIDE);
  m_bTipShown = 0;
  if (m_pTipWnd) m_pTipWnd->Hide();
}

int CElementTree::OnTimer(DWORD id) {
  if (id == TREE_TIMER_SHOW) {
    StopTimer(TREE_TIMER_SHOW);
    ShowTip();
  } else if (id == TREE_TIMER_HIDE) {
    CloseTip();
  }
  return 1;
}
