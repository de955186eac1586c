#include "platform/controls/ListBoxAccessible.h"

#include "platform/accessibility/AccessibleClick.h"
#include "platform/win32/WinListBox.h"
#include "platform/win32/WinUser.h"

namespace platform {

namespace {

// The row's text, for a list that keeps strings: every list but an owner-drawn one without
// LBS_HASSTRINGS, whose rows have only their values.
std::wstring RowText(HWND hwnd, int row) {
  const auto style = DWORD(GetWindowLongW(hwnd, GWL_STYLE));
  if (!(style & LBS_HASSTRINGS) && (style & LBS_OWNERDRAWFIXED)) return {};
  const LRESULT length = SendMessageW(hwnd, LB_GETTEXTLEN, WPARAM(row), 0);
  if (length <= 0) return {};
  std::wstring text(std::size_t(length) + 1, L'\0');
  SendMessageW(hwnd, LB_GETTEXT, WPARAM(row), reinterpret_cast<LPARAM>(text.data()));
  text.resize(std::size_t(length));
  return text;
}

}  // namespace

void ListBoxAccessible::Describe(AccessibleFacts& facts) const {
  ClientAccessible::Describe(facts);
  facts.role = ROLE_SYSTEM_LIST;
}

LONG ListBoxAccessible::ItemCount() const {
  const LRESULT count = SendMessageW(Hwnd(), LB_GETCOUNT, 0, 0);
  return count > 0 ? LONG(count) : 0;
}

void ListBoxAccessible::DescribeItem(LONG item, AccessibleFacts& facts) const {
  const int row = int(item - 1);
  facts.role = ROLE_SYSTEM_LISTITEM;
  facts.name = RowText(Hwnd(), row);
  facts.defaultAction = L"Click";
  facts.state = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE;
  if (SendMessageW(Hwnd(), LB_GETCURSEL, 0, 0) == row) {
    facts.state |= STATE_SYSTEM_SELECTED;
    if (GetFocus() == Hwnd()) facts.state |= STATE_SYSTEM_FOCUSED;
  }
  RECT r{};
  SendMessageW(Hwnd(), LB_GETITEMRECT, WPARAM(row), reinterpret_cast<LPARAM>(&r));
  RECT client{};
  GetClientRect(Hwnd(), &client);
  RECT shown{};
  if (!IntersectRect(&shown, &r, &client)) facts.state |= STATE_SYSTEM_OFFSCREEN;
  const RECT screen = ClientOnScreen();
  OffsetRect(&r, screen.left, screen.top);
  facts.screen = r;
}

AccessibleChild ListBoxAccessible::Focus() const {
  if (GetFocus() != Hwnd()) return {CHILDID_SELF, {}, true};
  const LRESULT caret = SendMessageW(Hwnd(), LB_GETCARETINDEX, 0, 0);
  return {caret >= 0 && caret < ItemCount() ? LONG(caret + 1) : CHILDID_SELF, {}, false};
}

AccessibleChild ListBoxAccessible::Selection() const {
  const LRESULT selected = SendMessageW(Hwnd(), LB_GETCURSEL, 0, 0);
  if (selected < 0) return {CHILDID_SELF, {}, true};
  return {LONG(selected + 1), {}, false};
}

// A row out of view is scrolled in first, as the user would before clicking it.
HRESULT ListBoxAccessible::DoDefaultAction(LONG child) {
  if (child == CHILDID_SELF) return DISP_E_MEMBERNOTFOUND;
  AccessibleFacts facts;
  DescribeItem(child, facts);
  if (facts.state & STATE_SYSTEM_OFFSCREEN)
    SendMessageW(Hwnd(), LB_SETTOPINDEX, WPARAM(child - 1), 0);
  DescribeItem(child, facts);
  const POINT centre{(facts.screen.left + facts.screen.right) / 2,
                     (facts.screen.top + facts.screen.bottom) / 2};
  return ClickAt(centre) ? S_OK : E_FAIL;
}

}  // namespace platform
