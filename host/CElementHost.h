// The element side of a host window: it owns the root container and routes the window's
// messages to elements.
//
//   mouse       to the capturing element, else the topmost shown element under the point (by
//               layer, then by order); WM_MOUSELEAVE when the pointer leaves an element
//   keys, chars to the focused element; Tab moves the focus when nobody handles it
//   wheel       to the element under the pointer, else the focused element
//   paint       each shown element in layer order, through the window's paint context with the
//               origin at the element's corner and the clip at its invalid part
//   timers      element timers ride on window timers of the host window
//   menu choice WM_ELEMENT_MENUCOMMAND to the element of that id, if it is still there
// A message reaches an element only when it registered it; when the element itself did not, the
// nearest ancestor that did receives it. Ancestors see it first in OnChildsProc, the element
// in OnFilter. SkipMsg stops the default processing of the window.
#pragma once

#include <map>
#include <utility>

#include "host/CElementContainer.h"

// A choice from a pop-up menu for the element with id wParam: its OnMenuCommand(lParam).
constexpr UINT WM_ELEMENT_MENUCOMMAND = WM_APP + 1;

class CElementHost {
 public:
  explicit CElementHost(HWND window);
  ~CElementHost();
  CElementHost(const CElementHost&) = delete;
  CElementHost& operator=(const CElementHost&) = delete;

  HWND Window() const { return m_hWnd; }
  // The element that fills the client area; top-level elements are its children.
  CElementContainer* Root() { return &m_root; }

  // Returns true when the elements handled the message, with the result to return.
  bool Route(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

  // ---- services for elements
  void Invalidate(const RECT& clientRect);
  void SetCapture(CElementContainer* element);
  void ReleaseCapture(CElementContainer* element);
  CElementContainer* Capture() const { return m_pCapture; }
  void SetFocus(CElementContainer* element);
  CElementContainer* Focus() const { return m_pFocus; }
  CElementContainer* Hover() const { return m_pHover; }
  void StartTimer(CElementContainer* element, DWORD id, UINT ms);
  void StopTimer(CElementContainer* element, DWORD id);
  // An element and its descendants leave: no focus, capture or hover stays on them, and unless
  // kept, their timers stop. Calls no handler: the element may be half destroyed.
  void Forget(CElementContainer* element, bool keepTimers = false);
  void Skip() { m_bSkip = true; }
  CElementContainer* FindById(DWORD id);
  // Sends a message to every element's OnBroadcastCommand.
  void Broadcast(UINT msg, WPARAM wParam, LPARAM lParam);

 private:
  bool RouteMouse(UINT msg, WPARAM wParam, POINT client);
  bool RouteKey(UINT msg, WPARAM wParam, LPARAM lParam);
  bool RoutePaint();
  bool RouteTimer(UINT_PTR hostId);
  bool RouteSetCursor(WPARAM wParam, LPARAM lParam);
  // Delivers a message to the element or its nearest registered ancestor; true when handled.
  bool Deliver(CElementContainer* element, UINT msg, WPARAM wParam, LPARAM lParam, POINT client);
  bool MoveFocusByTab(bool backwards);
  void UpdateHover(CElementContainer* under);

  HWND m_hWnd = nullptr;
  CElementContainer m_root;
  CElementContainer* m_pCapture = nullptr;
  CElementContainer* m_pFocus = nullptr;
  CElementContainer* m_pHover = nullptr;
  bool m_bTrackingLeave = false;
  bool m_bSkip = false;
  UINT_PTR m_nextTimerId = 1;
  std::map<UINT_PTR, std::pair<CElementContainer*, DWORD>> m_mapTimers;
};
