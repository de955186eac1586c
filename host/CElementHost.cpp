// Message routing from a host window to its elements.
//
// Sections: life cycle; routing; mouse; keys and focus; paint; timers; cursor; services.
#include "host/CElementHost.h"

#include <algorithm>
#include <vector>

#include "host/ElementWalk.h"
#include "host/HostAccessible.h"
#include "platform/mfc/CPaintDC.h"
#include "platform/mfc/CWnd.h"
#include "platform/win32/WinImm.h"

namespace {

// Elements in tree order: parents before children, siblings in their order. With shownOnly,
// a hidden element and everything under it are left out.
std::vector<CElementContainer*> TreeOrder(CElementContainer* root, bool shownOnly) {
  std::vector<CElementContainer*> order;
  std::vector<CElementContainer*> stack{root};
  while (!stack.empty()) {
    CElementContainer* e = stack.back();
    stack.pop_back();
    if (shownOnly && !e->IsActive()) continue;
    order.push_back(e);
    const auto& children = e->GetChildren();
    for (auto it = children.rbegin(); it != children.rend(); ++it) stack.push_back(*it);
  }
  return order;
}

bool InSubtree(const CElementContainer* e, const CElementContainer* root) {
  for (; e; e = e->GetParent())
    if (e == root) return true;
  return false;
}

POINT ToElement(const CElementContainer* e, POINT client) {
  const CRect place = e->GetContainerRect();
  return {client.x - place.left, client.y - place.top};
}

bool IsMouseMessage(UINT msg) {
  switch (msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK: return true;
    default: return false;
  }
}

}  // namespace

// ---- life cycle

CElementHost::CElementHost(HWND window) : m_hWnd(window), m_announcer(window) {
  m_root.m_pHost = this;
  m_root.SetName(L"root");
  RECT client{};
  ::GetClientRect(window, &client);
  m_root.m_rcContainer = client;
  m_hImc = ::ImmAssociateContext(window, nullptr);
}

CElementHost::~CElementHost() {
  for (auto& [hostId, timer] : m_mapTimers) ::KillTimer(m_hWnd, hostId);
  // Elements still in the tree outlive the window: they simply leave it.
  for (CElementContainer* child : std::vector(m_root.GetChildren())) child->Detach();
  m_root.m_pHost = nullptr;
  if (m_pAccessible) m_pAccessible->Disconnect();
}

LRESULT CElementHost::AnswerGetObject(WPARAM wParam, LPARAM lParam) {
  if (LONG(lParam) != OBJID_CLIENT) return 0;
  if (!m_pAccessible) m_pAccessible.Attach(new HostAccessible(m_hWnd, this));
  return LresultFromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(m_pAccessible.p));
}

// ---- routing

bool CElementHost::Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (m_nRouting == 0) m_announcer.Begin(m_root);
  ++m_nRouting;
  const bool handled = RouteMessage(msg, wParam, lParam, result);
  // Announced once the outermost message is done, when the elements have settled.
  if (--m_nRouting == 0) m_announcer.Announce();
  return handled;
}

