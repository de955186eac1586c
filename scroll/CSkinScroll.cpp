// CSkinScroll: its stored state, layout and input. Bitmaps and painting are in
// CSkinScrollPaint.cpp.
#include "scroll/CSkinScroll.h"

#include "platform/controls/ScrollThumb.h"
#include "scroll/SkinScrollGeometry.h"

namespace {

platform::ScrollState StateOf(const SCROLLINFO& si) { return {si.nMin, si.nMax, si.nPage, si.nPos}; }

CSize BitmapSize(const CBitmap* bitmap) {
  BITMAP bm{};
  if (!bitmap || !bitmap->m_hObject || !bitmap->GetBitmap(&bm)) return {0, 0};
  return {bm.bmWidth, bm.bmHeight};
}

}  // namespace

CSkinScroll::~CSkinScroll() {
  delete m_pBmpUp;
  delete m_pBmpDown;
  delete m_pBmpThumb;
  delete m_pBmpTrack;
}

// ---- the stored state

bool CSkinScroll::StoreScrollInfo(const SCROLLINFO* info) {
  platform::ScrollState state = StateOf(m_si);
  if (!state.Apply(info)) return false;
  m_si.nMin = state.min;
  m_si.nMax = state.max;
  m_si.nPage = state.page;
  m_si.nPos = state.pos;
  return true;
}

LRESULT CSkinScroll::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case SBM_SETSCROLLINFO: {
      if (!StoreScrollInfo(reinterpret_cast<const SCROLLINFO*>(lParam))) return 0;
      SCROLLINFO thumbOnly{sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
      RecalcLayout(&thumbOnly);
      if (wParam) Invalidate(TRUE);
      return m_si.nPos;
    }
    case SBM_GETSCROLLINFO:
      return StateOf(m_si).Fill(reinterpret_cast<SCROLLINFO*>(lParam),
                                m_press.Active() == kThumb ? m_nTrackPos : m_si.nPos);
    case WM_LBUTTONDBLCLK:
      // The platform's bar takes the second press of a double click as a press; this one
      // scrolls once per click.
      return 1;
    default: return CScrollBar::WindowProc(message, wParam, lParam);
  }
}

int CSkinScroll::UpdateScrollInfo(SCROLLINFO* info, BOOL) {
  if (!StoreScrollInfo(info)) return 0;
  if (m_hWnd) ::SetScrollInfo(m_hWnd, SB_CTL, info, TRUE);
  RecalcLayout(info);
  if (m_hWnd) Invalidate(TRUE);
  return 1;
}

