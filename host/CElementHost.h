/// @class CElementHost
/// The element side of a host window: it owns the root container and routes the window's
/// messages to elements.
///
/// @code{.unparsed}
///  mouse       to the capturing element, else the element painted on top under the point (one
///              walk, ElementWalk.h, orders both); WM_MOUSELEAVE when the pointer leaves an
///              element, the window, or the capture goes to another window. The second press
///              of a double click reaches an element that did not register WM_LBUTTONDBLCLK as
///              a press; a right double click is always a press.
///  keys, chars to the focused element, except Tab and Shift+Tab (below)
///  focus       the window gaining or losing the keyboard: OnSetWndFocus to the focused element
///              and its ancestors. A top-level window given the keyboard back passes it on to
///              the child window that had it when the window lost the activation (a pop-up of
///              ours opening, another application), so the element showing the focus gets keys.
///  wheel       to the element under the pointer that registered it, else (or when the pointer
///              is over another window) the focused element
///  paint       each shown element in the same walk's order, through the window's paint context
///              with the origin at the element's corner and the clip at its invalid part
///  timers      element timers ride on window timers of the host window
///  menu choice to the element that opened the menu, while it lives (WM_ELEMENT_MENUOPENER)
///  destroy     every element's OnBroadcastCommand(WM_DESTROY), while the window still exists
/// @endcode
/// A message reaches an element only when it registered it; when the element itself did not, the
/// nearest ancestor that did receives it. Ancestors see it first in OnChildsProc, the element
/// in OnFilter. SkipMsg stops the default processing of the window.
///
/// Accessibility: the window answers WM_GETOBJECT for its client object (HostAccessible.h),
/// whose children are the top-level elements' objects. The host announces the focus moving
/// between elements, and after each routed message what the elements that asked for a repaint
/// now say differently (AccessibleAnnouncer.h).
///
/// Input method: the window has its input context only while the focused element (or the ancestor
/// that takes its messages) registered WM_IME_COMPOSITION, so an input method composes only for
/// elements that take its text, and every other element's keys reach it directly.
///
/// Focus order: Tab moves the keyboard focus to the next element, Shift+Tab to the previous, in
/// tree order (parents before children, siblings in their order), wrapping around, among the
/// shown, enabled elements that take the focus (registered WM_SETFOCUS). It happens before the
/// focused element sees the key, unless that element asks for Tab: it registers WM_GETDLGCODE
/// and answers DLGC_WANTTAB or DLGC_WANTALLKEYS from OnWindowProc, as a dialog asks its controls.
#pragma once

/// @file
/// The element host, and the messages a pop-up menu posts to the window it belongs to.

#include <map>
#include <utility>
#include <vector>

#include "host/AccessibleAnnouncer.h"
#include "host/CElementContainer.h"

class HostAccessible;

/// A choice from a pop-up menu: wParam is the token of its opener (WM_ELEMENT_MENUOPENER), lParam
/// the item id for the opener's OnMenuCommand.
constexpr UINT WM_ELEMENT_MENUCOMMAND = WM_APP + 1;
/// Sent by a menu as it opens, with the container id it was given in wParam: the host names the
/// opener (the element handling the current message when it has that id, else the element of
/// that id; id 0 names no other element) and answers a token for it, 0 when there is none.
constexpr UINT WM_ELEMENT_MENUOPENER = WM_APP + 2;

class CElementHost {
 public:
  /// The host of `window`'s elements; the window passes its messages to Route.
  explicit CElementHost(HWND window);
  /// The root's children leave the window; the elements themselves belong to whoever made them.
  ~CElementHost();
  CElementHost(const CElementHost&) = delete;
  CElementHost& operator=(const CElementHost&) = delete;

  /// The window whose client area the root fills.
  HWND Window() const { return m_hWnd; }
  /// The element that fills the client area; top-level elements are its children.
  CElementContainer* Root() { return &m_root; }