bool CElementHost::RouteMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const bool outerSkip = m_bSkip;
  m_bSkip = false;
  bool handled = false;
  result = 0;
  if (IsMouseMessage(msg)) {
    handled = RouteMouse(msg, wParam, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
  } else {
    switch (msg) {
      case WM_PAINT: handled = RoutePaint(); break;
      case WM_ERASEBKGND:
        // Elements paint the whole client area themselves, root background included.
        handled = true;
        result = 1;
        break;
      case WM_SIZE:
        m_root.m_rcContainer = CRect(0, 0, LOWORD(lParam), HIWORD(lParam));
        m_root.InvalidContainerRect(0, nullptr);
        break;
      case WM_MOUSEWHEEL: handled = RouteWheel(wParam, lParam); break;
      case WM_MOUSELEAVE:
        m_bTrackingLeave = false;
        UpdateHover(nullptr);
        break;
      case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != m_hWnd) m_pCapture = nullptr;
        break;
      case WM_KEYDOWN:
      case WM_KEYUP:
      case WM_CHAR:
      case WM_IME_COMPOSITION: handled = RouteKey(msg, wParam, lParam); break;
      case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) RememberFocusedChild();
        break;
      case WM_SETFOCUS:
        if (!PassFocusToChild()) TellWindowFocus(true);
        break;
      case WM_KILLFOCUS: TellWindowFocus(false); break;
      case WM_TIMER: handled = RouteTimer(wParam); break;
      case WM_DESTROY:
        // Elements with windows of their own (pop-ups) close them with the window they live in.
        Broadcast(WM_DESTROY, 0, 0);
        break;
      case WM_ELEMENT_MENUOPENER:
        result = LRESULT(OpenMenuFor(DWORD(wParam)));
        handled = true;
        break;
      case WM_ELEMENT_MENUCOMMAND:
        DeliverMenuCommand(UINT_PTR(wParam), DWORD(lParam));
        handled = true;
        break;
      case WM_SETCURSOR:
        handled = RouteSetCursor(wParam, lParam);
        result = handled;
        break;
      case WM_GETOBJECT:
        result = AnswerGetObject(wParam, lParam);
        handled = result != 0;
        break;
      default: break;
    }
  }
  handled = handled || m_bSkip;
  m_bSkip = outerSkip;
  return handled;
}

bool CElementHost::Deliver(CElementContainer* element, UINT msg, WPARAM wParam, LPARAM lParam,
                           POINT client) {
  CElementContainer* target = element;
  while (target && !target->IsRegistered(msg)) target = target->GetParent();
  if (!target) return false;
  for (CElementContainer* a = target->GetParent(); a; a = a->GetParent())
    if (a->OnChildsProc(target, msg, wParam, lParam)) return true;
  if (target->OnFilter(msg, wParam, lParam)) return true;
  const POINT pt = ToElement(target, client);
  m_vecDelivering.push_back(target);
  const bool handled = Dispatch(target, msg, wParam, lParam, pt);
  m_vecDelivering.pop_back();
  return handled;
}

bool CElementHost::PassOn(CElementContainer* from, UINT msg, WPARAM wParam, LPARAM lParam) {
  return from && Deliver(from->GetParent(), msg, wParam, lParam, {0, 0});
}

