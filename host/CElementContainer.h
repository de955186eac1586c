/// @class CElementContainer
/// An element: a rectangle of a host window with no window of its own, driven by the framework.
///
/// The framework routes the window messages an element registered to its virtual handlers, with
/// points in the element's own coordinates (its top-left corner at 0, 0), and paints it through
/// a device context whose origin is that corner and whose clip box is its invalid part. An element
/// sits in a tree: its parent holds it by a plain pointer, and both sides detach when either goes.
/// Whoever made an element owns it, through its reference count or by deleting it, and may do so
/// inside any call the element makes out: ElementWatch.h tells the element whether it is still
/// there afterwards.
///
/// Each handler (On...) returns non-zero when it handled the message, which then goes no
/// further: not to the element's ancestors, not to the window's default handling.
///
/// Sections: life cycle; the handler slots; geometry; showing and enabling; input state; text,
/// font and colours; messages; accessibility; members.
#pragma once

#include <set>
#include <span>
#include <string_view>
#include <vector>

#include "host/CPropertyObject.h"
#include "host/ColorTable.h"
#include "host/ContainerInfo.h"
#include "host/ElementWatch.h"
#include "platform/accessibility/AccessibleObject.h"
#include "platform/mfc/CDC.h"
#include "platform/mfc/CString.h"

class CElementHost;
class ElementAccessible;
class CPaintDC;
class CWnd;

class CElementContainer : public CPropertyObject {
 public:
  /// An element with no size, place, parent or window; InitObject gives it them.
  CElementContainer();
  ///@{
  /// A copy has the same properties and look but no place in the tree and no window.
  CElementContainer(const CElementContainer& other);
  CElementContainer& operator=(const CElementContainer& other);
  ///@}
  /// Leaves the tree (ReleaseObject) and tells every ElementWatch on it that it is gone.
  ~CElementContainer() override;

  // ---- life cycle
  /// Takes size, position, id, style, name and parent from `info`; 0 when info is null.
  virtual int InitObject(const wchar_t* name, _CONTAINER_INFO* info);
  /// Leaves the tree and the window: timers stop, capture and focus go. Returns 1.
  virtual int ReleaseObject();
  /// Outlines the element in a debug colour when painting, to see layouts.
  virtual int SetDebugView(int on);
  /// Moves the element under another parent (null: out of the tree).
  virtual int ResetParent(CElementContainer* parent);

