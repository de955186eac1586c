// The press, hover and capture state machine of a push-style element, written once.
//
//   event                 before                     after
//   Move(inside)          any                        hover = inside; pushed look while pressed
//                                                    and inside
//   Down(inside)          not pressed                pressed = inside (the caller captures)
//   Up(inside)            pressed                    not pressed; Click when inside
//   Up(any)               not pressed                nothing
//   Leave()               any                        hover = false (pressed stays: captured)
//   Cancel()              any                        not pressed, no click
#pragma once

class PressTracker {
 public:
  void Move(bool inside) {
    m_bHover = inside;
    m_bInside = inside;
  }
  void Down(bool inside) {
    m_bPressed = inside;
    m_bInside = inside;
    m_bHover = inside;
  }
  // True when the release completes a click.
  bool Up(bool inside) {
    const bool click = m_bPressed && inside;
    m_bPressed = false;
    m_bInside = inside;
    m_bHover = inside;
    return click;
  }
  void Leave() {
    m_bHover = false;
    m_bInside = false;
  }
  void Cancel() { m_bPressed = false; }

  bool Hover() const { return m_bHover; }
  bool Pressed() const { return m_bPressed; }
  // The pushed look: pressed, and the pointer back inside.
  bool PushedLook() const { return m_bPressed && m_bInside; }

 private:
  bool m_bHover = false;
  bool m_bPressed = false;
  bool m_bInside = false;
};
