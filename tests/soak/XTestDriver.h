// A second client of the X server that plays the user of an SDL window: it moves the pointer
// and presses buttons and keys through the server's test extension (XTest), so that they reach
// the window as a person's would; gives the input focus to a window of its own and back;
// resizes the window; reads what the window shows; and asks for an answer after all it sent.
//
// Answers: Mark(n) sends the window a client message after everything sent so far; the server
// handles a client's requests and the input they make in order, so once the program's SDL has
// taken the mark (Answered() is n), it has taken every event before it.
//
// The X headers stay in the .cpp: their macros (None, Bool, Status) clash with other headers.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct SDL_Window;
union SDL_Event;
struct _XDisplay;

namespace soak {

class XTestDriver {
 public:
  // Connects to the display SDL shows `window` on; null, with the reason, when SDL is not on
  // X11, the display cannot be reached or has no XTest, or no key is free for typing text.
  static std::unique_ptr<XTestDriver> Connect(SDL_Window* window, std::string& error);
  ~XTestDriver();
  XTestDriver(const XTestDriver&) = delete;
  XTestDriver& operator=(const XTestDriver&) = delete;

  // Root-window coordinates.
  void MoveTo(int x, int y);
  // Buttons by X number: 1 left, 2 middle, 3 right, 4/5 the wheel up/down, 6/7 sideways.
  void Button(unsigned button, bool down);
  // A key by X key symbol (X11/keysym.h), pressed or released.
  void Key(unsigned long keysym, bool down);
  // Presses and releases a key that types `ch` (with Shift when the keyboard needs it); a
  // character the keyboard lacks is put on a free key first. Characters no key can type are
  // left out.
  void Type(char32_t ch);
  // Releases every button and key this driver holds down.
  void ReleaseAll();

  // Gives the input focus to a small window of the driver's own, or back to the target.
  void FocusElsewhere();
  void FocusTarget();
  void Resize(int width, int height);

  // The target's client area: where it is on the root window and how big.
  struct Place {
    int x = 0, y = 0, width = 0, height = 0;
  };
  Place Where() const;
  // The root window's size.
  int RootWidth() const { return m_rootWidth; }
  int RootHeight() const { return m_rootHeight; }
  bool Mapped() const;
  // What the target shows, 0x00RRGGBB, rows packed, `place.width` wide; the part of it on the
  // root window only (a window off the screen keeps no picture).
  std::vector<uint32_t> Picture(const Place& place) const;

  void Mark(long serial);
  long Answered() const { return m_answered; }
  // The last X error the server sent this client, described; empty when none.
  std::string TakeError();

 private:
  XTestDriver() = default;
  static int Watch(void* self, SDL_Event* event);

  _XDisplay* m_display = nullptr;
  unsigned long m_target = 0;
  unsigned long m_decoy = 0;
  unsigned long m_markAtom = 0;
  int m_spareKey = 0;  // a keycode with no symbols, for characters the keyboard lacks
  int m_rootWidth = 0, m_rootHeight = 0;
  long m_answered = 0;
  std::vector<unsigned> m_buttonsDown;
  std::vector<int> m_keysDown;  // keycodes
};

}  // namespace soak
