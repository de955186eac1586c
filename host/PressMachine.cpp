// The shared press machine: the event table in PressMachine.h, row by row.
#include "host/PressMachine.h"

PressStep PressMachine::On(PressEvent event, bool enabled, bool inside, DWORD keys) {
  PressStep step;
  if (!enabled && event != PressEvent::Cancel) {
    step.ignored = true;
    return step;
  }
  const bool wasPressed = m_bPressed, wasPushed = PushedLook(), wasHover = m_bHover;
  switch (event) {
    case PressEvent::Down:
      m_bPressed = inside;
      m_bInside = m_bHover = inside;
      step.takeCapture = inside;
      break;
    case PressEvent::Move:
      if (m_bPressed && m_policy.otherButtonsCancel && keys != MK_LBUTTON) m_bPressed = false;
      m_bInside = m_bHover = inside;
      break;
    case PressEvent::Up:
      m_bPressed = false;
      m_bInside = m_bHover = inside;
      step.click = m_policy.click == PressPolicy::Click::ReleaseAnywhere || (wasPressed && inside);
      break;
    case PressEvent::Leave: m_bInside = m_bHover = false; break;
    case PressEvent::Cancel: m_bPressed = false; break;
  }
  step.releaseCapture = wasPressed && !m_bPressed;
  step.changed = wasPushed != PushedLook() || wasHover != m_bHover;
  return step;
}

DWORD ControlLook(const PressMachine& press, bool enabled, bool focused) {
  if (!enabled) return COLOR_STATE_DISABLE;
  if (press.PushedLook()) return COLOR_STATE_PUSH;
  const bool hover = press.Hover();
  if (press.Policy().focusOverHover) {
    if (focused) return COLOR_STATE_FOCUS;
    if (hover) return COLOR_STATE_HOVER;
  } else {
    if (hover) return COLOR_STATE_HOVER;
    if (focused) return COLOR_STATE_FOCUS;
  }
  return COLOR_STATE_NORMAL;
}
