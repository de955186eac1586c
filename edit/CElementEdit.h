/// @class CElementEdit
/// A single-line edit box drawn by the library: caret, mouse selection, one level of undo that
/// toggles, the clipboard, input-method results, a blinking caret and a context menu.
///
/// The control text of the framework (GetText/SetText) is the authoritative copy: the edit works
/// on a local model and writes every change back at once, and a text the host sets is taken in
/// at once, with the caret and the selection pulled into it.
///
/// Set-up: InitObject() with the first text in the creation record (or SetText() later). The
/// parent hears WM_NOTIFY with 0 in wParam and an NMHDR whose code is one of EDIT_NOTIFY_*;
/// the context menu's texts are Chinese. The order of the notices: the
/// @ref index "notification reference".
///
/// Sections: public interface; notifications; handlers; model operations; layout and colours;
/// members. The code is split the same way: CElementEdit.cpp (life cycle and model operations),
/// CElementEditInput.cpp, CElementEditMenu.cpp, CElementEditClipboard.cpp (with input-method
/// results), CElementEditLayout.cpp, CElementEditPaint.cpp, CElementEditAccessible.cpp.
#pragma once

#include <functional>
#include <span>
#include <string>

#include "edit/EditPrefixWidths.h"
#include "edit/EditTextModel.h"
#include "host/CElementControl.h"

class CLightCanvas;

class CElementEdit : public CElementControl {
 public:
  /// An empty edit in the theme's colours; InitObject places it.
  CElementEdit();
  ///@{
  /// A copy has the text, caret, selection and look, but no place in the tree.
  CElementEdit(const CElementEdit& other);
  CElementEdit& operator=(const CElementEdit& other);
  ///@}
  /// Leaves the tree; the caret timer stops.
  ~CElementEdit() override;

  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override;

  /// Selects the whole text; the caret stays where it is.
  int SelectAllText();
  /// A read-only edit takes no keys, characters or context menu; the mouse still focuses it and
  /// selects its text.
  int SetReadOnly(int readOnly);
  /// 1 after SetReadOnly(1).
  int IsReadOnly() const { return m_bReadOnly; }
  /// Loads the colours of a colour state (COLOR_STATE_*) to paint with.
  void SetShowColor(DWORD state);
  /// The colour state painted now: the edit follows hover, focus and enabling by itself.
  DWORD GetShowState() const { return m_dwShowState; }
  /// Reloads the frame and field colours from the theme palette, after a theme change.
  int ResetDefaultColor();

  ///@{
  /// Positions in the text, in characters from its start: the caret, and the ends of the
  /// selection (equal when nothing is selected; the start may lie after the end when the user
  /// selected backwards).
  int GetCaret() const { return m_model.Caret(); }
  int GetSelectedStart() const { return m_model.SelStart(); }
  int GetSelectedEnd() const { return m_model.SelEnd(); }
  ///@}
  /// Pixels of text scrolled out of view on the left.
  int GetScrollOffset() const { return m_nScrollOffset; }

  /// An editable text whose value is the text, read-only when set so, with no name of its own
  /// (a label beside it names it to the user).
  void DescribeAccessible(platform::AccessibleFacts& facts) const override;
  /// The caret and the selection, as GetCaret, GetSelectedStart and GetSelectedEnd give them.
  bool GetAccessibleTextCaret(platform::AccessibleTextCaret& caret) const override;

  // ---- notifications: WM_NOTIFY to the parent with these NMHDR codes, each the last thing its
  // handler does (ElementWatch.h).
  ///@{
  /// The edit gained or lost the focus.
  static constexpr UINT EDIT_NOTIFY_SETFOCUS = 0x0100;
  static constexpr UINT EDIT_NOTIFY_KILLFOCUS = 0x0200;
  ///@}
  /// The text may have changed: sent after the user's edits whether or not they changed it.
  static constexpr UINT EDIT_NOTIFY_CHANGE = 0x0300;
  /// Enter was typed; the text is left as it is.
  static constexpr UINT EDIT_NOTIFY_RETURN = 0x0400;

  // ---- context menu command ids, as OnMenuCommand receives them
  ///@{
  /// The items of the edit's context menu (undo, cut, copy, paste, delete, select all), as
  /// OnMenuCommand receives them; each does what the model operation of its name does.
  static constexpr DWORD EDIT_MENU_UNDO = 1;
  static constexpr DWORD EDIT_MENU_CUT = 2;
  static constexpr DWORD EDIT_MENU_COPY = 3;
  static constexpr DWORD EDIT_MENU_PASTE = 4;
  static constexpr DWORD EDIT_MENU_DELETE = 5;
  static constexpr DWORD EDIT_MENU_SELECTALL = 6;
  ///@}

  /// The caret blink timer runs exactly while the edit has the focus.
  static constexpr DWORD EDIT_CARET_TIMER = 0x1011;

 protected:
  // ---- handlers
  int OnKeyDown(UINT vk, UINT repeat, UINT flags) override;
  int OnChar(UINT ch, int repeat, int flags) override;
  int OnLButtonDown(POINT pt) override;
  int OnLButtonUp(POINT pt) override;
  int OnMouseMove(int x, int y, DWORD flags) override;
  int OnDBClick(int flags, POINT pt) override;
  int OnRButtonDown(POINT pt) override;
  int OnRButtonUp(POINT pt) override;
  int OnMouseWheel(UINT flags, int delta, POINT pt) override;
  int OnMenuCommand(DWORD id) override;
  int OnWindowProc(UINT msg, WPARAM wParam, LPARAM lParam, POINT pt) override;
  int OnSetFocus(int gained) override;
  int OnTimer(DWORD id) override;
  int OnSetCursor(UINT hitTest, LPARAM lParam) override;
  int OnMouseLeave() override;
  int OnEnable() override;
  int OnSize(UINT type, int cx, int cy) override;
  int OnPaint(CPaintDC* dc) override;
  /// The host replaced the text, or changed the font.
  int OnSetText() override;
  int OnSetFont() override;

