// The drop list's mouse, wheel, keys and focus: the shared press machine for the face, the
// pop-up opened by a press and handed the capture on the release.
//
// "The base handler" of each is the element's default handling, past the plain control's check
// box.
#include "droplist/CDropWnd.h"
#include "droplist/CElementDropList.h"
#include "host/CElementHost.h"
#include "host/CGlobalEnv.h"
#include "host/ElementWatch.h"

int CElementDropList::OnLButtonDown(POINT pt) {
  if (Press(PressEvent::Down, pt).ignored) return 1;
  if (IsDropped()) {
    CloseDropListWnd();
  } else if (TrackDropListWnd() && !Notify(DROPLIST_NM_DROPDOWN)) {
    return 1;
  }
  const ElementWatch alive(*this);
  SetFocus();
  if (!alive.Alive()) return 0;
  return CElementContainer::OnLButtonDown(pt);
}

int CElementDropList::OnLButtonUp(POINT pt) {
  const bool pressed = GetPress().Pressed();
  if (Press(PressEvent::Up, pt).ignored) return 1;
  if (!IsDropped()) return CElementContainer::OnLButtonUp(pt);
  // From now on the pop-up tracks the mouse: a press outside it closes it.
  ::SetCapture(m_pDropWnd->m_hWnd);
  const int result = CElementContainer::OnLButtonUp(pt);
  // A press dragged from the face onto a row and released there chooses it: last, as the
  // parent hears of the choice (ElementWatch.h).
  if (pressed && !GetDrawRect().PtInRect(pt)) ForwardToDropWnd(WM_LBUTTONUP, pt, 0);
  return result;
}

int CElementDropList::OnMouseMove(int x, int y, DWORD flags) {
  if (Press(PressEvent::Move, {x, y}, flags).ignored) return 1;
  // While the press that opened the pop-up lasts, its rows follow the pointer once it is over
  // them. The pop-up then takes the capture and tracks the mouse itself: the face's press is
  // over. Elsewhere the face keeps the press, and its pushed look.
  if (GetPress().Pressed() && IsDropped() && DropWndPoint({x, y}).second) {
    ForwardToDropWnd(WM_MOUSEMOVE, {x, y}, flags);
    if (!HasCapture()) Press(PressEvent::Cancel);
  }
  return CElementContainer::OnMouseMove(x, y, flags);
}

std::pair<POINT, bool> CElementDropList::DropWndPoint(POINT pt) const {
  const CRect place = GetContainerRect();
  POINT at{place.left + pt.x, place.top + pt.y};
  ::ClientToScreen(GetVMWindow(), &at);
  ::ScreenToClient(m_pDropWnd->m_hWnd, &at);
  RECT client{};
  ::GetClientRect(m_pDropWnd->m_hWnd, &client);
  return {at, CRect(client).PtInRect(at) != 0};
}

void CElementDropList::ForwardToDropWnd(UINT msg, POINT pt, DWORD flags) {
  const POINT at = DropWndPoint(pt).first;
  ::SendMessageW(m_pDropWnd->m_hWnd, msg, flags, MAKELPARAM(at.x, at.y));
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
    // Skipped first: Enter chooses a row, and this control may be gone afterwards.
    SkipMsg();
    m_pDropWnd->HandleKey(vk);
    return 1;
  }
  // With the environment's keyboard operation on, F4 and Alt+Down open the list as a click
  // does, and the list tracks the mouse at once; the key is still told below.
  if (CGlobalEnv::IsOpenKey(vk) && IsEnable() && CGlobalEnv::KeyboardOperation() &&
      TrackDropListWnd()) {
    ::SetCapture(m_pDropWnd->m_hWnd);
    if (!Notify(DROPLIST_NM_DROPDOWN)) return 1;
  }
  const int result = CElementContainer::OnKeyDown(vk, repeat, flags);
  // The parent hears the key as a notification whose code is the key; Backspace alone goes as
  // the key message, as its code, 8, is DROPLIST_NM_SELECT. Notify last (ElementWatch.h).
  if (vk == VK_BACK) SendControlMessage(WM_KEYDOWN, vk, MAKELPARAM(repeat, flags));
  else Notify(vk);
  return result;
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

int CElementDropList::OnSetWndFocus(int gained) {
  // Another window took the keyboard (another application, or another of ours): the pop-up
  // closes as it does on a press outside it.
  if (!gained) CloseDropListWnd();
  return CElementControl::OnSetWndFocus(gained);
}

int CElementDropList::OnBroadcastCommand(UINT msg, WPARAM wParam, LPARAM lParam) {
  // A pop-up left open would stay on the desktop over a window that is gone.
  if (msg == WM_DESTROY) CloseDropListWnd();
  return CElementControl::OnBroadcastCommand(msg, wParam, lParam);
}

int CElementDropList::OnEnable() {
  if (!IsEnable()) CloseDropListWnd();
  return CElementControl::OnEnable();
}

int CElementDropList::OnSize(UINT type, int cx, int) {
  ResetArrowTextRect(unsigned(std::max(cx, 0)), kFaceHeight);
  return CElementContainer::OnSize(type, cx, kFaceHeight);
}
