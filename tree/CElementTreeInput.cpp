// The tree's input: focus from code, the rows' parts for the press machine, clicks, double
// clicks, keys, hover and the cursor, and the notifications to the parent. Every handler that
// notifies does so last and returns at once (ElementWatch.h): the parent may delete items, or
// the tree, while it handles the notice. A click takes the focus first, and the element losing
// it may tell its parent: the tree watches itself across that.
#include <algorithm>

#include "host/CGlobalEnv.h"
#include "host/ElementWatch.h"
#include "tree/CElementTree.h"

// ---- notifications

long CElementTree::SendMessageToParent(int code, int id, int message) {
  if (!IsRecord(id)) return 0;
  CComPtr<CGlobalEnv> env = CGlobalEnv::GetGlobalEnv();
  CComPtr<CPackager<tagNM_TREECONTAINER>> package(new CPackager<tagNM_TREECONTAINER>);
  tagNM_TREECONTAINER& notice = package->Value();
  notice.hdr = {nullptr, GetID(), UINT(code)};
  notice.bPathText = 0;
  notice.item = m_vecItems[std::size_t(id)];
  // Without an environment the package travels as itself; this reference keeps it alive.
  CUnknown* counted = package.p;
  const LPARAM lParam = env ? env->PackageToLParam(counted) : reinterpret_cast<LPARAM>(counted);
  SendControlMessage(UINT(message), WPARAM(code), lParam);
  return 1;
}

long CElementTree::SendMessageToParent(int code, int id, CString suffix, int noSuffix) {
  if (!IsItem(id)) return 0;
  CComPtr<CGlobalEnv> env = CGlobalEnv::GetGlobalEnv();
  CComPtr<CPackager<tagNM_TREECONTAINER>> package(new CPackager<tagNM_TREECONTAINER>);
  tagNM_TREECONTAINER& notice = package->Value();
  notice.hdr = {nullptr, GetID(), UINT(code)};
  notice.bPathText = 1;
  notice.item = m_vecItems[std::size_t(id)];
  CString path;
  GetItemParentStr(id, path);
  path += notice.item.strText;
  if (!noSuffix) {
    path += L'.';
    path += suffix;
  }
  notice.item.strText = path;
  CUnknown* counted = package.p;
  const LPARAM lParam = env ? env->PackageToLParam(counted) : reinterpret_cast<LPARAM>(counted);
  SendControlMessage(WM_NOTIFY, WPARAM(code), lParam);
  return 1;
}

// ---- focus from code

void CElementTree::SetFocusItem(int id) {
  if (!IsItem(id)) return;
  m_nFocusItem = id;
  // Exactly the chain above the focus is open; the root stays open, as it always is.
  for (std::size_t i = 1; i < m_vecItems.size(); ++i) m_vecItems[i].nOpen = 0;
  for (int p = m_vecItems[std::size_t(id)].nParentID; p != 0;
       p = m_vecItems[std::size_t(p)].nParentID)
    m_vecItems[std::size_t(p)].nOpen = 1;
  CalcShowItems();
  if (GetDrawRect().IsRectEmpty()) return;  // not laid out yet: OnSize reveals it
  CalcScreenItems();
  ResetScrollPos(m_vecItems[std::size_t(id)].nParentID);
  CalcShowRect();
  InvalidateAll();
}

// ---- helpers

bool CElementTree::ToggleOpen(int id) {
  _TREE_ITEM& item = m_vecItems[std::size_t(id)];
  item.nOpen = item.nOpen == 1 ? 0 : 1;
  return item.nOpen == 1;
}

void CElementTree::Relayout(bool revealFocus) {
  CalcShowItems();
  CalcScreenItems();
  if (revealFocus) ResetScrollPos(m_nFocusItem);
  CalcShowRect();
}

TREE_ITEM_CHECK CElementTree::NextCheckOnClick(TREE_ITEM_CHECK state) {
  switch (state) {
    case TREE_CHECK_NO: return TREE_CHECK_YES;
    case TREE_CHECK_YES:
    case TREE_CHECK_YES_HALF: return TREE_CHECK_NO;
    default: return state;  // no box: nothing to cycle
  }
}

void CElementTree::InvalidateRow(int row) {
  if (IsLaidOutRow(row)) InvalidContainerRect(0, &m_vecShowRects[std::size_t(row)]);
}

void CElementTree::ShowCheckChange(int id, int oldFocus) {
  CalcItemsTextLeave();
  for (int row = 0; IsLaidOutRow(row); ++row) {
    const int shown = RowItem(row);
    if (shown == id || shown == oldFocus || IsChildItem(shown, id) || IsChildItem(id, shown))
      InvalidateRow(row);
  }
}

// ---- parts

PressPart CElementTree::PressPartAt(POINT pt) const {
  const int row = CalcPointItemPos(pt.y);
  if (!IsLaidOutRow(row)) return kNoPart;
  const int id = RowItem(row);
  // The painter is the tree's scratch row: every use loads it first.
  m_pItemPainter->SetItemValue(m_vecItems[std::size_t(id)]);
  return RowPart(id, m_pItemPainter->GetPointInItemArea(pt, m_vecShowRects[std::size_t(row)]));
}