  // ---- handler slots; each returns non-zero when it handled the message
  /// Sees every registered message first; non-zero swallows it.
  virtual int OnFilter(UINT msg, WPARAM wParam, LPARAM lParam);
  /// Registered messages that have no handler of their own (WM_IME_COMPOSITION, ...).
  virtual int OnWindowProc(UINT msg, WPARAM wParam, LPARAM lParam, POINT pt);
  /// WM_PAINT: draws the element on `dc`, whose origin is the element's top-left corner and
  /// whose clip box is its invalid part (CPaintDC: platform/mfc/CPaintDC.h). Called, in layer
  /// order, for every shown element that registered WM_PAINT; it only reads state.
  virtual int OnPaint(CPaintDC* dc);
  /// WM_ERASEBKGND, when registered: called just before OnPaint with the same context.
  virtual int OnEraseBackground(CDC* dc);
  /// Show() was called with `notify`: `show` is the new state.
  virtual int OnShow(int show);
  ///@{
  /// A mouse button went down or up over the element (or anywhere, while it holds the capture);
  /// `pt` is in element coordinates.
  virtual int OnLButtonDown(POINT pt);
  virtual int OnLButtonUp(POINT pt);
  virtual int OnRButtonDown(POINT pt);
  virtual int OnRButtonUp(POINT pt);
  ///@}
  /// WM_LBUTTONDBLCLK: the second press of a double click (the first came as OnLButtonDown);
  /// `flags` are the MK_ keys held.
  virtual int OnDBClick(int flags, POINT pt);
  /// The wheel turned over the element: `delta` in WHEEL_DELTA steps, up is positive; `flags`
  /// are the MK_ keys held, `pt` in element coordinates.
  virtual int OnMouseWheel(UINT flags, int delta, POINT pt);
  /// The element's size is `cx` by `cy`: once before it is first painted or hit, then after
  /// every resize. Lay out the parts here.
  virtual int OnSize(UINT type, int cx, int cy);
  /// A timer started with StartTimer came due; it is not called while the element is hidden.
  virtual int OnTimer(DWORD id);
  ///@{
  /// A key went down or up while the element had the focus: the virtual key, the repeat count
  /// and the key flags (the high word of the message's lParam).
  virtual int OnKeyDown(UINT vk, UINT repeat, UINT flags);
  virtual int OnKeyUp(UINT vk, UINT repeat, UINT flags);
  ///@}
  /// The pointer moved over the element (or anywhere, while it holds the capture): element
  /// coordinates and the MK_ flags of the buttons and keys held.
  virtual int OnMouseMove(int x, int y, DWORD flags);
  /// A message another element sent this one by id (SendMessageW).
  virtual int OnUserMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  /// The user chose item `id` of a CMenuEx this element opened.
  virtual int OnMenuCommand(DWORD id);
  ///@{
  /// This host never calls these two, nor OnDeleteFromUserStyle; they hold their places in
  /// the contract's slot order, which elements written against it rely on. The host has no
  /// accelerator tables, and a child element's WM_COMMAND reaches its parent's OnControlMessage.
  virtual int OnAcceleratorCommand(DWORD id);
  virtual int OnControlCommand(DWORD id, UINT code, LPARAM lParam);
  ///@}
  /// A message the host window sends every element, in tree order: WM_DESTROY when the window
  /// goes, so that an element with a pop-up window of its own closes it.
  virtual int OnBroadcastCommand(UINT msg, WPARAM wParam, LPARAM lParam);
  /// WM_SETCURSOR over the element; set a cursor and answer non-zero, or 0 for the window's.
  virtual int OnSetCursor(UINT hitTest, LPARAM lParam);
  /// The pointer left the element (registered with WM_MOUSEMOVE).
  virtual int OnMouseLeave();
  /// The element gained (1) or lost (0) the focus within its window.
  virtual int OnSetFocus(int gained);
  /// The window holding the focused element gained or lost the keyboard focus; the focused
  /// element and its ancestors hear it, when they registered WM_SETFOCUS.
  virtual int OnSetWndFocus(int gained);
  /// A child reports: `fromId` is the child's id, the rest is what it sent. Every notification
  /// of every control arrives here; override it in the element that parents the controls. See
  /// the notification reference for what each control sends.
  virtual int OnControlMessage(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam);
  /// A character typed while the element had the focus (after TranslateMessage).
  virtual int OnChar(UINT ch, int repeat, int flags);
  /// A message on its way to a descendant passes here first; non-zero keeps it from the child.
  virtual int OnChildsProc(CElementContainer* child, UINT msg, WPARAM wParam, LPARAM lParam);
  /// Never called by this host (see OnAcceleratorCommand): it removes no element at a user's
  /// request.
  virtual int OnDeleteFromUserStyle();
  ///@{
  /// SetText, SetColor, SetFont or Enable changed the element: take the change in. Called after
  /// the change, registered or not.
  virtual int OnSetText();
  virtual int OnSetColor();
  virtual int OnSetFont();
  virtual int OnEnable();
  ///@}

  // ---- geometry
  /// The element's own rectangle: (0, 0) to its width and height.
  CRect GetDrawRect() const { return CRect(0, 0, m_rcContainer.Width(), m_rcContainer.Height()); }
  /// The place in the host window's client area.
  CRect GetContainerRect() const;
  /// The place in the parent element's coordinates.
  const CRect& GetRectInParent() const { return m_rcContainer; }
  ///@{
  /// Moves or resizes the element in its parent's coordinates; the old and new places are
  /// repainted, and a new size reaches OnSize.
  void MoveContainer(const RECT& rectInParent);
  void MoveContainer(int x, int y, int cx, int cy) { MoveContainer(CRect(x, y, x + cx, y + cy)); }
  ///@}
  /// Queues a repaint of a rectangle in element coordinates; null means the whole element.
  void InvalidContainerRect(int erase, const RECT* rect);
  ///@{
  /// An element whose OnPaint sets every pixel of its rectangle (an off-screen picture copied
  /// whole) says so, and the host leaves the window's background under it unfilled.
  bool IsOpaque() const { return m_bOpaque; }
  void SetOpaque(bool opaque) { m_bOpaque = opaque; }
  ///@}
  /// Moves what the element shows in a rectangle (element coordinates) by dy pixels, where
  /// nothing else paints over it, and paints what came in at once; otherwise queues a repaint
  /// of the whole rectangle. For an element that paints all of the rectangle itself with
  /// content that only moves, its state already as it will be painted.
  void ScrollContainerRect(const RECT& rect, int dy);

  // ---- tree
  /// The element named as parent in the creation record; null out of the tree.
  CElementContainer* GetParent() const { return m_pParent; }
  /// In the order they were attached; not owned.
  const std::vector<CElementContainer*>& GetChildren() const { return m_vecChildren; }
  /// The element host of the window the element lives in; null while it is in no window.
  CElementHost* GetHost() const;
  ///@{
  /// Siblings paint and are hit in layer order, higher on top; a control starts one layer above
  /// its parent. Changing it repaints the element.
  int GetLayer() const { return m_nLayer; }
  void SetLayer(int layer);
  ///@}