int CSkinScroll::ScrollBy(int action) {
  SCROLLINFO si{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
  si.nPos = SkinScrollGeometry::ScrollTarget(StateOf(m_si), action);
  UpdateScrollInfo(&si, TRUE);
  return m_si.nPos;
}

// ---- layout

int CSkinScroll::TrackLength() const { return m_rcDown.top - m_rcUp.bottom; }

int CSkinScroll::RecalcLayout(SCROLLINFO* info) {
  if (!info) return 0;
  CRect client;
  if (m_hWnd) GetClientRect(&client);
  const int height = client.Height();
  if ((info->fMask & SIF_PAGE) && (info->fMask & SIF_RANGE)) {
    if (const CSize up = BitmapSize(m_pBmpUp); up.cx) m_rcUp.SetRect(0, 0, up.cx, up.cy);
    if (const CSize down = BitmapSize(m_pBmpDown); down.cx)
      m_rcDown.SetRect(0, height - down.cy, down.cx, height);
    if (const CSize track = BitmapSize(m_pBmpTrack); track.cx)
      m_rcTrack.SetRect(0, m_rcUp.bottom, track.cx, m_rcDown.top);
  }
  const CSize thumb = BitmapSize(m_pBmpThumb);
  if (!thumb.cx) return 1;
  // The thumb is never shorter than its image, so that long lists keep a thumb one can take.
  const platform::ScrollThumb place(StateOf(m_si), TrackLength(), thumb.cy,
                                    platform::ThumbSpread::ShareOfTrack);
  m_nThumbLength = place.length;
  const int top = m_rcUp.bottom + place.OffsetFor(m_si.nPos);
  if (place.length > 0) m_rcThumb.SetRect(0, top, thumb.cx, top + place.length);
  else m_rcThumb.SetRectEmpty();
  return 1;
}

void CSkinScroll::OnSize(UINT type, int cx, int cy) {
  CScrollBar::OnSize(type, cx, cy);
  // The down arrow sits at the new bottom: lay everything out again, not only the thumb.
  SCROLLINFO all{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  RecalcLayout(&all);
  Invalidate(FALSE);
}

// ---- input

void CSkinScroll::SendScroll(WORD code, int pos) {
  CWnd* parent = GetParent();
  if (!parent) return;
  const UINT message = (GetStyle() & SBS_VERT) ? WM_VSCROLL : WM_HSCROLL;
  parent->SendMessage(message, MAKEWPARAM(code, WORD(pos)), reinterpret_cast<LPARAM>(m_hWnd));
}

PressPart CSkinScroll::PartAt(CPoint point) const {
  if (m_rcUp.PtInRect(point)) return kUpArrow;
  if (m_rcDown.PtInRect(point)) return kDownArrow;
  if (m_rcThumb.PtInRect(point)) return kThumb;
  const bool vertical = GetStyle() & SBS_VERT;
  const int thumbStart = vertical ? m_rcThumb.top : m_rcThumb.left;
  const int at = vertical ? point.y : point.x;
  return at < thumbStart ? kPageUp : at > thumbStart ? kPageDown : kBesideThumb;
}

PressStep CSkinScroll::Press(PressEvent event, PressPart part, DWORD keys) {
  const PressStep step = m_press.On(event, true, part, keys);
  if (step.takeCapture) SetCapture();
  if (step.releaseCapture && GetCapture() == this) ::ReleaseCapture();
  if (step.startRepeat) SetTimer(kRepeatTimer, step.startRepeat, nullptr);
  if (step.stopRepeat) KillTimer(kRepeatTimer);
  return step;
}

void CSkinScroll::OnLButtonDown(UINT, CPoint point) {
  const PressPart part = PartAt(point);
  Press(PressEvent::Down, part);
  m_ptDragStart = point;
  m_nDragStartPos = m_si.nPos;
  if (!GetParent()) return;
  // The request and the bar's own step share their numbers (SB_LINEUP .. SB_PAGEDOWN).
  WORD request = 0;
  switch (part) {
    case kUpArrow: request = SB_LINEUP; break;
    case kDownArrow: request = SB_LINEDOWN; break;
    case kPageUp: request = SB_PAGEUP; break;
    case kPageDown: request = SB_PAGEDOWN; break;
    default: return;  // the thumb waits for the pointer to move
  }
  SendScroll(request);
  ScrollBy(request);
}

void CSkinScroll::OnMouseMove(UINT flags, CPoint point) {
  Press(PressEvent::Move, PartAt(point), flags);
  if (m_press.Active() != kThumb || !GetParent()) return;
  const int pos = SkinScrollGeometry::DragPosition(StateOf(m_si), TrackLength() - m_nThumbLength,
                                                   m_nDragStartPos, point.y - m_ptDragStart.y);
  // The request carries 16 bits of the position; the parent reads all of it as the track
  // position while it handles the request.
  m_nTrackPos = pos;
  SendScroll(SB_THUMBTRACK, pos);
  SCROLLINFO si{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, pos, 0};
  UpdateScrollInfo(&si, TRUE);
}

void CSkinScroll::OnTimer(UINT_PTR id) {
  if (id != kRepeatTimer) return;
  const PressStep step = Press(PressEvent::Tick);
  // The held arrow acts again only with the pointer on it, room to move and a parent to tell;
  // any other tick only re-clamps the position and repaints.
  const PressPart held = step.repeat && m_press.PushedLook() && GetParent() ? m_press.Active()
                                                                            : kNoPart;
  if (held == kUpArrow && m_si.nPos > m_si.nMin) {
    SendScroll(SB_LINEUP);
    ScrollBy(SkinScrollGeometry::kLineUp);
  } else if (held == kDownArrow && m_si.nPos < m_si.nMax) {
    SendScroll(SB_LINEDOWN);
    ScrollBy(SkinScrollGeometry::kLineDown);
  } else {
    ScrollBy(-1);
  }
}

void CSkinScroll::OnLButtonUp(UINT, CPoint point) { Press(PressEvent::Up, PartAt(point)); }
