// The platform's accessibility model: every window, and every windowless element of a host
// window, describes itself to assistive technology through IAccessible.
//
// An IAccessible object answers for itself (child id CHILDID_SELF) and may answer for simple
// children by number (child ids 1, 2, ...) that have no object of their own. A child with an
// object of its own comes back from get_accChild and AccessibleChildren as an IDispatch
// (VT_DISPATCH); a simple child as its number (VT_I4). Texts are BSTRs the caller frees with
// SysFreeString; VARIANTs the caller clears with VariantClear. Rectangles are in screen
// coordinates. Getters answer S_FALSE with an empty result when the object has no such thing
// (no value, no description, no default action), E_INVALIDARG for a child id they do not know.
//
// Scroll bars: the value is the position, and the description the least and the greatest
// position the bar can take, as "0-90".
//
// Text: an object whose role is ROLE_SYSTEM_TEXT also answers QueryInterface for
// IAccessibleText (AccessibleText.h), which tells the caret and the selection; its value is the
// text itself.
#pragma once

#include "platform/accessibility/WinEvent.h"
#include "platform/com/OleAuto.h"

// ---- roles (get_accRole answers one as VT_I4)
constexpr DWORD ROLE_SYSTEM_SCROLLBAR = 0x03;
constexpr DWORD ROLE_SYSTEM_WINDOW = 0x09;
constexpr DWORD ROLE_SYSTEM_CLIENT = 0x0A;
constexpr DWORD ROLE_SYSTEM_MENUPOPUP = 0x0B;
constexpr DWORD ROLE_SYSTEM_MENUITEM = 0x0C;
constexpr DWORD ROLE_SYSTEM_TOOLTIP = 0x0D;
constexpr DWORD ROLE_SYSTEM_APPLICATION = 0x0E;
constexpr DWORD ROLE_SYSTEM_PANE = 0x10;
constexpr DWORD ROLE_SYSTEM_DIALOG = 0x12;
constexpr DWORD ROLE_SYSTEM_GROUPING = 0x14;
constexpr DWORD ROLE_SYSTEM_SEPARATOR = 0x15;
constexpr DWORD ROLE_SYSTEM_TABLE = 0x18;
constexpr DWORD ROLE_SYSTEM_COLUMNHEADER = 0x19;
constexpr DWORD ROLE_SYSTEM_ROW = 0x1C;
constexpr DWORD ROLE_SYSTEM_CELL = 0x1D;
constexpr DWORD ROLE_SYSTEM_LIST = 0x21;
constexpr DWORD ROLE_SYSTEM_LISTITEM = 0x22;
constexpr DWORD ROLE_SYSTEM_OUTLINE = 0x23;
constexpr DWORD ROLE_SYSTEM_OUTLINEITEM = 0x24;
constexpr DWORD ROLE_SYSTEM_GRAPHIC = 0x28;
constexpr DWORD ROLE_SYSTEM_STATICTEXT = 0x29;
constexpr DWORD ROLE_SYSTEM_TEXT = 0x2A;
constexpr DWORD ROLE_SYSTEM_PUSHBUTTON = 0x2B;
constexpr DWORD ROLE_SYSTEM_CHECKBUTTON = 0x2C;
constexpr DWORD ROLE_SYSTEM_RADIOBUTTON = 0x2D;
constexpr DWORD ROLE_SYSTEM_COMBOBOX = 0x2E;
constexpr DWORD ROLE_SYSTEM_DROPLIST = 0x2F;
constexpr DWORD ROLE_SYSTEM_SPINBUTTON = 0x34;
constexpr DWORD ROLE_SYSTEM_BUTTONDROPDOWN = 0x38;