void CElementTree::OnPressLookChanged(const PressStep&) {}

bool CElementTree::FollowHotPart() {
  if (m_eShowStyle != TREE_STYLE_FLAT) return false;
  const int id = PartItem(GetPress().Hot());
  if (id == m_nHoverItem) return false;
  const int oldRow = GetItemInShowPos(m_nHoverItem) - m_nFirstShow;
  const bool hadHover = m_nHoverItem != -1;
  m_nHoverItem = id;
  if (id == -1) {
    InvalidateAll();
    return true;
  }
  if (hadHover) InvalidateRow(oldRow);
  InvalidateRow(GetItemInShowPos(id) - m_nFirstShow);
  return true;
}

// ---- mouse

int CElementTree::OnLButtonDown(POINT pt) {
  const ElementWatch alive(*this);
  SetFocus();
  if (!alive.Alive()) return 1;
  CloseTip();
  if (!Press(PressEvent::Down, pt).click) return 1;
  const PressPart part = GetPress().Hot();
  const int id = PartItem(part);
  const MOUSE_IN_ITEM_AREA area = PartArea(part);
  const int oldFocus = m_nFocusItem;
  m_nFocusItem = id;
  const bool flat = m_eShowStyle == TREE_STYLE_FLAT;
  const int closed = flat ? SetItemClose(oldFocus, id) : 0;

  if (area == MOUSE_IN_BTN) {
    const bool opened = ToggleOpen(id);
    Relayout(opened);
  } else if (area == MOUSE_IN_CHECK) {
    SetItemCheck(id, NextCheckOnClick(m_vecItems[std::size_t(id)].eCheck));
    ShowCheckChange(id, oldFocus);
  } else if (closed) {
    m_nFirstShow = 0;
    Relayout(true);
  }
  if (flat || area == MOUSE_IN_BTN || area == MOUSE_IN_CHECK) {
    if (area != MOUSE_IN_CHECK) InvalidateAll();
    SendMessageToParent(NM_CLICK, id, WM_NOTIFY);
    return 1;
  }
  // A press on the text or beside it only moves the focus, and its frame with it.
  if (oldFocus != id) {
    InvalidateRow(GetItemInShowPos(oldFocus) - m_nFirstShow);
    InvalidateRow(GetItemInShowPos(id) - m_nFirstShow);
  }
  return 1;
}

int CElementTree::OnDBClick(int flags, POINT pt) {
  if (flags == 0 || m_eShowStyle == TREE_STYLE_FLAT) return 1;
  const PressPart part = PressPartAt(pt);
  if (part == kNoPart) return 1;
  const int id = PartItem(part);
  const MOUSE_IN_ITEM_AREA area = PartArea(part);
  // The second press of a quick pair on a box, or beside the item, is a press like the first.
  if (area != MOUSE_IN_BTN && area != MOUSE_IN_TEXT) return OnLButtonDown(pt);
  const ElementWatch alive(*this);
  SetFocus();
  if (!alive.Alive()) return 1;
  CloseTip();
  if (Press(PressEvent::Down, pt).ignored) return 1;
  if (area == MOUSE_IN_TEXT) m_nFocusItem = id;
  if (area == MOUSE_IN_BTN || m_vecItems[std::size_t(id)].nChildCount > 0) {
    const bool opened = ToggleOpen(id);
    CalcShowItems();
    CalcScreenItems();
    if (opened) ResetScrollPos(id);
    CalcShowRect();
  }
  InvalidateAll();
  SendMessageToParent(NM_DBLCLK, id, WM_NOTIFY);
  return 1;
}

int CElementTree::OnMouseMove(int x, int y, DWORD) {
  if (m_eShowStyle != TREE_STYLE_FLAT) return 1;
  CalcHoverItem(x, y);
  SkipMsg();
  return 1;
}

int CElementTree::CalcHoverItem(int x, int y) {
  // Outside the rows area the pointer changes nothing, not even the hover.
  if (!m_rcItems.PtInRect(CPoint(x, y))) return 0;
  // A disabled tree follows no pointer: the machine ignores its input.
  if (Press(PressEvent::Move, {x, y}).ignored) return m_nHoverItem != -1 ? 1 : 0;
  // The machine may have seen no change where the store renumbered or the rows scrolled under
  // the pointer: the hover is compared with the item itself.
  if (FollowHotPart()) {
    if (m_nHoverItem == -1) {
      // Off the rows: the tip goes after a moment.
      HideTip();
    } else {
      // A new item under the pointer: its own tip after a rest, never the last one's.
      CloseTip();
      StartTimer(TREE_TIMER_SHOW, kTipDelay);
    }
  }
  return m_nHoverItem != -1 ? 1 : 0;
}

int CElementTree::OnMouseLeave() {
  CloseTip();
  if (!Press(PressEvent::Leave).ignored) FollowHotPart();
  return 1;
}

int CElementTree::OnSetCursor(UINT, LPARAM) {
  ::SetCursor(::LoadCursorW(nullptr, m_nHoverItem == -1 ? IDC_ARROW : IDC_HAND));
  SkipMsg();
  return 1;
}

