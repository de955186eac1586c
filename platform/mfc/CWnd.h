// MFC's window object. A CWnd owns the window it created, attached or subclassed: the window's
// messages come to WindowProc, which hands the known ones to the virtual handlers below (each
// handler's default passes the message on with Default()) and everything else to
// DefWindowProc. Unlike MFC there are no message maps: a derived class overrides the handlers.
//
// WM_NOTIFY, WM_COMMAND from controls, WM_DRAWITEM and WM_VSCROLL/WM_HSCROLL from scroll bars
// are reflected as MFC reflects them: the parent's default handling first offers the message to
// the child that sent it (OnChildNotify), so a control can handle its own notifications and
// draw its own owner-drawn parts.
//
// FromHandle gives the permanent CWnd of a window or a temporary one, which lives until the
// message loop is idle (AfxDeleteTempMaps).
#pragma once

#include "platform/mfc/CObject.h"
#include "platform/mfc/CPoint.h"
#include "platform/mfc/CRect.h"
#include "platform/mfc/CString.h"
#include "platform/win32/WinUser.h"

class CDC;
class CFont;
class CScrollBar;
struct DRAWITEMSTRUCT;

class CWnd : public CObject {
  DECLARE_DYNAMIC(CWnd)

 public:
  CWnd() = default;
  // Destroys a window it still owns; the derived part is already gone by then, so its
  // OnDestroy and PostNcDestroy do not run (call DestroyWindow first for those).
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;

  // Insert-after values for SetWindowPos.
  static const CWnd wndTop;
  static const CWnd wndBottom;
  static const CWnd wndTopMost;
  static const CWnd wndNoTopMost;

  operator HWND() const { return m_hWnd; }  // NOLINT
  HWND GetSafeHwnd() const { return m_hWnd; }

  // ---- owning a window
  BOOL Attach(HWND hwnd);
  HWND Detach();
  static CWnd* FromHandle(HWND hwnd);
  static CWnd* FromHandlePermanent(HWND hwnd);
  static void DeleteTempMap();
  // Attaches and routes the window's messages through this object; the old procedure becomes
  // the one DefWindowProc calls.
  BOOL SubclassWindow(HWND hwnd);
  HWND UnsubclassWindow();

