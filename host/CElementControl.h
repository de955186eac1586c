/// @class CElementControl
/// The framework's control element. Made with the label style it shows its text; made with the
/// check-box style it is a working check box: a click or the space bar toggles it, it shows hover,
/// press and focus, and it tells its parent BN_CLICKED through WM_COMMAND.
///
/// It is also the base of every control of the library, and gives them the one press, hover and
/// look machine they share (PressMachine.h): a control feeds its mouse handlers to Press() and
/// reads its look from GetLook(). The check-box handlers belong to the plain control alone: for
/// any other control, calling a CElementControl handler is the element's default handling.
#pragma once

/// @file
/// The framework's control element, and the size of its check box.

#include "host/CElementContainer.h"
#include "host/PressMachine.h"

class PaintCanvas;

class CElementControl : public CElementContainer {
 public:
  ///@{
  /// A copy has the same properties, look and check mark, but no place in the tree.
  CElementControl() = default;
  CElementControl(const CElementControl&) = default;
  CElementControl& operator=(const CElementControl&) = default;
  ~CElementControl() override = default;
  ///@}

  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override;

  /// Made with ELEMENT_STYLE_CHECKBOX.
  bool IsCheckBox() const { return (GetStyle() & ELEMENT_STYLE_CHECKBOX) != 0; }
  /// 1 when the check box is checked: the user's clicks and SetCheck toggle it.
  int GetCheck() const { return m_bChecked; }
  /// Sets the check mark without telling the parent; repaints when it changes.
  void SetCheck(int checked);

  /// A check box is a check button, checked or not, whose default action ("Check" or
  /// "Uncheck") is the click that toggles it; a label, with no children, is a static text
  /// named by its caption; an element holding others keeps the framework's description.
  void DescribeAccessible(platform::AccessibleFacts& facts) const override;

 protected:
  int OnPaint(CPaintDC* dc) override;
  int OnLButtonDown(POINT pt) override;
  int OnLButtonUp(POINT pt) override;
  int OnMouseMove(int x, int y, DWORD flags) override;
  int OnMouseLeave() override;
  int OnKeyDown(UINT vk, UINT repeat, UINT flags) override;
  int OnSetFocus(int gained) override;
  /// Lets a press go; a control that overrides it calls it first.
  int OnEnable() override;

  /// Runs a mouse event through the press machine and carries it out: the capture is taken or
  /// let go, and OnPressLookChanged called when a part's look changed. `pt` is in element
  /// coordinates and names the part through PressPartAt; `keys` are the MK_ flags of a move. A
  /// disabled control's events come back ignored, and nothing has changed. Repeat requests are
  /// the control's to carry out.
  PressStep Press(PressEvent event, POINT pt = {0, 0}, DWORD keys = 0);
  /// The part under a point in element coordinates: the whole element, or none outside it. A
  /// control with several parts answers with its own.
  virtual PressPart PressPartAt(POINT pt) const;
  /// Repaints after a look change: the whole element. A control with many parts may repaint
  /// only those whose look changed: the step's hotBefore and the machine's hot and active.
  virtual void OnPressLookChanged(const PressStep& step);
  /// The colour state the control shows now: a pure function of its flags.
  DWORD GetLook() const { return ControlLook(m_press, IsEnable(), IsFocus()); }
  /// Which part is hot and which pressed, for painting a part's look.
  const PressMachine& GetPress() const { return m_press; }
  /// Each control picks its policy once, in its constructor.
  void SetPressPolicy(PressPolicy policy) { m_press = PressMachine(policy); }

 private:
  void Toggle();
  void PaintLabel(PaintCanvas& canvas);
  void PaintCheckBox(PaintCanvas& canvas);
  /// The square of the check mark, vertically centred at the left.
  CRect GetBoxRect() const;
  /// Text and background show only enabled and disabled.
  DWORD TextState() const;

  bool m_bChecked = false;
  PressMachine m_press;
};

/// Box size of the framework's check box, in pixels.
constexpr int kCheckBoxSize = 13;
/// Gap between the box and the caption.
constexpr int kCheckBoxGap = 5;
