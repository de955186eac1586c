// An element: a rectangle of a host window with no window of its own, driven by the framework.
//
// The framework routes the window messages an element registered to its virtual handlers, with
// points in the element's own coordinates (its top-left corner at 0, 0), and paints it through
// a device context whose origin is that corner and whose clip box is its invalid part. An element
// sits in a tree: its parent holds it by a plain pointer, and both sides detach when either goes.
// Whoever made an element owns it, through its reference count or by deleting it, and may do so
// inside any call the element makes out: ElementWatch.h tells the element whether it is still
// there afterwards.
//
// Sections: life cycle; the handler slots; geometry; showing and enabling; input state; text,
// font and colours; messages; members.
#pragma once

#include <set>
#include <span>
#include <vector>

#include "host/CPropertyObject.h"
#include "host/ColorTable.h"
#include "host/ContainerInfo.h"
#include "host/ElementWatch.h"
#include "platform/mfc/CDC.h"
#include "platform/mfc/CString.h"

class CElementHost;
class CPaintDC;
class CWnd;

class CElementContainer : public CPropertyObject {
 public:
  CElementContainer();
  // A copy has the same properties and look but no place in the tree and no window.
  CElementContainer(const CElementContainer& other);
  CElementContainer& operator=(const CElementContainer& other);
  ~CElementContainer() override;

  // ---- life cycle
  // Takes size, position, id, style, name and parent from `info`; 0 when info is null.
  virtual int InitObject(const wchar_t* name, _CONTAINER_INFO* info);
  // Leaves the tree and the window: timers stop, capture and focus go. Returns 1.
  virtual int ReleaseObject();
  // Outlines the element in a debug colour when painting, to see layouts.
  virtual int SetDebugView(int on);
  // Moves the element under another parent (null: out of the tree).
  virtual int ResetParent(CElementContainer* parent);

  // ---- handler slots; each returns non-zero when it handled the message
  // Sees every registered message first; non-zero swallows it.
  virtual int OnFilter(UINT msg, WPARAM wParam, LPARAM lParam);
  // Registered messages that have no handler of their own (WM_IME_COMPOSITION, ...).
  virtual int OnWindowProc(UINT msg, WPARAM wParam, LPARAM lParam, POINT pt);
  virtual int OnPaint(CPaintDC* dc);
  virtual int OnEraseBackground(CDC* dc);
  virtual int OnShow(int show);
  virtual int OnLButtonDown(POINT pt);
  virtual int OnLButtonUp(POINT pt);
  virtual int OnRButtonDown(POINT pt);
  virtual int OnRButtonUp(POINT pt);
  virtual int OnDBClick(int flags, POINT pt);
  virtual int OnMouseWheel(UINT flags, int delta, POINT pt);
  virtual int OnSize(UINT type, int cx, int cy);
  virtual int OnTimer(DWORD id);
  virtual int OnKeyDown(UINT vk, UINT repeat, UINT flags);
  virtual int OnKeyUp(UINT vk, UINT repeat, UINT flags);
  virtual int OnMouseMove(int x, int y, DWORD flags);
  virtual int OnUserMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  virtual int OnMenuCommand(DWORD id);
  // This host never calls the next two, nor OnDeleteFromUserStyle; they hold their places in
  // the contract's slot order, which elements written against it rely on. The host has no
  // accelerator tables, and a child element's WM_COMMAND reaches its parent's OnControlMessage.
  virtual int OnAcceleratorCommand(DWORD id);
  virtual int OnControlCommand(DWORD id, UINT code, LPARAM lParam);
  virtual int OnBroadcastCommand(UINT msg, WPARAM wParam, LPARAM lParam);
  virtual int OnSetCursor(UINT hitTest, LPARAM lParam);
  virtual int OnMouseLeave();
  virtual int OnSetFocus(int gained);
  virtual int OnSetWndFocus(int gained);
  virtual int OnControlMessage(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam);
  virtual int OnChar(UINT ch, int repeat, int flags);
  // A message on its way to a descendant passes here first; non-zero keeps it from the child.
  virtual int OnChildsProc(CElementContainer* child, UINT msg, WPARAM wParam, LPARAM lParam);
  // Never called by this host (see OnAcceleratorCommand): it removes no element at a user's
  // request.
  virtual int OnDeleteFromUserStyle();
  virtual int OnSetText();
  virtual int OnSetColor();
  virtual int OnSetFont();
  virtual int OnEnable();

  // ---- geometry
  CRect GetDrawRect() const { return CRect(0, 0, m_rcContainer.Width(), m_rcContainer.Height()); }
  // The place in the host window's client area.
  CRect GetContainerRect() const;
  // The place in the parent element's coordinates.
  const CRect& GetRectInParent() const { return m_rcContainer; }
  void MoveContainer(const RECT& rectInParent);
  void MoveContainer(int x, int y, int cx, int cy) { MoveContainer(CRect(x, y, x + cx, y + cy)); }
  // Queues a repaint of a rectangle in element coordinates; null means the whole element.
  void InvalidContainerRect(int erase, const RECT* rect);
  // An element whose OnPaint sets every pixel of its rectangle (an off-screen picture copied
  // whole) says so, and the host leaves the window's background under it unfilled.
  bool IsOpaque() const { return m_bOpaque; }
  void SetOpaque(bool opaque) { m_bOpaque = opaque; }

