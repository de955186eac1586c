// The scroll bar element: geometry and input.
#include "host/CVerticalScrollbar.h"

CVerticalScrollbar::CVerticalScrollbar() {
  PressPolicy policy;
  policy.repeats = [](PressPart part) { return part != kThumb && part != kIdleTrack; };
  policy.repeatDelay = kRepeatDelay;
  policy.repeatRate = kRepeatRate;
  SetPressPolicy(policy);
}

int CVerticalScrollbar::InitObject(const wchar_t* name, _CONTAINER_INFO* info) {
  if (!CElementControl::InitObject(name, info)) return 0;
  RegisterMessages(kMessages);
  LoadDefaultColors();
  return 1;
}

void CVerticalScrollbar::InitVScrollBar(int style) {
  m_nStyle = style;
  InvalidContainerRect(0, nullptr);
}

void CVerticalScrollbar::SetWidth(int width) { m_nWidth = std::max(1, width); }

void CVerticalScrollbar::SetRowNumber(int rows) {
  m_nRows = std::max(0, rows);
  m_nFirst = std::clamp(m_nFirst, 0, Geometry().MaxFirst());
  InvalidContainerRect(0, nullptr);
}

void CVerticalScrollbar::SetPageSize(int page) {
  m_nPage = std::max(0, page);
  m_nFirst = std::clamp(m_nFirst, 0, Geometry().MaxFirst());
  InvalidContainerRect(0, nullptr);
}

void CVerticalScrollbar::UpdateThumbPos(int first) {
  const int clamped = std::clamp(first, 0, Geometry().MaxFirst());
  if (clamped == m_nFirst) return;
  m_nFirst = clamped;
  InvalidContainerRect(0, nullptr);
}

int CVerticalScrollbar::ArrowSize() const {
  return (m_nStyle & VSCROLL_STYLE_ARROWS) ? std::min(GetDrawRect().Width(), GetDrawRect().Height() / 2) : 0;
}

ScrollGeometry CVerticalScrollbar::Geometry() const {
  const int arrow = ArrowSize();
  return {arrow, std::max(0, GetDrawRect().Height() - 2 * arrow), m_nRows, m_nPage};
}

CRect CVerticalScrollbar::ThumbRect() const {
  const ScrollGeometry g = Geometry();
  const int top = g.ThumbTop(m_nFirst);
  return CRect(0, top, GetDrawRect().Width(), top + g.ThumbLength());
}

PressPart CVerticalScrollbar::PressPartAt(POINT pt) const {
  const CRect all = GetDrawRect();
  if (!all.PtInRect(pt)) return kNoPart;
  const int arrow = ArrowSize();
  if (pt.y < arrow) return kUpArrow;
  if (pt.y >= all.bottom - arrow) return kDownArrow;
  if (!Geometry().Scrollable()) return kIdleTrack;
  const CRect thumb = ThumbRect();
  if (pt.y < thumb.top) return kPageUp;
  if (pt.y >= thumb.bottom) return kPageDown;
  return kThumb;
}

void CVerticalScrollbar::ScrollTo(int first) {
  first = std::clamp(first, 0, Geometry().MaxFirst());
  if (first == m_nFirst) return;
  m_nFirst = first;
  InvalidContainerRect(0, nullptr);
  SendControlMessage(WM_ELEMENT_VSCROLL, VSCROLL_REPORT_FIRST_ROW, m_nFirst);
}

void CVerticalScrollbar::Step(PressPart part) {
  const int page = std::max(1, m_nPage);
  switch (part) {
    case kUpArrow: ScrollTo(m_nFirst - 1); break;
    case kDownArrow: ScrollTo(m_nFirst + 1); break;
    case kPageUp:
      // Paging stops once the thumb reaches the pointer.
      if (PressPartAt(GetMousePoint()) == kPageUp) ScrollTo(m_nFirst - page);
      break;
    case kPageDown:
      if (PressPartAt(GetMousePoint()) == kPageDown) ScrollTo(m_nFirst + page);
      break;
    default: break;
  }
}

void CVerticalScrollbar::FollowRepeat(const PressStep& step) {
  if (step.startRepeat) StartTimer(kRepeatTimer, step.startRepeat);
  if (step.stopRepeat) StopTimer(kRepeatTimer);
}

int CVerticalScrollbar::OnLButtonDown(POINT pt) {
  const PressStep step = Press(PressEvent::Down, pt);
  if (step.ignored) return 1;
  FollowRepeat(step);
  const PressPart held = GetPress().Active();
  if (held == kThumb) {
    m_nDragOffset = pt.y - ThumbRect().top;
  } else if (held != kNoPart) {
    // Notify last (ElementWatch.h).
    Step(held);
  }
  return 1;
}

int CVerticalScrollbar::OnLButtonUp(POINT pt) {
  FollowRepeat(Press(PressEvent::Up, pt));
  return 1;
}

int CVerticalScrollbar::OnMouseMove(int x, int y, DWORD flags) {
  if (Press(PressEvent::Move, {x, y}, flags).ignored) return 1;
  if (GetPress().Active() == kThumb) ScrollTo(Geometry().FirstForThumbTop(y - m_nDragOffset));
  return 1;
}

int CVerticalScrollbar::OnMouseLeave() {
  Press(PressEvent::Leave);
  return 1;
}

int CVerticalScrollbar::OnMouseWheel(UINT, int delta, POINT) {
  if (!IsEnable()) return 1;
  // A notch of the wheel scrolls three rows, as the platform's default does.
  ScrollTo(m_nFirst - kWheelRows * delta / WHEEL_DELTA);
  return 1;
}

int CVerticalScrollbar::OnEnable() {
  CElementControl::OnEnable();
  // Disabling cancels the press; a disabled bar takes no ticks, so its timer stops here.
  if (!GetPress().Pressed()) StopTimer(kRepeatTimer);
  return 1;
}

int CVerticalScrollbar::OnTimer(DWORD id) {
  if (id != kRepeatTimer) return 0;
  const PressStep step = Press(PressEvent::Tick);
  FollowRepeat(step);
  if (step.repeat) Step(GetPress().Active());
  return 1;
}

void CVerticalScrollbar::DescribeAccessible(platform::AccessibleFacts& facts) const {
  CElementControl::DescribeAccessible(facts);
  facts.role = ROLE_SYSTEM_SCROLLBAR;
  facts.state &= ~(STATE_SYSTEM_READONLY | STATE_SYSTEM_FOCUSABLE);
  facts.value = std::to_wstring(m_nFirst);
  facts.description = platform::ScrollRangeText(0, Geometry().MaxFirst());
}
