// The framework's control element. Made with the label style it shows its text; made with the
// check-box style it is a working check box: a click or the space bar toggles it, it shows hover,
// press and focus, and it tells its parent BN_CLICKED through WM_COMMAND.
#pragma once

#include "host/CElementContainer.h"
#include "host/PressTracker.h"

class PaintCanvas;

class CElementControl : public CElementContainer {
 public:
  CElementControl() = default;
  CElementControl(const CElementControl&) = default;
  CElementControl& operator=(const CElementControl&) = default;
  ~CElementControl() override = default;

  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override;

  bool IsCheckBox() const { return (GetStyle() & ELEMENT_STYLE_CHECKBOX) != 0; }
  int GetCheck() const { return m_bChecked; }
  // Sets the check mark without telling the parent; repaints when it changes.
  void SetCheck(int checked);

 protected:
  int OnPaint(CPaintDC* dc) override;
  int OnLButtonDown(POINT pt) override;
  int OnLButtonUp(POINT pt) override;
  int OnMouseMove(int x, int y, DWORD flags) override;
  int OnMouseLeave() override;
  int OnKeyDown(UINT vk, UINT repeat, UINT flags) override;
  int OnSetFocus(int gained) override;
  int OnEnable() override;

 private:
  void Toggle();
  void PaintLabel(PaintCanvas& canvas);
  void PaintCheckBox(PaintCanvas& canvas);
  // The square of the check mark, vertically centred at the left.
  CRect GetBoxRect() const;
  DWORD CurrentState() const;
  // Text and background show only enabled and disabled.
  DWORD TextState() const;

  bool m_bChecked = false;
  PressTracker m_press;
};

// Box size of the framework's check box, in pixels.
constexpr int kCheckBoxSize = 13;
// Gap between the box and the caption.
constexpr int kCheckBoxGap = 5;