bool CElementHost::Dispatch(CElementContainer* target, UINT msg, WPARAM wParam, LPARAM lParam,
                            POINT pt) {
  switch (msg) {
    case WM_MOUSEMOVE: return target->OnMouseMove(pt.x, pt.y, DWORD(wParam));
    case WM_LBUTTONDOWN: return target->OnLButtonDown(pt);
    case WM_LBUTTONUP: return target->OnLButtonUp(pt);
    case WM_LBUTTONDBLCLK: return target->OnDBClick(int(wParam), pt);
    case WM_RBUTTONDOWN: return target->OnRButtonDown(pt);
    case WM_RBUTTONUP: return target->OnRButtonUp(pt);
    case WM_MOUSEWHEEL:
      return target->OnMouseWheel(LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)), pt);
    case WM_MOUSELEAVE: return target->OnMouseLeave();
    case WM_KEYDOWN:
      return target->OnKeyDown(UINT(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_KEYUP: return target->OnKeyUp(UINT(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_CHAR: return target->OnChar(UINT(wParam), LOWORD(lParam), HIWORD(lParam));
    case WM_SETCURSOR: return target->OnSetCursor(LOWORD(lParam), lParam);
    default: return target->OnWindowProc(msg, wParam, lParam, pt);
  }
}

// ---- mouse

void CElementHost::UpdateHover(CElementContainer* under) {
  if (under == m_pHover) return;
  CElementContainer* left = m_pHover;
  m_pHover = under;
  if (left && left->IsRegistered(WM_MOUSELEAVE)) left->OnMouseLeave();
  if (under && !m_bTrackingLeave) {
    TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, m_hWnd, 0};
    m_bTrackingLeave = ::TrackMouseEvent(&track);
  }
}

bool CElementHost::RouteMouse(UINT msg, WPARAM wParam, POINT client) {
  CElementContainer* under = TopmostAt(PaintOrder(&m_root), client);
  if (under == &m_root) under = nullptr;
  UpdateHover(under);
  CElementContainer* target = m_pCapture ? m_pCapture : under;
  if (!target) return false;
  if (msg == WM_RBUTTONDBLCLK) msg = WM_RBUTTONDOWN;
  if (msg == WM_LBUTTONDBLCLK) {
    // The element that would take the press decides whether it wants double clicks.
    CElementContainer* taker = target;
    while (taker && !taker->IsRegistered(WM_LBUTTONDBLCLK) && !taker->IsRegistered(WM_LBUTTONDOWN))
      taker = taker->GetParent();
    if (taker && !taker->IsRegistered(WM_LBUTTONDBLCLK)) msg = WM_LBUTTONDOWN;
  }
  return Deliver(target, msg, wParam, 0, client);
}

bool CElementHost::RouteWheel(WPARAM wParam, LPARAM lParam) {
  POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
  const HWND under = ::WindowFromPoint(pt);
  ::ScreenToClient(m_hWnd, &pt);
  if (under == m_hWnd) {
    // The element under the pointer that takes the wheel; over none, the turn is left to the
    // window's own handling (a scrolling parent), not to the focus.
    CElementContainer* target = TopmostAt(PaintOrder(&m_root), pt);
    while (target && !target->IsRegistered(WM_MOUSEWHEEL)) target = target->GetParent();
    return target && Deliver(target, WM_MOUSEWHEEL, wParam, lParam, pt);
  }
  // Over a window this one lies in, the turn goes up to it unhandled. Over any other window (an
  // element's pop-up, say) it belongs to the focused element, not to what lies under that window.
  if (under && ::IsChild(under, m_hWnd)) return false;
  return m_pFocus && Deliver(m_pFocus, WM_MOUSEWHEEL, wParam, lParam, pt);
}

// ---- keys and focus

bool CElementHost::RouteKey(UINT msg, WPARAM wParam, LPARAM lParam) {
  const bool tab = wParam == VK_TAB && ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0;
  if (msg == WM_CHAR && tab && m_bSwallowTabChar) {
    m_bSwallowTabChar = false;
    return true;
  }
  if (msg == WM_KEYDOWN && tab && !FocusWantsTab()) {
    m_bSwallowTabChar = MoveFocusByTab(::GetKeyState(VK_SHIFT) < 0);
    return m_bSwallowTabChar;
  }
  return m_pFocus && Deliver(m_pFocus, msg, wParam, lParam, {0, 0});
}

bool CElementHost::FocusWantsTab() {
  if (!m_pFocus || !m_pFocus->IsRegistered(WM_GETDLGCODE)) return false;
  const LRESULT code = m_pFocus->OnWindowProc(WM_GETDLGCODE, VK_TAB, 0, {0, 0});
  return (code & (DLGC_WANTTAB | DLGC_WANTALLKEYS)) != 0;
}

bool CElementHost::MoveFocusByTab(bool backwards) {
  std::vector<CElementContainer*> all = TreeOrder(&m_root, true);
  std::erase_if(all, [](CElementContainer* e) {
    return !e->IsEnable() || !e->IsRegistered(WM_SETFOCUS);
  });
  if (all.empty()) return false;
  auto it = std::find(all.begin(), all.end(), m_pFocus);
  std::size_t next;
  if (it == all.end()) next = backwards ? all.size() - 1 : 0;
  else {
    const std::size_t at = std::size_t(it - all.begin());
    next = backwards ? (at + all.size() - 1) % all.size() : (at + 1) % all.size();
  }
  SetFocus(all[next]);
  return true;
}

void CElementHost::SetFocus(CElementContainer* element) {
  if (::GetFocus() != m_hWnd) {
    // The keyboard is wanted here, for an element of this window: no child window takes it.
    m_hFocusedChild = nullptr;
    ::SetFocus(m_hWnd);
  }
  if (element == m_pFocus) return;
  CElementContainer* old = m_pFocus;
  m_pFocus = element;
  // A composition belongs to the element it was typed into: moving the focus drops it, as the
  // keyboard moving to another window does.
  if (::GetFocus() == m_hWnd) ::ImmNotifyIME(m_hImc, NI_COMPOSITIONSTR, CPS_CANCEL, 0);
  FollowInputMethod();
  if (old && old->IsRegistered(WM_SETFOCUS)) old->OnSetFocus(0);
  // The old element's handler may have moved the focus again.
  if (element && element == m_pFocus && element->IsRegistered(WM_SETFOCUS)) element->OnSetFocus(1);
  if (element && element == m_pFocus && ::GetFocus() == m_hWnd) m_announcer.Focused(element);
}

void CElementHost::FollowInputMethod() {
  CElementContainer* taker = m_pFocus;
  while (taker && !taker->IsRegistered(WM_IME_COMPOSITION)) taker = taker->GetParent();
  ::ImmAssociateContext(m_hWnd, taker ? m_hImc : nullptr);
}

void CElementHost::TellWindowFocus(bool gained) {
  // The focused element and the elements holding it: a control whose focus lies in a child
  // element (a drop-down's box) hears it too.
  CElementContainer* const focus = m_pFocus;
  for (CElementContainer* e = focus; e && e != &m_root && m_pFocus == focus; e = e->GetParent())
    if (e->IsRegistered(WM_SETFOCUS)) e->OnSetWndFocus(gained);
  if (gained && focus && focus == m_pFocus) m_announcer.Focused(focus);
}

void CElementHost::RememberFocusedChild() {
  const HWND focus = ::GetFocus();
  m_hFocusedChild = focus && focus != m_hWnd && ::IsChild(m_hWnd, focus) ? focus : nullptr;
}

bool CElementHost::PassFocusToChild() {
  // A top-level window that gets the keyboard back (its pop-up closed, or the user came back to
  // it) hands it on to the host window inside it that had it, as a frame gives it to its view:
  // that window's focused element still shows the focus, so it must be the one to get the keys.
  const HWND child = m_hFocusedChild;
  if (!child || !::IsChild(m_hWnd, child) || !::IsWindowVisible(child) ||
      !::IsWindowEnabled(child))
    return false;
  ::SetFocus(child);
  return ::GetFocus() == child;
}

// ---- paint

bool CElementHost::RoutePaint() {
  CWnd* wnd = CWnd::FromHandle(m_hWnd);
  CPaintDC dc(wnd);
  const CRect update = dc.m_ps.rcPaint;
  if (update.IsRectEmpty()) return true;
  // The root is the window's background.
  dc.FillSolidRect(&update, m_root.GetColor(COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL));
  for (const auto& [e, place, visible] : PaintOrder(&m_root)) {
    if (e == &m_root || !e->IsRegistered(WM_PAINT)) continue;
    // An element is seen only inside its ancestors.
    CRect clip = visible & update;
    if (clip.IsRectEmpty()) continue;
    const int saved = dc.SaveDC();
    dc.SetViewportOrg(place.left, place.top);
    clip.OffsetRect(-place.left, -place.top);
    dc.IntersectClipRect(&clip);
    if (e->IsRegistered(WM_ERASEBKGND)) e->OnEraseBackground(&dc);
    e->OnPaint(&dc);
    if (e->m_bDebugView) {
      CBrush frame(RGB(255, 0, 255));
      const CRect all = e->GetDrawRect();
      dc.FrameRect(&all, &frame);
    }
    dc.RestoreDC(saved);
  }
  return true;
}

void CElementHost::Invalidate(const RECT& clientRect) { ::InvalidateRect(m_hWnd, &clientRect, FALSE); }

// ---- timers

void CElementHost::StartTimer(CElementContainer* element, DWORD id, UINT ms) {
  StopTimer(element, id);
  const UINT_PTR hostId = m_nextTimerId++;
  if (::SetTimer(m_hWnd, hostId, ms, nullptr)) m_mapTimers[hostId] = {element, id};
}

void CElementHost::StopTimer(CElementContainer* element, DWORD id) {
  for (auto it = m_mapTimers.begin(); it != m_mapTimers.end(); ++it) {
    if (it->second.first == element && it->second.second == id) {
      ::KillTimer(m_hWnd, it->first);
      m_mapTimers.erase(it);
      return;
    }
  }
}

std::vector<std::pair<CElementContainer*, DWORD>> CElementHost::Timers() const {
  std::vector<std::pair<CElementContainer*, DWORD>> timers;
  for (const auto& [hostId, timer] : m_mapTimers) timers.push_back(timer);
  return timers;
}

bool CElementHost::RouteTimer(UINT_PTR hostId) {
  const auto it = m_mapTimers.find(hostId);
  if (it == m_mapTimers.end()) return false;
  auto [element, id] = it->second;
  // Hidden elements keep their timers but do not tick.
  if (element->IsActive()) element->OnTimer(id);
  return true;
}

// ---- cursor

bool CElementHost::RouteSetCursor(WPARAM wParam, LPARAM lParam) {
  if (reinterpret_cast<HWND>(wParam) != m_hWnd || LOWORD(lParam) != HTCLIENT) return false;
  CElementContainer* target = m_pCapture ? m_pCapture : m_pHover;
  return target && Deliver(target, WM_SETCURSOR, wParam, lParam, {0, 0});
}

// ---- services

void CElementHost::SetCapture(CElementContainer* element) {
  m_pCapture = element;
  if (::GetCapture() != m_hWnd) ::SetCapture(m_hWnd);
}

void CElementHost::ReleaseCapture(CElementContainer* element) {
  if (m_pCapture != element) return;
  m_pCapture = nullptr;
  if (::GetCapture() == m_hWnd) ::ReleaseCapture();
}

void CElementHost::Forget(CElementContainer* element, bool keepTimers) {
  // Only an element leaving the window drops its timers; a hidden one stays described.
  if (!keepTimers) m_announcer.Forget(element);
  if (InSubtree(m_pFocus, element)) {
    m_pFocus = nullptr;
    FollowInputMethod();
  }
  if (InSubtree(m_pHover, element)) m_pHover = nullptr;
  if (InSubtree(m_pCapture, element)) {
    m_pCapture = nullptr;
    if (::GetCapture() == m_hWnd) ::ReleaseCapture();
  }
  // Handlers of the element may still be on the stack; they name no menu opener any more.
  for (CElementContainer*& delivering : m_vecDelivering)
    if (InSubtree(delivering, element)) delivering = nullptr;
  std::erase_if(m_mapMenuOpeners, [&](const auto& entry) { return InSubtree(entry.second, element); });
  if (keepTimers) return;
  for (auto it = m_mapTimers.begin(); it != m_mapTimers.end();) {
    if (InSubtree(it->second.first, element)) {
      ::KillTimer(m_hWnd, it->first);
      it = m_mapTimers.erase(it);
    } else {
      ++it;
    }
  }
}

UINT_PTR CElementHost::OpenMenuFor(DWORD containerId) {
  CElementContainer* delivering = m_vecDelivering.empty() ? nullptr : m_vecDelivering.back();
  CElementContainer* opener = delivering && delivering->GetID() == containerId
                                  ? delivering
                                  : (containerId ? FindById(containerId) : nullptr);
  if (!opener) return 0;
  // An element has one menu open at a time: a new one closes the one before.
  std::erase_if(m_mapMenuOpeners, [&](const auto& entry) { return entry.second == opener; });
  const UINT_PTR token = m_nextMenuToken++;
  m_mapMenuOpeners[token] = opener;
  return token;
}

void CElementHost::DeliverMenuCommand(UINT_PTR token, DWORD command) {
  const auto it = m_mapMenuOpeners.find(token);
  if (it == m_mapMenuOpeners.end()) return;
  CElementContainer* opener = it->second;
  m_mapMenuOpeners.erase(it);
  opener->OnMenuCommand(command);
}

CElementContainer* CElementHost::FindById(DWORD id) {
  for (CElementContainer* e : TreeOrder(&m_root, false))
    if (e != &m_root && e->GetID() == id) return e;
  return nullptr;
}

void CElementHost::Broadcast(UINT msg, WPARAM wParam, LPARAM lParam) {
  // The list is taken first, so elements a handler adds are not visited.
  for (CElementContainer* e : TreeOrder(&m_root, false)) e->OnBroadcastCommand(msg, wParam, lParam);
}
