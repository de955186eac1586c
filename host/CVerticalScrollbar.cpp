// The scroll bar element: geometry and input.
#include "host/CVerticalScrollbar.h"

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

CVerticalScrollbar::Part CVerticalScrollbar::HitPart(POINT pt) const {
  const CRect all = GetDrawRect();
  if (!all.PtInRect(pt)) return Part::None;
  const int arrow = ArrowSize();
  if (pt.y < arrow) return Part::UpArrow;
  if (pt.y >= all.bottom - arrow) return Part::DownArrow;
  if (!Geometry().Scrollable()) return Part::None;
  const CRect thumb = ThumbRect();
  if (pt.y < thumb.top) return Part::PageUp;
  if (pt.y >= thumb.bottom) return Part::PageDown;
  return Part::Thumb;
}

void CVerticalScrollbar::ScrollTo(int first) {
  first = std::clamp(first, 0, Geometry().MaxFirst());
  if (first == m_nFirst) return;
  m_nFirst = first;
  InvalidContainerRect(0, nullptr);
  SendControlMessage(WM_ELEMENT_VSCROLL, VSCROLL_REPORT_FIRST_ROW, m_nFirst);
}

void CVerticalScrollbar::Step(Part part) {
  const int page = std::max(1, m_nPage);
  switch (part) {
    case Part::UpArrow: ScrollTo(m_nFirst - 1); break;
    case Part::DownArrow: ScrollTo(m_nFirst + 1); break;
    case Part::PageUp:
      // Paging stops once the thumb reaches the pointer.
      if (HitPart(GetMousePoint()) == Part::PageUp) ScrollTo(m_nFirst - page);
      break;
    case Part::PageDown:
      if (HitPart(GetMousePoint()) == Part::PageDown) ScrollTo(m_nFirst + page);
      break;
    default: break;
  }
}

int CVerticalScrollbar::OnLButtonDown(POINT pt) {
  if (Press(PressEvent::Down, pt).ignored) return 1;
  m_held = HitPart(pt);
  InvalidContainerRect(0, nullptr);
  if (m_held == Part::Thumb) {
    m_nDragOffset = pt.y - ThumbRect().top;
  } else if (m_held != Part::None) {
    m_bRepeating = false;
    StartTimer(kRepeatTimer, kRepeatDelay);
    // The report comes last: the parent may destroy the bar on hearing it.
    Step(m_held);
  }
  return 1;
}

int CVerticalScrollbar::OnLButtonUp(POINT pt) {
  Press(PressEvent::Up, pt);
  LetGo();
  return 1;
}

void CVerticalScrollbar::LetGo() {
  if (m_held == Part::None) return;
  m_held = Part::None;
  StopTimer(kRepeatTimer);
  InvalidContainerRect(0, nullptr);
}

int CVerticalScrollbar::OnMouseMove(int x, int y, DWORD flags) {
  if (Press(PressEvent::Move, {x, y}, flags).ignored) return 1;
  if (m_held == Part::Thumb) {
    ScrollTo(Geometry().FirstForThumbTop(y - m_nDragOffset));
    return 1;
  }
  const bool hover = HitPart({x, y}) == Part::Thumb;
  if (hover != m_bThumbHover) {
    m_bThumbHover = hover;
    InvalidContainerRect(0, nullptr);
  }
  return 1;
}

int CVerticalScrollbar::OnMouseLeave() {
  Press(PressEvent::Leave);
  if (m_bThumbHover) {
    m_bThumbHover = false;
    InvalidContainerRect(0, nullptr);
  }
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
  LetGo();
  return 1;
}

int CVerticalScrollbar::OnTimer(DWORD id) {
  if (id != kRepeatTimer) return 0;
  if (m_held == Part::None || m_held == Part::Thumb) {
    StopTimer(kRepeatTimer);
    return 1;
  }
  if (!m_bRepeating) {
    m_bRepeating = true;
    StartTimer(kRepeatTimer, kRepeatRate);
  }
  Step(m_held);
  return 1;
}
