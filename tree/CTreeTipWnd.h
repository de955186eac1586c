/// @class CTreeTipWnd
/// The tree's tip: a topmost pop-up that takes neither the focus nor the activation, showing one
/// tip record. The pointer reaching it sends it away, so it never stands between the pointer and
/// the row it covers. It goes too when the application loses the keyboard to another one.
#pragma once

#include "platform/mfc/CWnd.h"
#include "tree/TreeTipLayout.h"

/// How a tip looks: its colours and its font.
struct TreeTipLook {
  ///@{
  /// The colours of the background, the texts and the one-pixel frame.
  COLORREF back = 0;
  COLORREF text = 0;
  COLORREF frame = 0;
  ///@}
  LOGFONTW font{};      ///< the texts' font
  int lineHeight = 20;  ///< pixels a line of text takes
};

class CTreeTipWnd : public CWnd {
 public:
  /// No window until the first Show.
  CTreeTipWnd() = default;
  /// Destroys the window.
  ~CTreeTipWnd() override;
  CTreeTipWnd(const CTreeTipWnd&) = delete;
  CTreeTipWnd& operator=(const CTreeTipWnd&) = delete;

  /// Shows the tip with its corner at `anchor` (screen coordinates), kept on the screen, owned
  /// by `owner`. False when the window cannot be made.
  bool Show(const _TREE_ITEM_TIP& tip, POINT anchor, const TreeTipLook& look, HWND owner);
  /// Hides the window; the next Show uses it again.
  void Hide();
  /// The window exists and is visible.
  bool IsShown() const { return m_hWnd && ::IsWindowVisible(m_hWnd); }
  /// Where the shown tip's texts are, in its client coordinates.
  const TreeTipLayout& GetLayout() const { return m_layout; }

 protected:
  ///@{
  /// The window's messages: it paints its texts, never activates, and hides as soon as the
  /// pointer reaches it or a button is pressed on it, or the application loses the keyboard.
  void OnPaint() override;
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  int OnMouseActivate(CWnd* desktop, UINT hitTest, UINT message) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnRButtonDown(UINT flags, CPoint point) override;
  ///@}

 private:
  TreeTipLayout m_layout;
  TreeTipLook m_look;
};
