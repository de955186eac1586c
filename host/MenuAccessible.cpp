#include "host/MenuAccessible.h"

#include "host/CMenuWnd.h"
#include "platform/accessibility/AccessibleClick.h"

void MenuAccessible::Describe(platform::AccessibleFacts& facts) const {
  ClientAccessible::Describe(facts);
  facts.role = ROLE_SYSTEM_MENUPOPUP;
}

LONG MenuAccessible::ItemCount() const {
  const CMenuWnd* menu = CMenuWnd::FromMenuWindow(Hwnd());
  return menu ? LONG(menu->GetItems().size()) : 0;
}

void MenuAccessible::DescribeItem(LONG item, platform::AccessibleFacts& facts) const {
  const CMenuWnd* menu = CMenuWnd::FromMenuWindow(Hwnd());
  if (!menu) return;
  const int row = int(item - 1);
  const MenuItem& entry = menu->GetItems()[std::size_t(row)];
  facts.screen = menu->GetItemRect(row);
  if (entry.IsSeparator()) {
    facts.role = ROLE_SYSTEM_SEPARATOR;
    return;
  }
  facts.role = ROLE_SYSTEM_MENUITEM;
  facts.name = entry.strText;
  if (!entry.IsChoosable()) {
    facts.state = STATE_SYSTEM_UNAVAILABLE;
    return;
  }
  facts.state = STATE_SYSTEM_FOCUSABLE;
  facts.defaultAction = L"Execute";
  if (menu->GetHotItem() == row) facts.state |= STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED;
}

platform::AccessibleChild MenuAccessible::Focus() const {
  const CMenuWnd* menu = CMenuWnd::FromMenuWindow(Hwnd());
  if (!menu || GetFocus() != Hwnd()) return {CHILDID_SELF, {}, true};
  return {menu->GetHotItem() + 1, {}, false};
}

HRESULT MenuAccessible::DoDefaultAction(LONG child) {
  if (child == CHILDID_SELF) return DISP_E_MEMBERNOTFOUND;
  platform::AccessibleFacts facts;
  DescribeItem(child, facts);
  const RECT& r = facts.screen;
  return platform::ClickAt({(r.left + r.right) / 2, (r.top + r.bottom) / 2}) ? S_OK : E_FAIL;
}