  // ---- showing and enabling
  /// Shows or hides the element and its children; hiding lets its capture and focus go. With
  /// `notify`, OnShow hears it, changed or not.
  void Show(int show, int notify);
  /// Shown, and every ancestor shown.
  int IsActive() const;
  ///@{
  /// A disabled element still paints (controls in their disabled look) but gets no input;
  /// disabling lets its capture go. A change reaches OnEnable.
  void Enable(int enable);
  int IsEnable() const { return m_bEnable; }
  ///@}

  // ---- input state
  ///@{
  /// The mouse capture within the window: while the element holds it, every mouse message of
  /// the window comes to it, wherever the pointer is.
  void SetCapture();
  void ReleaseCapture();
  int HasCapture() const;
  ///@}
  ///@{
  /// The focus within the window: keys and characters go to the focused element. Setting it
  /// calls OnSetFocus(0) on the old element, then OnSetFocus(1) on this one.
  void SetFocus();
  int IsFocus() const;
  ///@}
  ///@{
  /// A repeating timer on the window's clock, delivered to OnTimer with `id` every `ms`
  /// milliseconds until stopped; starting an id again restarts it. Timers stop when the
  /// element leaves the tree.
  void StartTimer(DWORD id, UINT ms);
  void StopTimer(DWORD id);
  ///@}
  /// The pointer in element coordinates.
  POINT GetMousePoint() const;
  /// A context for measuring text; give it back with ReleaseDC.
  CDC* GetDC() const;
  /// Gives back and deletes a context from GetDC.
  void ReleaseDC(CDC* dc) const;
  ///@{
  /// The window the element lives in; null while it is in none. Pop-ups a control opens are
  /// owned by it.
  HWND GetVMWindow() const;
  CWnd* GetWndContainer() const;
  ///@}

  // ---- identity, text, font and colours
  ///@{
  /// The id from the creation record: the `fromId` its notifications carry to the parent and
  /// the name SendMessageW finds it by. Unique within a window by the host's choice.
  DWORD GetID() const { return m_nID; }
  void SetID(DWORD id) { m_nID = id; }
  ///@}
  /// The style bits from the creation record (ELEMENT_STYLE_* and the control's own).
  ULONG_PTR GetStyle() const { return m_nStyle; }
  /// Copies at most cap - 1 characters and a terminator; returns the full length.
  int GetText(wchar_t* buffer, int cap) const;
  /// The element's text: the creation record's, or the last SetText.
  const CString& GetTextString() const { return m_strText; }
  /// Replaces the text (null: empty), tells OnSetText and repaints.
  void SetText(const wchar_t* text);
  /// The text alone, with no OnSetText and no repaint: for an element whose own editing changed
  /// it and that repaints just the part that changed. The element's text already has the first
  /// `head` and the last `tail` characters of the new one, and only what lies between is copied.
  void KeepText(std::wstring_view text, std::size_t head = 0, std::size_t tail = 0);
  /// Copies the font into `out`; 0 when it is null. Until SetFont, the framework's font.
  int GetFont(LOGFONTW* out) const;
  /// Replaces the font, tells OnSetFont and repaints.
  void SetFont(const LOGFONTW& font);
  /// The colour of a part (COLOR_PART_*) in a state (COLOR_STATE_*): the framework's from the
  /// theme until SetColor replaces it. See ColorTable.h.
  COLORREF GetColor(DWORD part, DWORD state) const {
    TakeFrameworkLook();
    return m_colors.Get(part, state);
  }
  /// Replaces the colour of a part in a state and tells OnSetColor; the host repaints.
  void SetColor(COLORREF color, DWORD part, DWORD state);

  // ---- messages
  /// Only registered messages reach the handlers. Hover needs the leave as much as the move, so
  /// registering WM_MOUSEMOVE registers WM_MOUSELEAVE too.
  void RegisterMessage(UINT msg);
  /// A control declares the messages it handles in one table and registers them in one call.
  void RegisterMessages(std::span<const UINT> msgs);
  /// Whether the handler of `msg` is called for this element.
  int IsRegistered(UINT msg) const { return m_setMessages.count(msg) != 0; }
  /// A message the element takes only behind a host's option (keyboard operation, say): it is
  /// registered when `taken`; either way the element's handler for it is meant, so the debug
  /// check for handlers of unregistered messages leaves it alone.
  void RegisterOptionalMessage(UINT msg, bool taken);
  /// Stops further processing of the message being handled (defaults, parents, the window).
  void SkipMsg();
  /// Reaches the element with that id in the same window, through its OnUserMessage.
  LRESULT SendMessageW(DWORD id, UINT msg, WPARAM wParam, LPARAM lParam);
  /// Reaches the parent's OnControlMessage with this element's id.
  LRESULT SendControlMessage(UINT msg, WPARAM wParam, LPARAM lParam);
  /// A key that this element registered WM_KEYDOWN for but leaves goes on to the nearest
  /// ancestor that registered it, as though this element had not; 1 when that one handled it.
  int PassKeyDownOn(UINT vk, UINT repeat, UINT flags);

