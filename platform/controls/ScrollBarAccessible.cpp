#include "platform/controls/ScrollBarAccessible.h"

#include "platform/controls/ScrollState.h"
#include "platform/win32/WinScrollBar.h"
#include "platform/win32/WinUser.h"

namespace platform {

void ScrollBarAccessible::Describe(AccessibleFacts& facts) const {
  ClientAccessible::Describe(facts);
  facts.role = ROLE_SYSTEM_SCROLLBAR;
  // A bar is not a stop of the keyboard focus here: its owner scrolls on the keys.
  facts.state &= ~STATE_SYSTEM_FOCUSABLE;
  SCROLLINFO si{sizeof(si), SIF_ALL, 0, 0, 0, 0, 0};
  SendMessageW(Hwnd(), SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&si));
  ScrollState state;
  state.Apply(&si);
  facts.value = std::to_wstring(state.pos);
  facts.description = ScrollRangeText(state.min, state.MaxPos());
}

}  // namespace platform
