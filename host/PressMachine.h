// The press, hover and look machine that every control of the library shares, written once.
//
// The machine keeps three flags: pressed (a left press began on the element and is not over),
// inside (the pointer was last seen inside) and hover (the pointer is over the element). Each
// event gives a new state and tells the element what to do; the element only carries it out.
//
//   event             state before              after                         capture  click
//   Down(in)          any                       pressed = in, inside = hover = in  take if in  -
//   Move(in, keys)    pressed, keys = left      inside = hover = in                  -        -
//                     only (or the policy lets
//                     other buttons be)
//                     pressed, other keys and   pressed = 0, inside = hover = in    let go    -
//                     OtherButtonsCancel
//                     not pressed               inside = hover = in                  -        -
//   Up(in)            pressed                   pressed = 0, inside = hover = in    let go    in, or
//                                                                                             always with
//                                                                                             ReleaseAnywhere
//                     not pressed               inside = hover = in                  -        only with
//                                                                                             ReleaseAnywhere
//   Leave             any                       inside = hover = 0 (a press stays:   -        -
//                                               coming back can still complete it)
//   Cancel            pressed                   pressed = 0                         let go    -
//   (disabled)        any input event           nothing changes; the event is ignored
//
// Disabling the element during a press is a Cancel: a disabled element ignores the release,
// so a press it kept would hold the capture, and every mouse message of the window, for good.
//
// The look is a pure function of the flags (ControlLook): disabled, then pushed (pressed with
// the pointer inside), then hover and focus in the order the control's policy gives.
#pragma once

#include "host/ColorTable.h"
#include "platform/win32/WinInput.h"

struct PressPolicy {
  // Where a release completes a click.
  enum class Click {
    ReleaseInside,    // only a release inside after a press inside (the plain check box, radio)
    ReleaseAnywhere,  // every release while enabled, wherever it is (the system button)
  };
  Click click = Click::ReleaseInside;
  // A move with any button or key besides the left button held ends a press (the radio).
  bool otherButtonsCancel = false;
  // Focus shows over hover (edit box, radio bitmaps); otherwise hover shows over focus.
  bool focusOverHover = false;
};

enum class PressEvent { Down, Move, Up, Leave, Cancel };

// What an event asks of the element.
struct PressStep {
  bool ignored = false;         // the element is disabled: it does nothing
  bool takeCapture = false;
  bool releaseCapture = false;
  bool click = false;
  bool changed = false;         // a flag the look depends on changed: repaint
};

class PressMachine {
 public:
  PressMachine() = default;
  explicit PressMachine(PressPolicy policy) : m_policy(policy) {}

  // `inside`: the event's point lies inside the element. `keys`: the MK_ flags of a move.
  PressStep On(PressEvent event, bool enabled, bool inside = false, DWORD keys = 0);

  bool Pressed() const { return m_bPressed; }
  bool Hover() const { return m_bHover; }
  // Pressed, with the pointer back inside.
  bool PushedLook() const { return m_bPressed && m_bInside; }
  const PressPolicy& Policy() const { return m_policy; }

 private:
  PressPolicy m_policy;
  bool m_bPressed = false;
  bool m_bInside = false;
  bool m_bHover = false;
};

// The colour state (COLOR_STATE_*) a control shows for its flags.
DWORD ControlLook(const PressMachine& press, bool enabled, bool focused);
