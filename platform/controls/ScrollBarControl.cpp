// The scroll bar's window procedure, its state messages and its input.
#include "platform/controls/ScrollBarControl.h"

#include "platform/controls/ControlWindow.h"
#include "platform/controls/ScrollBarAccessible.h"

namespace platform {

namespace {

POINT PointOf(LPARAM lParam) { return {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

WORD RequestOf(ScrollPart part) {
  switch (part) {
    case ScrollPart::LineUp: return SB_LINEUP;
    case ScrollPart::LineDown: return SB_LINEDOWN;
    case ScrollPart::PageUp: return SB_PAGEUP;
    default: return SB_PAGEDOWN;
  }
}

}  // namespace

LRESULT CALLBACK ScrollBarWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  return ControlWndProc<ScrollBarControl>(hwnd, message, wParam, lParam);
}

LRESULT ScrollBarControl::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case SBM_SETSCROLLINFO: return SetInfo(reinterpret_cast<const SCROLLINFO*>(lParam), wParam);
    case SBM_GETSCROLLINFO:
      return m_state.Fill(reinterpret_cast<SCROLLINFO*>(lParam),
                          m_pressed == ScrollPart::Thumb ? m_trackPos : m_state.pos);
    case SBM_SETPOS: {
      const int old = m_state.pos;
      const SCROLLINFO si{sizeof(si), SIF_POS, 0, 0, 0, static_cast<int>(wParam), 0};
      SetInfo(&si, lParam != 0);
      return old;
    }
    case SBM_GETPOS: return m_state.pos;
    case WM_GETOBJECT: return AnswerClientObject<ScrollBarAccessible>(m_hwnd, wParam, lParam);
    case SBM_SETRANGE:
    case SBM_SETRANGEREDRAW: {
      const int old = m_state.pos;
      const SCROLLINFO si{sizeof(si), SIF_RANGE, static_cast<int>(wParam),
                          static_cast<int>(lParam), 0, 0, 0};
      SetInfo(&si, message == SBM_SETRANGEREDRAW);
      return m_state.pos != old ? old : 0;
    }
    case SBM_GETRANGE:
      if (wParam) *reinterpret_cast<LPINT>(wParam) = m_state.min;
      if (lParam) *reinterpret_cast<LPINT>(lParam) = m_state.max;
      return 0;
    case SBM_ENABLE_ARROWS:
      if ((wParam & ESB_DISABLE_BOTH) == m_disabledArrows) return FALSE;
      m_disabledArrows = UINT(wParam & ESB_DISABLE_BOTH);
      InvalidateRect(m_hwnd, nullptr, FALSE);
      return TRUE;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: OnPress(PointOf(lParam)); return 0;
    case WM_MOUSEMOVE: OnMove(PointOf(lParam)); return 0;
    case WM_LBUTTONUP: OnRelease(); return 0;
    case WM_CAPTURECHANGED:
      if (reinterpret_cast<HWND>(lParam) != m_hwnd) Cancel();
      return 0;
    case WM_TIMER:
      if (wParam == kRepeatTimer) OnRepeat();
      return 0;
    case WM_PAINT: OnPaint(); return 0;
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_SIZE:
    case WM_ENABLE: InvalidateRect(m_hwnd, nullptr, FALSE); return 0;
    default: return DefWindowProcW(m_hwnd, message, wParam, lParam);
  }
}

ScrollBarLayout ScrollBarControl::Layout() const {
  RECT client{};
  GetClientRect(m_hwnd, &client);
  return Vertical() ? ScrollBarLayout(client.bottom, client.right, m_state)
                    : ScrollBarLayout(client.right, client.bottom, m_state);
}

bool ScrollBarControl::PressedAndOver(ScrollPart part) const {
  return m_pressed == part && Layout().PartAt(Along(m_pointer)) == part;
}

bool ScrollBarControl::PartEnabled(ScrollPart part) const {
  if (!IsWindowEnabled(m_hwnd) || m_disabledArrows == ESB_DISABLE_BOTH) return false;
  if (part == ScrollPart::LineUp) return !(m_disabledArrows & ESB_DISABLE_UP);
  if (part == ScrollPart::LineDown) return !(m_disabledArrows & ESB_DISABLE_DOWN);
  return true;
}

LRESULT ScrollBarControl::SetInfo(const SCROLLINFO* info, bool redraw) {
  const ScrollState before = m_state;
  if (!m_state.Apply(info)) return 0;
  if (m_state.pos != before.pos || m_state.min != before.min ||
      m_state.MaxPos() != before.MaxPos())
    NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, m_hwnd, OBJID_CLIENT, CHILDID_SELF);
  if (info->fMask & SIF_DISABLENOSCROLL) m_disableNoScroll = true;
  if (redraw) Redraw();
  return m_state.pos;
}

void ScrollBarControl::Redraw() {
  InvalidateRect(m_hwnd, nullptr, FALSE);
  if (!m_disableNoScroll || !IsWindowVisible(m_hwnd)) return;
  m_disableNoScroll = false;
  // The page covers the whole range: the thumb has nowhere to go.
  EnableWindow(m_hwnd, m_state.MaxPos() != m_state.min);
}

