// The drop list's mouse, wheel, keys and focus: the shared press machine for the face, the
// pop-up opened by a press and handed the capture on the release.
//
// "The base handler" of each is the element's default handling, past the plain control's check
// box.
#include "droplist/CDropWnd.h"
#include "droplist/CElementDropList.h"
#include "host/CElementHost.h"

int CElementDropList::OnLButtonDown(POINT pt) {
  if (Press(PressEvent::Down, pt).ignored) return 1;
  if (IsDropped()) {
    CloseDropListWnd();
  } else if (TrackDropListWnd() && !Notify(DROPLIST_NM_DROPDOWN)) {
    return 1;
  }
  SetFocus();
  return CElementContainer::OnLButtonDown(pt);
}

int CElementDropList::OnLButtonUp(POINT pt) {
  if (Press(PressEvent::Up, pt).ignored) return 1;
  // From now on the pop-up tracks the mouse: a press outside it closes it.
  if (IsDropped()) ::SetCapture(m_pDropWnd->m_hWnd);
  return CElementContainer::OnLButtonUp(pt);
}

int CElementDropList::OnMouseMove(int x, int y, DWORD flags) {
  if (Press(PressEvent::Move, {x, y}, flags).ignored) return 1;
  return CElementContainer::OnMouseMove(x, y, flags);
}

int CElementDropList::OnMouseLeave() {
  if (Press(PressEvent::Leave).ignored) return 0;
  return CElementContainer::OnMouseLeave();
}

int CElementDropList::OnMouseWheel(UINT, int delta, POINT) {
  if (IsDropped()) m_pDropWnd->ScrollByWheel(delta);
  SkipMsg();
  return 1;
}

int CElementDropList::OnKeyDown(UINT vk, UINT repeat, UINT flags) {
  if (IsDropped()) {
    // Skipped first: Enter chooses a row, and the parent may destroy this control on hearing it.
    SkipMsg();
    m_pDropWnd->HandleKey(vk);
    return 1;
  }
  // Reported as the key it is: a WM_NOTIFY with the key as its code would be taken for one of
  // the drop list's own notifications (Backspace, 8, for DROPLIST_NM_SELECT).
  SendControlMessage(WM_KEYDOWN, vk, MAKELPARAM(repeat, flags));
  return CElementContainer::OnKeyDown(vk, repeat, flags);
}

bool CElementDropList::FocusStaysInside() const {
  const CElementHost* host = GetHost();
  for (const CElementContainer* e = host ? host->Focus() : nullptr; e; e = e->GetParent())
    if (e == this) return true;
  return false;
}

int CElementDropList::OnSetFocus(int gained) {
  if (!gained && !FocusStaysInside()) CloseDropListWnd();
  InvalidContainerRect(0, nullptr);
  return CElementContainer::OnSetFocus(gained);
}

int CElementDropList::OnEnable() {
  if (!IsEnable()) CloseDropListWnd();
  return CElementControl::OnEnable();
}

int CElementDropList::OnSize(UINT type, int cx, int) {
  ResetArrowTextRect(unsigned(std::max(cx, 0)), kFaceHeight);
  return CElementContainer::OnSize(type, cx, kFaceHeight);
}