  // A null class name uses the library's own window class (double clicks, arrow cursor). The
  // object is attached before WM_NCCREATE, so its handlers see the creation messages.
  virtual BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x,
                        int y, int width, int height, HWND parent, HMENU idOrMenu,
                        LPVOID param = nullptr);
  BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style,
                const RECT& rect, CWnd* parent, UINT id, LPVOID param = nullptr);
  virtual BOOL Create(LPCWSTR className, LPCWSTR windowName, DWORD style, const RECT& rect,
                      CWnd* parent, UINT id);
  virtual BOOL DestroyWindow();

  // ---- messages
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
  virtual BOOL PreTranslateMessage(MSG* msg);
  virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
  virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result);
  // A child's chance at a message its parent received from it; TRUE when handled.
  virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  // Called after the last message (WM_NCDESTROY); a self-owning window deletes itself here.
  virtual void PostNcDestroy();
  // Passes the message being handled to DefWindowProc.
  LRESULT Default();
  static const MSG* GetCurrentMessage();
  // Offers the message to PreTranslateMessage of its window and each parent up to hwndStop.
  static BOOL WalkPreTranslateTree(HWND hwndStop, MSG* msg);
  BOOL SendChildNotifyLastMsg(LRESULT* result = nullptr);
  static BOOL ReflectLastMsg(HWND child, LRESULT* result = nullptr);

  // ---- geometry and state
  void GetClientRect(LPRECT rect) const { ::GetClientRect(m_hWnd, rect); }
  void GetWindowRect(LPRECT rect) const { ::GetWindowRect(m_hWnd, rect); }
  void ClientToScreen(LPPOINT pt) const { ::ClientToScreen(m_hWnd, pt); }
  void ClientToScreen(LPRECT rect) const;
  void ScreenToClient(LPPOINT pt) const { ::ScreenToClient(m_hWnd, pt); }
  void ScreenToClient(LPRECT rect) const;
  void MapWindowPoints(CWnd* to, LPPOINT points, UINT count) const;
  void MapWindowPoints(CWnd* to, LPRECT rect) const;
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  void MoveWindow(LPCRECT rect, BOOL repaint = TRUE);
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  BOOL ShowWindow(int command) { return ::ShowWindow(m_hWnd, command); }
  BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
  BOOL EnableWindow(BOOL enable = TRUE) { return ::EnableWindow(m_hWnd, enable); }
  BOOL IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }
  DWORD GetStyle() const { return DWORD(::GetWindowLongW(m_hWnd, GWL_STYLE)); }
  DWORD GetExStyle() const { return DWORD(::GetWindowLongW(m_hWnd, GWL_EXSTYLE)); }
  // Returns FALSE when nothing changes; with flags, SetWindowPos applies them.
  BOOL ModifyStyle(DWORD remove, DWORD add, UINT flags = 0);
  BOOL ModifyStyleEx(DWORD remove, DWORD add, UINT flags = 0);
  int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }
  CWnd* GetParent() const { return FromHandle(::GetParent(m_hWnd)); }
  BOOL IsChild(const CWnd* wnd) const { return wnd && ::IsChild(m_hWnd, wnd->m_hWnd); }
  static CWnd* GetDesktopWindow() { return FromHandle(::GetDesktopWindow()); }
  void SetWindowText(LPCWSTR text) { ::SetWindowTextW(m_hWnd, text); }
  void GetWindowText(CString& out) const;
  void SetFont(CFont* font, BOOL redraw = TRUE);
  CFont* GetFont() const;

  // ---- painting
  void Invalidate(BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, nullptr, erase); }
  void InvalidateRect(LPCRECT rect, BOOL erase = TRUE) { ::InvalidateRect(m_hWnd, rect, erase); }
  void ValidateRect(LPCRECT rect) { ::ValidateRect(m_hWnd, rect); }
  void UpdateWindow() { ::UpdateWindow(m_hWnd); }
  // A temporary CDC on the client area; give it back with ReleaseDC.
  CDC* GetDC();
  int ReleaseDC(CDC* dc);

  // ---- input and time
  CWnd* SetCapture() { return FromHandle(::SetCapture(m_hWnd)); }
  static CWnd* GetCapture() { return FromHandle(::GetCapture()); }
  CWnd* SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }
  static CWnd* GetFocus() { return FromHandle(::GetFocus()); }
  CWnd* SetActiveWindow() { return FromHandle(::SetActiveWindow(m_hWnd)); }
  static CWnd* GetActiveWindow() { return FromHandle(::GetActiveWindow()); }
  UINT_PTR SetTimer(UINT_PTR id, UINT elapse, TIMERPROC proc) {
    return ::SetTimer(m_hWnd, id, elapse, proc);
  }
  BOOL KillTimer(UINT_PTR id) { return ::KillTimer(m_hWnd, id); }
  LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
  }
  BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
  }

 protected:
  // ---- handlers; each default passes the message on (Default)
  virtual int OnCreate(LPCREATESTRUCT cs);
  virtual void OnDestroy();
  // Detaches the object from its window and calls PostNcDestroy.
  virtual void OnNcDestroy();
  virtual void OnPaint();
  virtual BOOL OnEraseBkgnd(CDC* dc);
  virtual void OnSize(UINT type, int cx, int cy);
  virtual void OnMove(int x, int y);
  virtual void OnShowWindow(BOOL show, UINT status);
  virtual void OnEnable(BOOL enable);
  virtual void OnActivate(UINT state, CWnd* other, BOOL minimized);
  virtual int OnMouseActivate(CWnd* desktop, UINT hitTest, UINT message);
  virtual void OnCancelMode();
  virtual void OnLButtonDown(UINT flags, CPoint point);
  virtual void OnLButtonUp(UINT flags, CPoint point);
  virtual void OnLButtonDblClk(UINT flags, CPoint point);
  virtual void OnRButtonDown(UINT flags, CPoint point);
  virtual void OnRButtonUp(UINT flags, CPoint point);
  virtual void OnRButtonDblClk(UINT flags, CPoint point);
  virtual void OnMButtonDown(UINT flags, CPoint point);
  virtual void OnMButtonUp(UINT flags, CPoint point);
  virtual void OnMButtonDblClk(UINT flags, CPoint point);
  virtual void OnMouseMove(UINT flags, CPoint point);
  // `point` is in screen coordinates.
  virtual BOOL OnMouseWheel(UINT flags, short delta, CPoint point);
  virtual void OnMouseLeave();
  virtual void OnKeyDown(UINT ch, UINT repeat, UINT flags);
  virtual void OnKeyUp(UINT ch, UINT repeat, UINT flags);
  virtual void OnChar(UINT ch, UINT repeat, UINT flags);
  virtual void OnTimer(UINT_PTR id);
  virtual void OnSetFocus(CWnd* oldWnd);
  virtual void OnKillFocus(CWnd* newWnd);
  virtual void OnCaptureChanged(CWnd* wnd);
  virtual BOOL OnSetCursor(CWnd* wnd, UINT hitTest, UINT message);
  // `scrollBar` is the sending scroll bar when it is a CScrollBar object, else null.
  virtual void OnVScroll(UINT code, UINT pos, CScrollBar* scrollBar);
  virtual void OnHScroll(UINT code, UINT pos, CScrollBar* scrollBar);
  // An owner-drawn control asks for a part to be drawn; the default reflects it to the control.
  virtual void OnDrawItem(int id, DRAWITEMSTRUCT* dis);

  WNDPROC m_pfnSuper = nullptr;  // the procedure DefWindowProc passes messages to

 private:
  explicit CWnd(HWND special) : m_hWnd(special) {}
  static void AttachWhileCreating(HWND hwnd, void* self);
};

// The window procedure of every CWnd-owned window.
LRESULT CALLBACK AfxWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