void ScrollBarControl::OnPress(POINT pt) {
  if (m_pressed != ScrollPart::None) return;
  const ScrollBarLayout layout = Layout();
  const ScrollPart part = layout.PartAt(Along(pt));
  if (part == ScrollPart::None || !PartEnabled(part)) return;
  m_pressed = part;
  m_pointer = pt;
  SetCapture(m_hwnd);
  InvalidateRect(m_hwnd, nullptr, FALSE);
  if (part == ScrollPart::Thumb) {
    m_grab = Along(pt) - layout.thumbStart;
    m_trackPos = m_state.pos;
    return;
  }
  SetTimer(m_hwnd, kRepeatTimer, kFirstDelay, nullptr);
  Send(RequestOf(part));
}

void ScrollBarControl::OnMove(POINT pt) {
  if (m_pressed == ScrollPart::None) return;
  const bool wasOver = PressedAndOver(m_pressed);
  m_pointer = pt;
  if (m_pressed != ScrollPart::Thumb) {
    if (PressedAndOver(m_pressed) != wasOver) InvalidateRect(m_hwnd, nullptr, FALSE);
    return;
  }
  const int pos = Layout().PosForThumbStart(Along(pt) - m_grab);
  if (pos == m_trackPos) return;
  m_trackPos = pos;
  InvalidateRect(m_hwnd, nullptr, FALSE);
  Send(SB_THUMBTRACK, pos);
}

void ScrollBarControl::OnRelease() {
  if (m_pressed == ScrollPart::None) return;
  const ScrollPart part = m_pressed;
  // Cleared first: releasing the capture tells us of it, and that must not cancel twice.
  m_pressed = ScrollPart::None;
  KillTimer(m_hwnd, kRepeatTimer);
  if (GetCapture() == m_hwnd) ReleaseCapture();
  InvalidateRect(m_hwnd, nullptr, FALSE);
  if (part == ScrollPart::Thumb) Send(SB_THUMBPOSITION, m_trackPos);
  Send(SB_ENDSCROLL);
}

void ScrollBarControl::OnRepeat() {
  if (m_pressed == ScrollPart::None || m_pressed == ScrollPart::Thumb) {
    KillTimer(m_hwnd, kRepeatTimer);
    return;
  }
  SetTimer(m_hwnd, kRepeatTimer, kRepeatDelay, nullptr);
  // The parent has moved the thumb since: a page area is judged against where it is now.
  if (PressedAndOver(m_pressed)) Send(RequestOf(m_pressed));
}

void ScrollBarControl::Cancel() {
  if (m_pressed == ScrollPart::None) return;
  m_pressed = ScrollPart::None;
  KillTimer(m_hwnd, kRepeatTimer);
  InvalidateRect(m_hwnd, nullptr, FALSE);
}

void ScrollBarControl::Send(WORD code, int pos) {
  const HWND parent = GetParent(m_hwnd);
  if (!parent) return;
  SendMessageW(parent, Vertical() ? WM_VSCROLL : WM_HSCROLL, MAKEWPARAM(code, WORD(pos)),
               reinterpret_cast<LPARAM>(m_hwnd));
}

}  // namespace platform

using namespace platform;

int SetScrollPos(HWND hwnd, int bar, int pos, BOOL redraw) {
  if (bar != SB_CTL) return 0;
  return int(SendMessageW(hwnd, SBM_SETPOS, WPARAM(pos), redraw));
}

int GetScrollPos(HWND hwnd, int bar) {
  if (bar != SB_CTL) return 0;
  return int(SendMessageW(hwnd, SBM_GETPOS, 0, 0));
}

BOOL SetScrollRange(HWND hwnd, int bar, int min, int max, BOOL redraw) {
  if (bar != SB_CTL || !IsWindow(hwnd)) return FALSE;
  if (static_cast<long long>(max) - min > 0x7FFFFFFFLL) {
    SetLastError(ERROR_INVALID_SCROLLBAR_RANGE);
    return FALSE;
  }
  SendMessageW(hwnd, redraw ? SBM_SETRANGEREDRAW : SBM_SETRANGE, WPARAM(min), LPARAM(max));
  return TRUE;
}

BOOL GetScrollRange(HWND hwnd, int bar, LPINT min, LPINT max) {
  if (bar != SB_CTL || !IsWindow(hwnd)) return FALSE;
  SendMessageW(hwnd, SBM_GETRANGE, reinterpret_cast<WPARAM>(min), reinterpret_cast<LPARAM>(max));
  return TRUE;
}

BOOL ShowScrollBar(HWND hwnd, int bar, BOOL show) {
  if (bar != SB_CTL || !IsWindow(hwnd)) return FALSE;
  ShowWindow(hwnd, show ? SW_SHOW : SW_HIDE);
  return TRUE;
}

BOOL EnableScrollBar(HWND hwnd, UINT bar, UINT arrows) {
  if (bar != SB_CTL) return FALSE;
  return BOOL(SendMessageW(hwnd, SBM_ENABLE_ARROWS, arrows, 0));
}

int SetScrollInfo(HWND hwnd, int bar, LPCSCROLLINFO info, BOOL redraw) {
  if (bar != SB_CTL) return 0;
  return int(SendMessageW(hwnd, SBM_SETSCROLLINFO, redraw, reinterpret_cast<LPARAM>(info)));
}

BOOL GetScrollInfo(HWND hwnd, int bar, LPSCROLLINFO info) {
  if (bar != SB_CTL) return FALSE;
  return BOOL(SendMessageW(hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(info)));
}
