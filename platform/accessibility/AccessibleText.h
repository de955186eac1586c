// The text of an edit box, its caret and its selection, for assistive technology.
//
// The platform's IAccessible gives a text box's contents as its value but has no member for
// the caret or the selection; for its own windowed edit control a reader asks the window
// (EM_GETSEL) and watches the system caret. A windowless edit box has neither window nor
// system caret, so its accessible object answers QueryInterface for this interface instead,
// whose members carry the names that the common accessible-text interface of assistive
// technology gives them (only its reading members, under an id of our own). Offsets count
// characters from 0; a selection runs from its start up to, not including, its end. The caret
// or the selection moving is announced as EVENT_OBJECT_TEXTSELECTIONCHANGED on the edit box's
// object.
#pragma once

#include "platform/com/OleAuto.h"

// {F5B8C0A2-6C1E-4D2B-9A57-3E0C41D27B19}
inline constexpr IID IID_IAccessibleText = {0xF5B8C0A2, 0x6C1E, 0x4D2B,
                                            {0x9A, 0x57, 0x3E, 0x0C, 0x41, 0xD2, 0x7B, 0x19}};

struct IAccessibleText : IUnknown {
  virtual HRESULT get_nCharacters(LONG* count) = 0;
  // The characters from `start` up to `end`; E_INVALIDARG unless 0 <= start <= end <= count.
  virtual HRESULT get_text(LONG start, LONG end, BSTR* text) = 0;
  // Where the caret stands, between characters: 0 before the first, count after the last.
  virtual HRESULT get_caretOffset(LONG* offset) = 0;
  // 1 while some text is selected, 0 otherwise.
  virtual HRESULT get_nSelections(LONG* count) = 0;
  // The selection's start and end; E_INVALIDARG for an index other than 0 or with nothing
  // selected.
  virtual HRESULT get_selection(LONG index, LONG* start, LONG* end) = 0;

 protected:
  ~IAccessibleText() = default;
};
