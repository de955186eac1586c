// The shared press machine: the event table in PressMachine.h, row by row.
#include "host/PressMachine.h"

PressStep PressMachine::On(PressEvent event, bool enabled, PressPart part, DWORD keys) {
  PressStep step;
  step.hotBefore = m_nHot;
  if (!enabled && event != PressEvent::Cancel) {
    step.ignored = true;
    return step;
  }
  const bool wasPushed = PushedLook();
  const bool wasClicked = m_bClicked;
  const PressPart wasActive = m_nActive;
  if (event != PressEvent::Tick) m_bClicked = false;
  switch (event) {
    case PressEvent::Down:
      if (m_policy.click == PressPolicy::Click::OnPress) {
        m_nHot = part;
        step.click = part != kNoPart;
        break;
      }
      m_nActive = m_nHot = part;
      step.takeCapture = part != kNoPart;
      if (Repeats(part)) {
        m_bRepeating = false;
        step.startRepeat = m_policy.repeatDelay;
      }
      break;
    case PressEvent::Move:
      if (Pressed() && m_policy.otherButtonsCancel && keys != MK_LBUTTON) m_nActive = kNoPart;
      m_nHot = part;
      break;
    case PressEvent::Up:
      m_nActive = kNoPart;
      m_nHot = part;
      step.click = m_policy.click == PressPolicy::Click::ReleaseAnywhere ||
                   (wasActive != kNoPart && part == wasActive);
      m_bClicked = step.click && m_policy.focusAfterClickOnly;
      break;
    case PressEvent::Leave: m_nHot = kNoPart; break;
    case PressEvent::Navigate: m_nHot = part; break;
    case PressEvent::Cancel: m_nActive = kNoPart; break;
    case PressEvent::Tick:
      if (!Repeats(m_nActive)) {
        step.stopRepeat = true;
        break;
      }
      step.repeat = true;
      if (!m_bRepeating) {
        m_bRepeating = true;
        step.startRepeat = m_policy.repeatRate;
      }
      break;
  }
  step.releaseCapture = wasActive != kNoPart && m_nActive == kNoPart;
  if (step.releaseCapture && Repeats(wasActive)) step.stopRepeat = true;
  step.changed =
      wasPushed != PushedLook() || step.hotBefore != m_nHot || wasClicked != m_bClicked;
  return step;
}

DWORD ControlLook(const PressMachine& press, bool enabled, bool focused) {
  if (!enabled) return COLOR_STATE_DISABLE;
  if (press.PushedLook()) return COLOR_STATE_PUSH;
  const bool hover = press.Hover();
  if (press.Policy().focusAfterClickOnly) {
    if (press.Clicked()) return COLOR_STATE_FOCUS;
    return hover ? COLOR_STATE_HOVER : COLOR_STATE_NORMAL;
  }
  if (press.Policy().focusOverHover) {
    if (focused) return COLOR_STATE_FOCUS;
    if (hover) return COLOR_STATE_HOVER;
  } else {
    if (hover) return COLOR_STATE_HOVER;
    if (focused) return COLOR_STATE_FOCUS;
  }
  return COLOR_STATE_NORMAL;
}

DWORD PartLook(const PressMachine& press, PressPart part, bool enabled) {
  if (!enabled) return COLOR_STATE_DISABLE;
  if (part == kNoPart) return COLOR_STATE_NORMAL;
  if (press.PushedLook() && press.Active() == part) return COLOR_STATE_PUSH;
  if (press.Hot() == part) return COLOR_STATE_HOVER;
  return COLOR_STATE_NORMAL;
}
