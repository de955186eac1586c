// The tree as assistive technology reads it: an outline whose items are the rows shown.
#include <string>

#include "platform/accessibility/AccessibleClick.h"
#include "platform/win32/WinScrollBar.h"
#include "tree/CElementTree.h"

namespace {

// The item's parts a default action clicks, in the order they are preferred.
MOUSE_IN_ITEM_AREA ActionArea(const _TREE_ITEM& item) {
  if (item.eCheck != TREE_CHECK_NONE) return MOUSE_IN_CHECK;
  if (item.nChildCount > 0 && item.bShowBtn) return MOUSE_IN_BTN;
  return MOUSE_IN_TEXT;
}

}  // namespace

void CElementTree::DescribeAccessible(platform::AccessibleFacts& facts) const {
  CElementControl::DescribeAccessible(facts);
  facts.role = ROLE_SYSTEM_OUTLINE;
  facts.state &= ~STATE_SYSTEM_READONLY;
  facts.state |= STATE_SYSTEM_FOCUSABLE;
}

int CElementTree::GetAccessibleItemCount() const { return int(m_vecShowItems.size()); }

void CElementTree::DescribeAccessibleItem(int item, platform::AccessibleFacts& facts) const {
  const int shown = item - 1;
  const _TREE_ITEM& record = m_vecItems[std::size_t(m_vecShowItems[std::size_t(shown)])];
  facts.role = ROLE_SYSTEM_OUTLINEITEM;
  facts.name = record.strText.GetString();
  facts.value = std::to_wstring(record.nLevel);
  facts.state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
  if (record.nChildCount > 0)
    facts.state |= record.nOpen ? STATE_SYSTEM_EXPANDED : STATE_SYSTEM_COLLAPSED;
  if (record.eCheck == TREE_CHECK_YES) facts.state |= STATE_SYSTEM_CHECKED;
  if (record.eCheck == TREE_CHECK_YES_HALF) facts.state |= STATE_SYSTEM_MIXED;
  if (record.nID == m_nFocusItem) {
    facts.state |= STATE_SYSTEM_SELECTED;
    platform::AccessibleFacts tree;
    DescribeAccessible(tree);
    if (tree.state & STATE_SYSTEM_FOCUSED) facts.state |= STATE_SYSTEM_FOCUSED;
  }
  switch (ActionArea(record)) {
    case MOUSE_IN_CHECK:
      // A click clears a mixed box as it clears a checked one.
      facts.defaultAction =
          NextCheckOnClick(record.eCheck) == TREE_CHECK_YES ? L"Check" : L"Uncheck";
      break;
    case MOUSE_IN_BTN: facts.defaultAction = record.nOpen ? L"Collapse" : L"Expand"; break;
    default: facts.defaultAction = L"Click"; break;
  }
  const int row = shown - m_nFirstShow;
  const CRect place = GetScreenRect();
  if (!IsLaidOutRow(row)) {
    facts.state |= STATE_SYSTEM_OFFSCREEN;
    facts.screen = CRect(place.left, place.top, place.left, place.top);
    return;
  }
  CRect r = m_vecShowRects[std::size_t(row)];
  r.OffsetRect(place.left, place.top);
  facts.screen = r;
}

int CElementTree::GetAccessibleFocusItem() const {
  const int pos = GetItemInShowPos(m_nFocusItem);
  return pos < 0 ? 0 : pos + 1;
}

int CElementTree::GetAccessibleSelectedItem() const { return GetAccessibleFocusItem(); }

HRESULT CElementTree::DoAccessibleAction(int item) {
  if (item == 0) return DISP_E_MEMBERNOTFOUND;
  const int id = m_vecShowItems[std::size_t(item - 1)];
  platform::AccessibleFacts facts;
  DescribeAccessibleItem(item, facts);
  // Scrolled into view a row at a time, as the user would before clicking.
  for (int step = 0; step < m_nShowCount && (facts.state & STATE_SYSTEM_OFFSCREEN); ++step) {
    OnVScroll(item - 1 < m_nFirstShow ? SB_LINEUP : SB_LINEDOWN);
    DescribeAccessibleItem(item, facts);
  }
  // The one hit test finds the part, so the click lands where painting drew it.
  const MOUSE_IN_ITEM_AREA wanted = ActionArea(m_vecItems[std::size_t(id)]);
  const CRect place = GetScreenRect();
  const int y = (facts.screen.top + facts.screen.bottom) / 2;
  for (int x = facts.screen.left; x < facts.screen.right; ++x) {
    const PressPart part = PressPartAt({x - place.left, y - place.top});
    if (PartItem(part) == id && PartArea(part) == wanted)
      return platform::ClickAt({x, y}) ? S_OK : E_FAIL;
  }
  return E_FAIL;
}
