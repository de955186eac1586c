// The radio's decisions as plain functions of plain values: its press machine, which look it
// shows, and where its box and caption go. The control feeds them its state and draws or
// repaints with the result; the tests run them without a screen.
//
// The press machine, (status, pushed) before and after each event:
//
//   event                     status after               pushed after
//   Down                      PUSH                       true
//   Move(flags == MK_LBUTTON) PUSH if pushed else HOVER  unchanged
//   Move(other flags)         HOVER                      false (another button or key ends it)
//   Leave                     NORMAL                     unchanged (a press may come back)
//   Up, pushed and inside     FOCUS                      false      -> a completed click
//   Up, pushed and outside    unchanged (PUSH)           false
//   Up, not pushed            unchanged                  false
// A disabled radio takes none of these events.
#pragma once

#include "host/ColorTable.h"
#include "platform/mfc/CRect.h"
#include "platform/win32/WinInput.h"

namespace radio {

struct PressState {
  DWORD dwStatus = COLOR_STATE_NORMAL;
  bool bPushed = false;
};

inline PressState AfterDown(PressState) { return {COLOR_STATE_PUSH, true}; }

inline PressState AfterMove(PressState s, DWORD keyFlags) {
  if (keyFlags != MK_LBUTTON) s.bPushed = false;
  s.dwStatus = s.bPushed ? COLOR_STATE_PUSH : COLOR_STATE_HOVER;
  return s;
}

inline PressState AfterLeave(PressState s) { return {COLOR_STATE_NORMAL, s.bPushed}; }

// True in `click` when the release completes a click.
struct ReleaseResult {
  PressState state;
  bool click = false;
};
inline ReleaseResult AfterUp(PressState s, bool inside) {
  const bool click = s.bPushed && inside;
  s.bPushed = false;
  if (click) s.dwStatus = COLOR_STATE_FOCUS;
  return {s, click};
}

// The state whose bitmap is drawn: disabled wins; focus shows unless the radio is pushed.
inline DWORD BitmapStatus(DWORD status, bool enabled, bool focused) {
  if (!enabled) return COLOR_STATE_DISABLE;
  if (focused && status != COLOR_STATE_PUSH) return COLOR_STATE_FOCUS;
  return status;
}

// The state whose colours fill the background and draw the caption: focus has no colours of
// its own here, only a bitmap.
inline DWORD ColorStatus(DWORD status, bool enabled) {
  return enabled ? status : COLOR_STATE_DISABLE;
}

struct Layout {
  CRect rcCheck;
  CRect rcText;
};

// The box at the left, as wide as its bitmap and vertically centred when the control is taller
// than it (else it keeps the control's full height); the caption one pixel right of it to the
// right edge. Without a bitmap size the box and the caption both cover the whole control.
inline Layout LayoutCheckText(int cx, int cy, const SIZE* box) {
  Layout layout{CRect(0, 0, cx, cy), CRect(0, 0, cx, cy)};
  if (!box) return layout;
  layout.rcCheck.right = layout.rcCheck.left + box->cx;
  const int spare = cy - box->cy;
  if (spare > 0) {
    layout.rcCheck.top = spare / 2;
    layout.rcCheck.bottom = layout.rcCheck.top + box->cy;
  }
  layout.rcText.left = layout.rcCheck.right + 1;
  return layout;
}

}  // namespace radio