  // ---- tree
  CElementContainer* GetParent() const { return m_pParent; }
  const std::vector<CElementContainer*>& GetChildren() const { return m_vecChildren; }
  CElementHost* GetHost() const;
  int GetLayer() const { return m_nLayer; }
  void SetLayer(int layer);

  // ---- showing and enabling
  void Show(int show, int notify);
  // Shown, and every ancestor shown.
  int IsActive() const;
  void Enable(int enable);
  int IsEnable() const { return m_bEnable; }

  // ---- input state
  void SetCapture();
  void ReleaseCapture();
  int HasCapture() const;
  void SetFocus();
  int IsFocus() const;
  void StartTimer(DWORD id, UINT ms);
  void StopTimer(DWORD id);
  // The pointer in element coordinates.
  POINT GetMousePoint() const;
  // A context for measuring text; give it back with ReleaseDC.
  CDC* GetDC() const;
  void ReleaseDC(CDC* dc) const;
  HWND GetVMWindow() const;
  CWnd* GetWndContainer() const;

  // ---- identity, text, font and colours
  DWORD GetID() const { return m_nID; }
  void SetID(DWORD id) { m_nID = id; }
  ULONG_PTR GetStyle() const { return m_nStyle; }
  // Copies at most cap - 1 characters and a terminator; returns the full length.
  int GetText(wchar_t* buffer, int cap) const;
  const CString& GetTextString() const { return m_strText; }
  void SetText(const wchar_t* text);
  // The text alone, with no OnSetText and no repaint: for an element whose own editing changed
  // it and that repaints just the part that changed.
  void KeepText(const wchar_t* text) { m_strText = text ? text : L""; }
  int GetFont(LOGFONTW* out) const;
  void SetFont(const LOGFONTW& font);
  COLORREF GetColor(DWORD part, DWORD state) const {
    TakeFrameworkLook();
    return m_colors.Get(part, state);
  }
  void SetColor(COLORREF color, DWORD part, DWORD state);

  // ---- messages
  // Only registered messages reach the handlers. Hover needs the leave as much as the move, so
  // registering WM_MOUSEMOVE registers WM_MOUSELEAVE too.
  void RegisterMessage(UINT msg);
  // A control declares the messages it handles in one table and registers them in one call.
  void RegisterMessages(std::span<const UINT> msgs);
  int IsRegistered(UINT msg) const { return m_setMessages.count(msg) != 0; }
  // A message the element takes only behind a host's option (keyboard operation, say): it is
  // registered when `taken`; either way the element's handler for it is meant, so the debug
  // check for handlers of unregistered messages leaves it alone.
  void RegisterOptionalMessage(UINT msg, bool taken);
  // Stops further processing of the message being handled (defaults, parents, the window).
  void SkipMsg();
  // Reaches the element with that id in the same window, through its OnUserMessage.
  LRESULT SendMessageW(DWORD id, UINT msg, WPARAM wParam, LPARAM lParam);
  // Reaches the parent's OnControlMessage with this element's id.
  LRESULT SendControlMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  // A key that this element registered WM_KEYDOWN for but leaves goes on to the nearest
  // ancestor that registered it, as though this element had not; 1 when that one handled it.
  int PassKeyDownOn(UINT vk, UINT repeat, UINT flags);

  // The element at a point in this element's coordinates: the shown descendant painted on top
  // there, this element itself, or null outside it.
  CElementContainer* HitTest(POINT pt);

  // Lays the element out once before it is first painted or hit: an element created at its
  // final size is never resized, so it would get no OnSize otherwise. The framework calls it.
  void EnsureLaidOut();

 private:
  friend class CElementHost;
  friend class ElementWatch;
  // Debug builds: says on stderr which handlers the element overrides for messages it never
  // registered, since those handlers can never run.
  void ReportUnregisteredHandlers() const;
  // The framework's colours and font (FrameworkTheme.h) are taken from the theme the first time
  // the element's colours or font are read or set, not when it is made: the first look-up may
  // make the environment, which reads the theme file, and no constructor should read a file.
  void TakeFrameworkLook() const {
    if (!m_bLookTaken) TakeFrameworkLookNow();
  }
  void TakeFrameworkLookNow() const;
  void AttachChild(CElementContainer* child);
  void DetachChild(CElementContainer* child);
  void Detach();

  // First, so that it goes last: a watch says the element lives until all of it has gone.
  ElementWatch::List m_watches;
  CElementContainer* m_pParent = nullptr;  // not owned
  CElementHost* m_pHost = nullptr;         // set on the root container of a window only
  std::vector<CElementContainer*> m_vecChildren;  // not owned; each detaches when it goes
  CRect m_rcContainer;                     // in the parent's coordinates
  int m_nLayer = 0;
  DWORD m_nID = 0;
  ULONG_PTR m_nStyle = 0;
  bool m_bShow = true;
  bool m_bEnable = true;
  bool m_bDebugView = false;
  bool m_bOpaque = false;
  bool m_bLaidOut = false;  // OnSize has run for the current size
  CString m_strText;
  // The look, filled on first use (TakeFrameworkLook).
  mutable bool m_bLookTaken = false;
  mutable LOGFONTW m_logFont{};
  mutable ColorTable m_colors;
  std::set<UINT> m_setMessages;
  std::set<UINT> m_setOptionalMessages;  // see RegisterOptionalMessage
};