  // ---- model operations; each returns 1 unless it says otherwise
  /// Types a character at the caret, replacing the selection.
  int InsertChar(UINT ch);
  /// Erases the selection, or the character before the caret.
  int Backspace();
  /// Erases the selection, or the character after the caret.
  int DeleteSelect();
  /// Swaps the text with the one before the last edit, the caret at the end; undoing again
  /// brings the undone text back.
  int Undo();
  /// Copies the selection and erases it; with nothing selected (or no clipboard) nothing is
  /// erased and 0 is returned.
  int CutOperation();
  /// 0 when nothing is selected or the clipboard cannot take the text.
  int CopyToChipboard();
  /// Inserts the clipboard's text at the caret, replacing the selection; tabs and line feeds too.
  int PasteOperation();
  /// 0 when the clipboard holds no text.
  int GetDataFromClipboard(std::wstring& out);
  /// Takes the control text in again; the caret and the selection are kept within it.
  int GetTextInfo();
  ///@{
  /// Moves one end of the selection: 0 (S_OK) when set, E_FAIL for a position outside the text.
  int SetSelectedStart(int pos);
  int SetSelectedEnd(int pos);
  ///@}
  /// The input method's finished text; 0 when there is no input context.
  int GetIMMString(std::wstring& out);

  // ---- layout and colours
  /// The caret position under x (element coordinates) in `text`. The edit's own text is hit
  /// tested on the widths measured when it last changed; any other text is measured for the call.
  int CalcTextPos(const wchar_t* text, int x);
  /// The scroll offset that keeps the caret in view when `text` is painted in `area` with the
  /// canvas's font; the edit's own text takes its measured widths.
  int CalcDrawPos(CLightCanvas& canvas, const CRect& area, const wchar_t* text);
  /// The text the edit shows, the one the two above know without measuring.
  const std::wstring& GetShowText() const { return m_model.Text(); }
  /// The palette colour of a key; 0 without a palette.
  COLORREF GetColorEx(const wchar_t* key) const;

 private:
  void WriteBack();
  /// True when the control text differed from the model's and has replaced it.
  bool TakeInControlText();
  void Notify(UINT code);
  /// The scroll offset follows the caret, then the whole control is repainted; a focused edit
  /// tells the input method where its caret went.
  void Redraw();
  /// The caret's column and rows, in element coordinates: as tall as the font, centred on the
  /// control (upwards from the top for a negative font height).
  CRect GetCaretRect();
  /// The input method shows compositions at the caret, in the edit's font, and its candidates
  /// below the caret's line.
  void TellInputMethod();
  void SetIBeamCursor() const;
  /// Loads the colours of the look the flags give.
  void ShowLook() { SetShowColor(GetLook()); }
  /// A press drags the selection; the focus shows over hover.
  static constexpr PressPolicy kPressPolicy{PressPolicy::Click::ReleaseInside, false, true};
  static constexpr UINT kMessages[] = {
      WM_PAINT,       WM_MOUSEMOVE,     WM_SETCURSOR,  WM_SETFOCUS,        WM_KILLFOCUS,
      WM_KEYDOWN,     WM_LBUTTONDOWN,   WM_LBUTTONUP,  WM_LBUTTONDBLCLK,   WM_CHAR,
      WM_RBUTTONDOWN, WM_RBUTTONUP,     WM_COMMAND,    WM_IME_COMPOSITION, WM_MOUSEWHEEL,
      WM_SIZE};
  /// Runs `measure` on a measuring context with the control's font selected; false without one.
  bool MeasureWithFont(const std::function<void(HDC)>& measure);
  /// The prefix widths of the current text, measured when it changed.
  std::span<const int> PrefixWidths();
  bool IsShowText(const wchar_t* text) const;
  /// The scroll offset that keeps the caret of the edit's own text in view in an area this wide.
  int ShowTextScrollOffset(int areaWidth);

  CRect GetFieldRect() const;
  CRect GetClipRect() const;
  /// Where the text is painted.
  CRect GetTextArea() const;

  /// A double click happened; the button release that follows keeps its selection.
  int m_bDoubleClick = 0;
  int m_bCaretVisible = 0;
  int m_nScrollOffset = 0;
  /// Its left edge is where hit testing counts text from.
  CRect m_rcText;
  COLORREF m_clrBackground = 0;
  COLORREF m_clrFrame = 0;
  COLORREF m_clrText = 0;
  COLORREF m_clrTextBack = 0;
  COLORREF m_clrSelBack = 0;
  COLORREF m_clrSelText = 0;
  DWORD m_dwShowState = COLOR_STATE_NORMAL;
  EditTextModel m_model;
  int m_bReadOnly = 0;
  int m_bFocused = 0;
  EditPrefixWidths m_widths;
  /// The model revision the widths were measured for; -1 (none) after a font change.
  long long m_nMeasuredRevision = -1;
};