  /// Returns true when the elements handled the message, with the result to return.
  bool Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // ---- services for elements
  /// Queues a repaint of a rectangle of the client area.
  void Invalidate(const RECT& clientRect);
  ///@{
  /// The element holding the mouse capture (CElementContainer::SetCapture), null for none; the
  /// window holds the platform's capture for as long as an element does.
  void SetCapture(CElementContainer* element);
  void ReleaseCapture(CElementContainer* element);
  CElementContainer* Capture() const { return m_pCapture; }
  ///@}
  ///@{
  /// The element that keys and characters go to (CElementContainer::SetFocus), null for none.
  void SetFocus(CElementContainer* element);
  CElementContainer* Focus() const { return m_pFocus; }
  ///@}
  /// The element under the pointer that last had a move, until the pointer leaves it.
  CElementContainer* Hover() const { return m_pHover; }
  ///@{
  /// An element's timer (CElementContainer::StartTimer): one window timer each, routed to the
  /// element's OnTimer.
  void StartTimer(CElementContainer* element, DWORD id, UINT ms);
  void StopTimer(CElementContainer* element, DWORD id);
  ///@}
  /// The element timers running now, as (element, its timer id): a host can check that none
  /// belongs to an element that has left.
  std::vector<std::pair<CElementContainer*, DWORD>> Timers() const;
  /// An element and its descendants leave: no focus, capture or hover stays on them, and unless
  /// kept, their timers stop. Calls no handler: the element may be half destroyed.
  void Forget(CElementContainer* element, bool keepTimers = false);
  /// Marks the message being routed as handled (CElementContainer::SkipMsg).
  void Skip() { m_bSkip = true; }
  /// The first element in tree order with that id (not the root); null when there is none.
  CElementContainer* FindById(DWORD id);
  /// A message that `from` registered but leaves: its nearest ancestor that registered it gets
  /// it, as routing would have delivered it had `from` not registered it. True when handled.
  bool PassOn(CElementContainer* from, UINT msg, WPARAM wParam, LPARAM lParam);
  /// Sends a message to every element's OnBroadcastCommand.
  void Broadcast(UINT msg, WPARAM wParam, LPARAM lParam);
  /// The elements' accessibility ids and change announcements.
  AccessibleAnnouncer& Accessibility() { return m_announcer; }

 private:
  bool RouteMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  bool RouteMouse(UINT msg, WPARAM wParam, POINT client);
  bool RouteWheel(WPARAM wParam, LPARAM lParam);
  bool RouteKey(UINT msg, WPARAM wParam, LPARAM lParam);
  /// True when the focused element asks for the Tab key itself.
  bool FocusWantsTab();
  UINT_PTR OpenMenuFor(DWORD containerId);
  void DeliverMenuCommand(UINT_PTR token, DWORD command);
  bool RoutePaint();
  bool RouteTimer(UINT_PTR hostId);
  bool RouteSetCursor(WPARAM wParam, LPARAM lParam);
  /// Delivers a message to the element or its nearest registered ancestor; true when handled.
  bool Deliver(CElementContainer* element, UINT msg, WPARAM wParam, LPARAM lParam, POINT client);
  /// Calls the handler of a message; `pt` in the element's coordinates.
  bool Dispatch(CElementContainer* target, UINT msg, WPARAM wParam, LPARAM lParam, POINT pt);
  bool MoveFocusByTab(bool backwards);
  /// The window's keyboard focus came or went: the focused element and its ancestors hear it.
  void TellWindowFocus(bool gained);
  /// Of a top-level window: which window inside it had the keyboard as it lost the activation,
  /// and giving the keyboard back to it.
  void RememberFocusedChild();
  bool PassFocusToChild();
  void UpdateHover(CElementContainer* under);
  /// WM_GETOBJECT: the client object for OBJID_CLIENT, 0 (the standard objects) otherwise.
  LRESULT AnswerGetObject(WPARAM wParam, LPARAM lParam);
  /// Gives the window its input context, or takes it away, as the focused element wants.
  void FollowInputMethod();

  HWND m_hWnd = nullptr;
  /// The window's own input context, kept while the window is without it.
  HIMC m_hImc = nullptr;
  CElementContainer m_root;
  CElementContainer* m_pCapture = nullptr;
  CElementContainer* m_pFocus = nullptr;
  CElementContainer* m_pHover = nullptr;
  /// The elements whose handlers run now, innermost last, for naming a menu's opener; one that
  /// goes while its handler runs is left as null.
  std::vector<CElementContainer*> m_vecDelivering;
  /// The child window that had the keyboard when this top-level window lost the activation.
  HWND m_hFocusedChild = nullptr;
  bool m_bTrackingLeave = false;
  bool m_bSkip = false;
  /// A Tab that moved the focus: its character is not typed into the new focus.
  bool m_bSwallowTabChar = false;
  UINT_PTR m_nextMenuToken = 1;
  std::map<UINT_PTR, CElementContainer*> m_mapMenuOpeners;
  UINT_PTR m_nextTimerId = 1;
  AccessibleAnnouncer m_announcer;
  CComPtr<HostAccessible> m_pAccessible;  ///< made at the first WM_GETOBJECT
  int m_nRouting = 0;  ///< how deep Route calls are nested
  std::map<UINT_PTR, std::pair<CElementContainer*, DWORD>> m_mapTimers;
};