// ---- keys

int CElementTree::OnKeyDown(UINT vk, UINT, UINT) {
  SetFocus();
  CloseTip();
  const int oldFocus = m_nFocusItem;
  const int p = GetItemInShowPos(m_nFocusItem);
  const int f = m_nFirstShow, S = m_nShowCount, P = m_nPageCount, C = m_nScreenCount;
  const auto scroll = [this](int code) { OnUserMessage(WM_ELEMENT_VSCROLL, WPARAM(code), 0); };
  // The rows the focus left and entered, wherever scrolling put them.
  const auto showFocusMove = [this, oldFocus] {
    InvalidateItemRow(oldFocus);
    InvalidateItemRow(m_nFocusItem);
  };
  // Ends a move that must not notify: the focus on a full row, repainted.
  const auto revealQuietly = [this, &showFocusMove] {
    if (!IsFocusItemShow()) EnsureFocusItemShow();
    showFocusMove();
    return 1;
  };
  switch (vk) {
    case VK_DOWN: {
      if (p < 0 || p >= S - 1) return 1;
      m_nFocusItem = m_vecShowItems[std::size_t(p + 1)];
      if (p + 1 <= f || p >= f + P) return revealQuietly();
      const int bottom = m_vecShowRects.empty() ? 0 : m_vecShowRects.back().bottom;
      const int limit = GetDrawRect().bottom;
      if (p >= f + C - 2 && (bottom > limit || (bottom == limit && p == f + C - 1))) {
        scroll(SB_LINEDOWN);
        return revealQuietly();
      }
      break;
    }
    case VK_UP: {
      if (p < 1) return 1;
      m_nFocusItem = m_vecShowItems[std::size_t(p - 1)];
      if (p + 1 <= f || p >= f + P) return revealQuietly();
      if (p == f) {
        scroll(SB_LINEUP);
        return revealQuietly();
      }
      break;
    }
    case VK_NEXT: {
      if (p >= S - 1) return 1;
      // A page is at least a row, so the key always gets somewhere.
      const int k = std::max(std::min(P, S), 1);
      if (p - f + 1 < k) {
        m_nFocusItem = m_vecShowItems[std::size_t(std::min(f + k - 1, S - 1))];
        InvalidateAll();
      } else {
        m_nFocusItem = m_vecShowItems[std::size_t(std::min(p + k, S - 1))];
        scroll(SB_PAGEDOWN);
      }
      break;
    }
    case VK_PRIOR: {
      if (p < 1) return 1;
      if (p == f) {
        m_nFocusItem = m_vecShowItems[std::size_t(std::max(p - P, 0))];
        scroll(SB_PAGEUP);
      } else {
        // Below the first row, or above the screen: the first row shown.
        m_nFocusItem = m_vecShowItems[std::size_t(f)];
        InvalidateAll();
      }
      break;
    }
    case VK_END:
      if (p >= S - 1) return 1;
      m_nFocusItem = m_vecShowItems[std::size_t(S - 1)];
      scroll(SB_BOTTOM);
      break;
    case VK_HOME:
      if (p < 1) return 1;
      m_nFocusItem = m_vecShowItems[0];
      // The first row must show: from anywhere below the top, the screen goes up too.
      if (f == 0) InvalidateAll();
      else scroll(SB_TOP);
      break;
    default:
      if (CGlobalEnv::KeyboardOperation() && !OperateFocusItem(vk)) return 1;
      // Not one of the tree's moves: the parent hears it, and the view stays where it is.
      SendMessageToParent(int(vk), m_nFocusItem, WM_KEYDOWN);
      return 1;
  }
  if (p >= 0 && !IsFocusItemShow()) EnsureFocusItemShow();
  showFocusMove();
  SendMessageToParent(int(vk), m_nFocusItem, WM_KEYDOWN);
  return 1;
}

bool CElementTree::OperateFocusItem(UINT vk) {
  const int id = m_nFocusItem;
  if (!IsItem(id)) return true;
  const _TREE_ITEM& item = m_vecItems[std::size_t(id)];
  const bool close = vk == VK_LEFT || vk == VK_SUBTRACT || vk == VK_OEM_MINUS;
  const bool open = vk == VK_RIGHT || vk == VK_ADD || vk == VK_OEM_PLUS;
  const TREE_ITEM_CHECK next = NextCheckOnClick(item.eCheck);
  if ((close || open) && item.nChildCount > 0 && (item.nOpen == 1) != open) {
    ToggleOpen(id);
    Relayout(open);
    InvalidateAll();
  } else if (vk == VK_SPACE && next != item.eCheck) {
    SetItemCheck(id, next);
    ShowCheckChange(id, id);
  } else {
    return true;
  }
  const ElementWatch alive(*this);
  SendMessageToParent(NM_CLICK, id, WM_NOTIFY);
  return alive.Alive();
}

int CElementTree::OnKeyUp(UINT vk, UINT repeat, UINT flags) {
  return CElementContainer::OnKeyUp(vk, repeat, flags);
}
