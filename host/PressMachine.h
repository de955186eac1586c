/// @class PressMachine
/// The press, hover and look machine that every control of the library shares, written once.
///
/// The machine works on parts, not on elements: an element numbers the parts it has (a check box
/// has one, kWholePart; a scroll bar its arrows, track and thumb; a tree a box, a button and a
/// text per row) and answers which part lies under a point, kNoPart for none. The machine keeps
/// two parts: the hot part (under the pointer) and the active part (where a left press began and
/// is not over). Each event gives a new state and tells the element what to do; the element
/// only carries it out.
///
/// @code{.unparsed}
///  event             state before              after                         capture  click
///  Down(p)           any                       active = hot = p              take if  -
///                                                                            p is one
///  Down(p), OnPress  any                       hot = p (nothing is held)     -        p is one
///  Move(p, keys)     active, keys = left only  hot = p                       -        -
///                    (or the policy lets
///                    other buttons be)
///                    active, other keys and    active = none, hot = p        let go   -
///                    OtherButtonsCancel
///                    no press                  hot = p                       -        -
///  Up(p)             active                    active = none, hot = p        let go   p = active,
///                                                                                     or always with
///                                                                                     ReleaseAnywhere
///                    no press                  hot = p                       -        only with
///                                                                                     ReleaseAnywhere
///  Leave             any                       hot = none (a press stays:    -        -
///                                              coming back can complete it)
///  Navigate(p)       any                       hot = p (a press stays)       -        -
///  Cancel            active                    active = none                 let go   -
///  Tick              active, repeating part    (unchanged)                   -        repeat
///  (disabled)        any input event           nothing changes; the event is ignored
/// @endcode
///
/// With focusAfterClickOnly the machine also remembers that a release clicked (Clicked), until
/// the next event other than a Tick; the control shows focus for that while.
///
/// Navigate is the keyboard moving the hot part, as a menu's arrow keys do; the pointer's next
/// move takes the hot part back.
///
/// Disabling the element during a press is a Cancel: a disabled element ignores the release,
/// so a press it kept would hold the capture, and every mouse message of the window, for good.
///
/// Auto-repeat: a press on a part the policy names as repeating asks for the repeat timer at the
/// policy's delay; the first Tick switches it to the policy's rate; every Tick while that part
/// is held asks for the part's action again (the element decides whether the pointer must still
/// be on it), and a Tick with nothing held, a release or a cancel stops the timer.
///
/// A look is a pure function of the state: a part is pushed while it is active with the pointer
/// on it, or anywhere with pushedWhileHeld (PartLook); a whole control shows disabled, then
/// pushed, then hover and focus in the order the control's policy gives (ControlLook).
#pragma once

/// @file
/// The press machine shared by every control, its parts, policy, events and steps.

#include "host/ColorTable.h"
#include "platform/win32/WinInput.h"

/// A part of an element, numbered by the element. Parts are compared, never ordered.
using PressPart = int;
/// No part: outside every part, nothing hot or pressed.
constexpr PressPart kNoPart = 0;
/// The one part of a single-part control: the element's whole rectangle.
constexpr PressPart kWholePart = 1;

/// How a control's parts behave under the machine; each control picks one in its constructor.
struct PressPolicy {
  /// Where a release completes a click.
  enum class Click {
    ReleaseInside,    ///< only a release on the pressed part (the plain check box, radio)
    ReleaseAnywhere,  ///< every release while enabled, wherever it is (the system button)
    OnPress,          ///< the press on a part is the click, and holds nothing (the tree's rows)
  };
  Click click = Click::ReleaseInside;  ///< see Click
  /// A move with any button or key besides the left button held ends a press (the radio).
  bool otherButtonsCancel = false;
  /// Focus shows over hover (edit box, radio bitmaps); otherwise hover shows over focus.
  bool focusOverHover = false;
  /// Which parts repeat their action while held; none without it.
  bool (*repeats)(PressPart part) = nullptr;
  UINT repeatDelay = 0;  ///< ms from the press to the first repeat
  UINT repeatRate = 0;   ///< ms between repeats after the first
  /// A part is pushed for as long as its press lasts, with the pointer off it too (the drop
  /// list's face, whose press opens the pop-up that the pointer then moves over).
  bool pushedWhileHeld = false;
  /// The whole control shows focus only from a click until the pointer next moves or leaves,
  /// and hover or normal otherwise, whatever the focus (the drop list's face).
  bool focusAfterClickOnly = false;
};

/// The events the machine takes, as the table above names them: a press, a move, a release,
/// the pointer leaving, a press cancelled (capture lost, disabled), a repeat timer tick, and
/// the keyboard moving the hot part.
enum class PressEvent { Down, Move, Up, Leave, Cancel, Tick, Navigate };

/// What an event asks of the element.
struct PressStep {
  bool ignored = false;         ///< the element is disabled: it does nothing
  ///@{
  /// Take the mouse capture, or let it go.
  bool takeCapture = false;
  bool releaseCapture = false;
  ///@}
  bool click = false;           ///< a click completed: do the control's action
  bool changed = false;         ///< a part's look changed: repaint
  PressPart hotBefore = kNoPart;  ///< the hot part before the event, to repaint it alone
  UINT startRepeat = 0;         ///< (re)start the repeat timer with this period, in ms
  bool stopRepeat = false;      ///< stop the repeat timer
  bool repeat = false;          ///< do the held part's action again
};

class PressMachine {
 public:
  ///@{
  /// A machine with nothing hot or pressed, under the default policy or `policy`.
  PressMachine() = default;
  explicit PressMachine(PressPolicy policy) : m_policy(policy) {}
  ///@}

  /// `part`: the part under the event's point, kNoPart outside every part. `keys`: the MK_ flags
  /// of a move.
  PressStep On(PressEvent event, bool enabled, PressPart part = kNoPart, DWORD keys = 0);

  /// The part under the pointer (or the keyboard's), kNoPart for none.
  PressPart Hot() const { return m_nHot; }
  /// The part pressed and held, kNoPart for none.
  PressPart Active() const { return m_nActive; }
  /// A press is held.
  bool Pressed() const { return m_nActive != kNoPart; }
  /// Some part is hot.
  bool Hover() const { return m_nHot != kNoPart; }
  /// Pressed, with the pointer back on the pressed part (or anywhere, with pushedWhileHeld).
  bool PushedLook() const {
    return Pressed() && (m_nHot == m_nActive || m_policy.pushedWhileHeld);
  }
  /// A click just completed, and the pointer has not moved since (focusAfterClickOnly).
  bool Clicked() const { return m_bClicked; }
  /// The policy the machine was made with.
  const PressPolicy& Policy() const { return m_policy; }

 private:
  bool Repeats(PressPart part) const {
    return part != kNoPart && m_policy.repeats && m_policy.repeats(part);
  }

  PressPolicy m_policy;
  PressPart m_nHot = kNoPart;
  PressPart m_nActive = kNoPart;
  bool m_bRepeating = false;  ///< the repeat timer runs at its rate, past the first delay
  bool m_bClicked = false;
};

/// The colour state (COLOR_STATE_*) a control shows for its flags.
DWORD ControlLook(const PressMachine& press, bool enabled, bool focused);
/// The colour state of one part: disabled, pushed, hover or normal.
DWORD PartLook(const PressMachine& press, PressPart part, bool enabled);