  /// The element at a point in this element's coordinates: the shown descendant painted on top
  /// there, this element itself, or null outside it.
  CElementContainer* HitTest(POINT pt);

  // ---- accessibility (CElementContainerAccessible.cpp)
  // Assistive technology reads an element through its IAccessible object, a child of the host
  // window's client object; what the object says comes from the members below, which each
  // control refines. Changes need no call of their own: the host compares what the members say
  // after each repaint request and announces the differences (CElementHost.h).

  /// Fills what assistive technology reads of the element itself. The framework's default: a
  /// pane (a grouping when the element has children) named by the element's text, unavailable
  /// when it or an ancestor is disabled, invisible when it or an ancestor is hidden, focusable
  /// when it takes the focus and focused when it has it in the focused window, at its place on
  /// the screen, with no value and no default action.
  virtual void DescribeAccessible(platform::AccessibleFacts& facts) const;
  /// The number of simple children the element describes itself (a tree's rows, a menu's
  /// items), numbered from 1; they come before the child elements. None by default.
  virtual int GetAccessibleItemCount() const;
  /// Fills what assistive technology reads of item `item` (1 to GetAccessibleItemCount()).
  virtual void DescribeAccessibleItem(int item, platform::AccessibleFacts& facts) const;
  /// The item holding the focus within the element while the element has it; 0 (the default)
  /// when the element itself holds it.
  virtual int GetAccessibleFocusItem() const;
  /// The selected item; 0 (the default) when no item is selected.
  virtual int GetAccessibleSelectedItem() const;
  /// Does the default action of the element (item 0) or of an item: what a click does. The
  /// default clicks the middle of the element's or the item's place on the screen, through
  /// the window's own mouse routing. S_OK, or an error when nothing could be done.
  virtual HRESULT DoAccessibleAction(int item);
  /// For an element that edits text: fills the caret and the selection and returns true; the
  /// element's text is its value. False (the default) for any other element.
  virtual bool GetAccessibleTextCaret(platform::AccessibleTextCaret& caret) const;
  /// The objects of pop-up windows the element opens (a calendar), which come after its child
  /// elements among its children. None by default.
  virtual std::vector<CComPtr<IAccessible>> GetAccessiblePopups() const;
  /// The object assistive technology reads the element through: the element's own, made on
  /// first use and cut off from the element when it goes. An element that stands for another
  /// object (a pop-up's list) may answer that object instead.
  virtual CComPtr<IAccessible> GetAccessibleObject();
  /// Where the element lies on the screen.
  CRect GetScreenRect() const;

  /// Lays the element out once before it is first painted or hit: an element created at its
  /// final size is never resized, so it would get no OnSize otherwise. The framework calls it.
  void EnsureLaidOut();

 private:
  friend class CElementHost;
  friend class ElementWatch;
  /// Debug builds: says on stderr which handlers the element overrides for messages it never
  /// registered, since those handlers can never run.
  void ReportUnregisteredHandlers() const;
  /// The framework's colours and font (FrameworkTheme.h) are taken from the theme the first time
  /// the element's colours or font are read or set, not when it is made: the first look-up may
  /// make the environment, which reads the theme file, and no constructor should read a file.
  void TakeFrameworkLook() const {
    if (!m_bLookTaken) TakeFrameworkLookNow();
  }
  void TakeFrameworkLookNow() const;
  void AttachChild(CElementContainer* child);
  void DetachChild(CElementContainer* child);
  void Detach();

  /// First, so that it goes last: a watch says the element lives until all of it has gone.
  ElementWatch::List m_watches;
  CElementContainer* m_pParent = nullptr;  ///< not owned
  CElementHost* m_pHost = nullptr;         ///< set on the root container of a window only
  std::vector<CElementContainer*> m_vecChildren;  ///< not owned; each detaches when it goes
  CRect m_rcContainer;                     ///< in the parent's coordinates
  int m_nLayer = 0;
  DWORD m_nID = 0;
  ULONG_PTR m_nStyle = 0;
  bool m_bShow = true;
  bool m_bEnable = true;
  bool m_bDebugView = false;
  bool m_bOpaque = false;
  bool m_bLaidOut = false;  ///< OnSize has run for the current size
  CString m_strText;
  /// The look, filled on first use (TakeFrameworkLook).
  mutable bool m_bLookTaken = false;
  mutable LOGFONTW m_logFont{};
  mutable ColorTable m_colors;
  std::set<UINT> m_setMessages;
  std::set<UINT> m_setOptionalMessages;  ///< see RegisterOptionalMessage
  CComPtr<ElementAccessible> m_pAccessible;  ///< made on first use; cut off when the element goes
};
