/// @file
/// The creation record handed to InitObject: 13 pointer-wide words. Controls give their
/// children an altered copy (another name, another parent), so every word is plain data.
#pragma once

#include "platform/win32/WinDef.h"

class CElementContainer;

/// Word positions. Width, height, name and parent are fixed by the controls; the others are the
/// framework's own.
enum CONTAINER_INFO_WORD : int {
  CIW_STYLE = 0,   ///< element style bits (ELEMENT_STYLE_*)
  CIW_WIDTH = 1,
  CIW_HEIGHT = 2,
  CIW_LEFT = 3,    ///< position in the parent element
  CIW_TOP = 4,
  CIW_ID = 5,
  CIW_NAME = 6,    ///< const wchar_t*, read during InitObject only
  CIW_TEXT = 7,    ///< const wchar_t*, initial text, or null
  CIW_PARENT = 8,  ///< CElementContainer*, or null for an element of no window yet
  CIW_COUNT = 13,
};

/// Style bits of the plain control (CElementControl): a label shows its text, left-aligned.
constexpr ULONG_PTR ELEMENT_STYLE_LABEL = 0x0000;
/// The plain control is a working check box.
constexpr ULONG_PTR ELEMENT_STYLE_CHECKBOX = 0x0001;
/// Any element made with it starts hidden (Show brings it out).
constexpr ULONG_PTR ELEMENT_STYLE_HIDDEN = 0x0100;
/// Any element made with it starts disabled (Enable turns it on).
constexpr ULONG_PTR ELEMENT_STYLE_DISABLED = 0x0200;
///@{
/// Text alignment of a label.
constexpr ULONG_PTR ELEMENT_STYLE_CENTER = 0x1000;
constexpr ULONG_PTR ELEMENT_STYLE_RIGHT = 0x2000;
///@}

/// The creation record: fill one with the setters and hand it to a control's InitObject,
/// which reads it once (the name and text are copied). The parent must be an element already
/// in a window (CElementHostWnd::Root() or one of its descendants) for the control to show.
///
/// @code{.unparsed}
///  _CONTAINER_INFO info;
///  info.SetSize(200, 24);
///  info.SetPosition(10, 10);   // in the parent's coordinates
///  info.SetId(kEditId);        // the fromId of its notifications
///  info.SetParent(parent);
///  edit->InitObject(L"name", &info);
/// @endcode
struct _CONTAINER_INFO {
  /// The raw words, at the positions CONTAINER_INFO_WORD names; the accessors read them.
  ULONG_PTR nWords[CIW_COUNT] = {};

  ///@{
  /// What the record holds: the size and place in the parent, the id, the style bits, the
  /// element's name and first text, the parent element.
  int Width() const { return static_cast<int>(static_cast<LONG_PTR>(nWords[CIW_WIDTH])); }
  int Height() const { return static_cast<int>(static_cast<LONG_PTR>(nWords[CIW_HEIGHT])); }
  int Left() const { return static_cast<int>(static_cast<LONG_PTR>(nWords[CIW_LEFT])); }
  int Top() const { return static_cast<int>(static_cast<LONG_PTR>(nWords[CIW_TOP])); }
  DWORD Id() const { return static_cast<DWORD>(nWords[CIW_ID]); }
  ULONG_PTR Style() const { return nWords[CIW_STYLE]; }
  const wchar_t* Name() const { return reinterpret_cast<const wchar_t*>(nWords[CIW_NAME]); }
  const wchar_t* Text() const { return reinterpret_cast<const wchar_t*>(nWords[CIW_TEXT]); }
  CElementContainer* Parent() const { return reinterpret_cast<CElementContainer*>(nWords[CIW_PARENT]); }

  ///@}

  ///@{
  /// Fills the record: size, place in the parent's coordinates, id, style bits, name, first
  /// text (null: none) and parent. The strings are read during InitObject only.
  void SetSize(int cx, int cy) {
    nWords[CIW_WIDTH] = static_cast<ULONG_PTR>(static_cast<LONG_PTR>(cx));
    nWords[CIW_HEIGHT] = static_cast<ULONG_PTR>(static_cast<LONG_PTR>(cy));
  }
  void SetPosition(int x, int y) {
    nWords[CIW_LEFT] = static_cast<ULONG_PTR>(static_cast<LONG_PTR>(x));
    nWords[CIW_TOP] = static_cast<ULONG_PTR>(static_cast<LONG_PTR>(y));
  }
  void SetId(DWORD id) { nWords[CIW_ID] = id; }
  void SetStyle(ULONG_PTR style) { nWords[CIW_STYLE] = style; }
  void SetName(const wchar_t* name) { nWords[CIW_NAME] = reinterpret_cast<ULONG_PTR>(name); }
  void SetText(const wchar_t* text) { nWords[CIW_TEXT] = reinterpret_cast<ULONG_PTR>(text); }
  void SetParent(CElementContainer* p) { nWords[CIW_PARENT] = reinterpret_cast<ULONG_PTR>(p); }
  ///@}
};
static_assert(sizeof(_CONTAINER_INFO) == 13 * sizeof(void*));
