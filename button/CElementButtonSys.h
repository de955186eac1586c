/// @class CElementButtonSys
/// A windowless push button of two kinds: a colour button that fills itself and centres its
/// caption in colours that follow its state, or a picture button that centres one of several
/// images the environment's bitmap factory gives by name.
///
/// It tells its parent WM_NOTIFY with an NMHDR of code BN_CLICKED on every left-button release
/// while enabled (wherever the pointer is: there is no hit test), BN_SETFOCUS and BN_KILLFOCUS.
/// It takes no keys unless the environment's keyboard operation is on (CGlobalEnv.h): then Space
/// and Enter click it. Each notice is the last thing its handler does (ElementWatch.h). The
/// wParam is 0; see the @ref index "notification reference".
///
/// What each event shows (a disabled button takes none of the input events):
///
/// @code{.unparsed}
///  event            flags after                      colours shown after
///  press            pushed                           PUSH
///  release          not pushed                       HOVER, and the click is sent
///  first move       hover (when neither was set)     HOVER
///  leave            not hover                        NORMAL, unless focused: then unchanged
///  focus gained     focus                            FOCUS
///  focus lost       not focus                        NORMAL
///  enable, disable  (disable also ends a press)      NORMAL, DISABLE
/// @endcode
/// In picture mode the shown colours stay as they were when the mode was set; only SetBKColor
/// changes the background behind the picture.
#pragma once

/// @file
/// The system button and its two kinds.

#include <string>

#include "host/CElementControl.h"

/// Fixed to int, so that every value a host passes is one (any but the picture is a colour).
enum ButtonType : int {
  BUTTON_TYPE_COLOR = 0,    ///< a filled face with the caption centred (the default)
  BUTTON_TYPE_PICTURE = 1,  ///< images from the bitmap factory (SetImage)
};

class CElementButtonSys : public CElementControl {
 public:
  /// A colour button in the palette's "Button.*" colours with a bold caption.
  CElementButtonSys();
  ///@{
  /// A copy has the type, colours, images and caption, but no place in the tree.
  CElementButtonSys(const CElementButtonSys&) = default;
  CElementButtonSys& operator=(const CElementButtonSys&) = default;
  ~CElementButtonSys() override = default;
  ///@}

  ///@{
  /// The type, and the background painted behind the face or the images. Any type but
  /// BUTTON_TYPE_PICTURE is a colour button, whose background the state's colour replaces at
  /// each change of look; a picture button keeps it, and COLOR_NONE lets its images show over
  /// what lies beneath. Neither setter repaints.
  void SetButtonType(ButtonType type) { m_eButtonType = type; }
  void SetBKColor(COLORREF color) { m_clrShowBack = color; }
  ///@}
  /// Shows the colour table's colours of one state (COLOR_STATE_*); nothing in picture mode.
  void SetShowColor(DWORD state);
  /// Reads the palette's "Button.*" colours into the colour table. Returns 1; no repaint.
  int ResetColor();
  /// The palette's colour for a key; 0 for a null or empty key or without a palette.
  COLORREF GetColorEx(const wchar_t* key) const;
  /// Image names for the bitmap factory, read at each paint. Missing hover, pushed and fifth
  /// names fall back to the normal one. 0, keeping the images, without a source or normal name.
  int SetImage(const wchar_t* source, const wchar_t* normal, const wchar_t* hover,
               const wchar_t* pushed, const wchar_t* fifth);
  /// Draws the fifth image over the picture while set; InitObject clears it. No repaint.
  void SetFifthImage(BOOL show) { m_bFifthImage = show; }
  /// Reads the caption into m_strText and m_nTextLen. Returns 1.
  int GetTextInfo();
  /// Paints the picture button's images for its look now; OnPaint calls it in picture mode.
  int PaintPicType(CPaintDC* dc);

  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override;

  /// A push button named by its caption, whose default action ("Press") is the click that
  /// sends BN_CLICKED.
  void DescribeAccessible(platform::AccessibleFacts& facts) const override;

 protected:
  int OnPaint(CPaintDC* dc) override;
  int OnEraseBackground(CDC* dc) override;
  int OnLButtonDown(POINT pt) override;
  int OnLButtonUp(POINT pt) override;
  int OnSize(UINT type, int cx, int cy) override;
  int OnMouseMove(int x, int y, DWORD flags) override;
  int OnMouseLeave() override;
  int OnSetFocus(int gained) override;
  int OnEnable() override;
  /// Only with the environment's keyboard operation on (CGlobalEnv.h): Space and Enter click.
  int OnKeyDown(UINT vk, UINT repeat, UINT flags) override;

 private:
  /// Only a mouse release clicks the button, wherever it is; hover shows over focus.
  static constexpr PressPolicy kPressPolicy{PressPolicy::Click::ReleaseAnywhere, false, false};
  static constexpr UINT kMessages[] = {WM_PAINT, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                       WM_SIZE, WM_ERASEBKGND, WM_SETFOCUS};

  bool IsPicture() const { return m_eButtonType == BUTTON_TYPE_PICTURE; }
  /// The flags and shown colours follow the press machine and the focus.
  void ShowLook();
  void Notify(UINT code);
  void Repaint() { InvalidContainerRect(0, nullptr); }

  COLORREF m_clrShowBack = COLOR_NONE;
  COLORREF m_clrShowFrame = COLOR_NONE;
  COLORREF m_clrShowPanel = COLOR_NONE;
  COLORREF m_clrShowShade = COLOR_NONE;
  COLORREF m_clrShowText = COLOR_NONE;
  std::wstring m_strText;
  int m_nTextLen = 0;
  ButtonType m_eButtonType = BUTTON_TYPE_COLOR;
  BOOL m_bPushed = FALSE;
  BOOL m_bHover = FALSE;
  BOOL m_bFocus = FALSE;
  BOOL m_bFifthImage = FALSE;
  std::wstring m_strImageSource;
  std::wstring m_strImageNormal;
  std::wstring m_strImageHover;
  std::wstring m_strImagePushed;
  std::wstring m_strImageFifth;
};