// ---- states (get_accState answers their union as VT_I4)
constexpr DWORD STATE_SYSTEM_UNAVAILABLE = 0x00000001;
constexpr DWORD STATE_SYSTEM_SELECTED = 0x00000002;
constexpr DWORD STATE_SYSTEM_FOCUSED = 0x00000004;
constexpr DWORD STATE_SYSTEM_PRESSED = 0x00000008;
constexpr DWORD STATE_SYSTEM_CHECKED = 0x00000010;
constexpr DWORD STATE_SYSTEM_MIXED = 0x00000020;
constexpr DWORD STATE_SYSTEM_INDETERMINATE = STATE_SYSTEM_MIXED;
constexpr DWORD STATE_SYSTEM_READONLY = 0x00000040;
constexpr DWORD STATE_SYSTEM_HOTTRACKED = 0x00000080;
constexpr DWORD STATE_SYSTEM_DEFAULT = 0x00000100;
constexpr DWORD STATE_SYSTEM_EXPANDED = 0x00000200;
constexpr DWORD STATE_SYSTEM_COLLAPSED = 0x00000400;
constexpr DWORD STATE_SYSTEM_INVISIBLE = 0x00008000;
constexpr DWORD STATE_SYSTEM_OFFSCREEN = 0x00010000;
constexpr DWORD STATE_SYSTEM_FOCUSABLE = 0x00100000;
constexpr DWORD STATE_SYSTEM_SELECTABLE = 0x00200000;
constexpr DWORD STATE_SYSTEM_MULTISELECTABLE = 0x01000000;
constexpr DWORD STATE_SYSTEM_PROTECTED = 0x20000000;
constexpr DWORD STATE_SYSTEM_HASPOPUP = 0x40000000;

// ---- accNavigate's directions: spatial ones among siblings, logical ones in child order
constexpr LONG NAVDIR_UP = 0x1;
constexpr LONG NAVDIR_DOWN = 0x2;
constexpr LONG NAVDIR_LEFT = 0x3;
constexpr LONG NAVDIR_RIGHT = 0x4;
constexpr LONG NAVDIR_NEXT = 0x5;
constexpr LONG NAVDIR_PREVIOUS = 0x6;
constexpr LONG NAVDIR_FIRSTCHILD = 0x7;
constexpr LONG NAVDIR_LASTCHILD = 0x8;

// ---- accSelect's flags
constexpr LONG SELFLAG_NONE = 0x0;
constexpr LONG SELFLAG_TAKEFOCUS = 0x1;
constexpr LONG SELFLAG_TAKESELECTION = 0x2;
constexpr LONG SELFLAG_EXTENDSELECTION = 0x4;
constexpr LONG SELFLAG_ADDSELECTION = 0x8;
constexpr LONG SELFLAG_REMOVESELECTION = 0x10;

// {618736E0-3C3D-11CF-810C-00AA00389B71}
inline constexpr IID IID_IAccessible = {0x618736E0, 0x3C3D, 0x11CF,
                                        {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

struct IAccessible : IDispatch {
  // The object that holds this one: the host window's client object for an element, the
  // window object for a client object; S_FALSE and null for the top of the tree.
  virtual HRESULT get_accParent(IDispatch** parent) = 0;
  virtual HRESULT get_accChildCount(LONG* count) = 0;
  // S_OK and the child's object; S_FALSE and null for a simple child (ask this object about it
  // by its id).
  virtual HRESULT get_accChild(VARIANT child, IDispatch** object) = 0;
  virtual HRESULT get_accName(VARIANT child, BSTR* name) = 0;
  virtual HRESULT get_accValue(VARIANT child, BSTR* value) = 0;
  virtual HRESULT get_accDescription(VARIANT child, BSTR* description) = 0;
  virtual HRESULT get_accRole(VARIANT child, VARIANT* role) = 0;
  virtual HRESULT get_accState(VARIANT child, VARIANT* state) = 0;
  virtual HRESULT get_accHelp(VARIANT child, BSTR* help) = 0;
  virtual HRESULT get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) = 0;
  virtual HRESULT get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) = 0;
  // The focused object among this one and its descendants: VT_I4 CHILDID_SELF for this one,
  // a child id or a VT_DISPATCH object, or VT_EMPTY (S_FALSE) when the focus is elsewhere.
  virtual HRESULT get_accFocus(VARIANT* focused) = 0;
  // The selected child: VT_I4 or VT_DISPATCH; VT_EMPTY (S_FALSE) when nothing is selected.
  virtual HRESULT get_accSelection(VARIANT* selected) = 0;
  // What accDoDefaultAction does, as a verb the user reads ("Press", "Check"); S_FALSE and a
  // null text when there is none.
  virtual HRESULT get_accDefaultAction(VARIANT child, BSTR* action) = 0;
  // Focuses (SELFLAG_TAKEFOCUS) or selects (SELFLAG_TAKESELECTION) the child as the user
  // would; DISP_E_MEMBERNOTFOUND when it cannot take that.
  virtual HRESULT accSelect(LONG flags, VARIANT child) = 0;
  virtual HRESULT accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                              VARIANT child) = 0;
  // The sibling or child in `direction` from `start`: VT_I4 or VT_DISPATCH; S_FALSE and
  // VT_EMPTY when there is none.
  virtual HRESULT accNavigate(LONG direction, VARIANT start, VARIANT* end) = 0;
  // What lies at a screen point: VT_I4 CHILDID_SELF for this object, a child id or object,
  // S_FALSE and VT_EMPTY outside it.
  virtual HRESULT accHitTest(LONG left, LONG top, VARIANT* child) = 0;
  // Does what a click does. DISP_E_MEMBERNOTFOUND when there is no default action.
  virtual HRESULT accDoDefaultAction(VARIANT child) = 0;
  // Setting the name is not supported (E_NOTIMPL); setting the value is, where the user could
  // type it (DISP_E_MEMBERNOTFOUND elsewhere).
  virtual HRESULT put_accName(VARIANT child, BSTR name) = 0;
  virtual HRESULT put_accValue(VARIANT child, BSTR value) = 0;

 protected:
  ~IAccessible() = default;
};

// Asks `hwnd` for its object `objectId` (OBJID_CLIENT, OBJID_WINDOW) through WM_GETOBJECT, or
// makes the platform's standard one when the window does not answer, and queries it for
// `riid`. E_INVALIDARG for a bad handle or a null `object`.
HRESULT AccessibleObjectFromWindow(HWND hwnd, DWORD objectId, REFIID riid, void** object);
// The object that an event names: the object of (hwnd, objectId) and, in `child`, the id to
// ask it about (CHILDID_SELF when the child has an object of its own, which is then returned).
HRESULT AccessibleObjectFromEvent(HWND hwnd, DWORD objectId, DWORD childId,
                                  IAccessible** object, VARIANT* child);
// The platform's object for a window that does not describe itself: OBJID_WINDOW is the
// window with its client object as the one child; OBJID_CLIENT is the client area, named by
// the window text, with the child windows as children. A host window's client object starts
// from it and adds its elements.
HRESULT CreateStdAccessibleObject(HWND hwnd, LONG objectId, REFIID riid, void** object);
// Fills `children` with up to `count` of `container`'s children from the `start`-th (0 is the
// first), as VT_DISPATCH for children with an object and VT_I4 for simple ones, and their
// number in `obtained`. The caller clears each.
HRESULT AccessibleChildren(IAccessible* container, LONG start, LONG count, VARIANT* children,
                           LONG* obtained);

// A window's answer to WM_GETOBJECT: a token for `object` that ObjectFromLresult redeems once.
// The token holds a reference until then. `wParam` is WM_GETOBJECT's.
LRESULT LresultFromObject(REFIID riid, WPARAM wParam, IUnknown* object);
// Redeems a token from LresultFromObject: queries its object for `riid` and drops the token's
// reference. E_INVALIDARG for a token that is unknown or already redeemed.
HRESULT ObjectFromLresult(LRESULT result, REFIID riid, WPARAM wParam, void** object);
