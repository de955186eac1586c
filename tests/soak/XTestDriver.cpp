// Index: connecting; input; focus and size; reading the window; marks and errors.
#include "tests/soak/XTestDriver.h"

#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <algorithm>
#include <utility>

namespace soak {

namespace {

// Xlib reports errors through one process-wide handler, for SDL's connection too; the last one
// of the driver's own waits here for TakeError.
std::string g_lastError;
Display* g_driverDisplay = nullptr;

int RecordError(Display* display, XErrorEvent* event) {
  if (display != g_driverDisplay) return 0;
  char text[160] = "";
  XGetErrorText(display, event->error_code, text, sizeof text);
  g_lastError = std::string(text) + " (request " + std::to_string(event->request_code) + ")";
  return 0;
}

// The key symbol that types a character: Latin-1 ones are their own code, the rest Unicode's,
// and control characters the keys that make them. 0 when no key makes it.
KeySym SymbolFor(char32_t ch) {
  switch (ch) {
    case U'\b': return XK_BackSpace;
    case U'\t': return XK_Tab;
    case U'\r':
    case U'\n': return XK_Return;
    case U'\x1b': return XK_Escape;
    default: break;
  }
  if (ch < 0x20 || ch == 0x7F || (ch >= 0x80 && ch < 0xA0) || (ch >= 0xD800 && ch < 0xE000) ||
      ch > 0x10FFFF)
    return 0;
  return ch < 0x100 ? KeySym(ch) : KeySym(0x01000000 | ch);
}

// A keycode the server's keyboard gives no symbol, highest first; 0 when all are taken.
int FreeKeycode(Display* display) {
  int low = 0, high = 0, perKey = 0;
  XDisplayKeycodes(display, &low, &high);
  KeySym* map = XGetKeyboardMapping(display, KeyCode(low), high - low + 1, &perKey);
  if (!map) return 0;
  int found = 0;
  for (int code = high; code >= low && !found; --code) {
    const KeySym* syms = map + std::ptrdiff_t(code - low) * perKey;
    if (std::all_of(syms, syms + perKey, [](KeySym s) { return s == NoSymbol; })) found = code;
  }
  XFree(map);
  return found;
}

}  // namespace

// ---- connecting

std::unique_ptr<XTestDriver> XTestDriver::Connect(SDL_Window* window, std::string& error) {
  // SDL may make the window anew when it first gives it a picture (to draw it with an
  // accelerated renderer): the X window to drive is the one after that.
  SDL_GetWindowSurface(window);
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
    error = "the window is not on an X server";
    return nullptr;
  }
  std::unique_ptr<XTestDriver> driver(new XTestDriver());
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    error = "cannot reach the X display";
    return nullptr;
  }
  driver->m_display = display;
  int event = 0, firstError = 0, major = 0, minor = 0;
  if (!XTestQueryExtension(display, &event, &firstError, &major, &minor)) {
    error = "the X server has no XTest extension";
    return nullptr;
  }
  driver->m_spareKey = FreeKeycode(display);
  if (!driver->m_spareKey) {
    error = "the X server's keyboard has no free key to type other characters with";
    return nullptr;
  }
  g_driverDisplay = display;
  XSetErrorHandler(RecordError);
  driver->m_target = info.info.x11.window;
  // SDL may not have sent its window to the server yet.
  XSync(info.info.x11.display, False);
  const Window root = DefaultRootWindow(display);
  driver->m_rootWidth = DisplayWidth(display, DefaultScreen(display));
  driver->m_rootHeight = DisplayHeight(display, DefaultScreen(display));
  // The window that takes the focus away sits in the root's corner, clear of the target.
  XSetWindowAttributes attributes{};
  attributes.override_redirect = True;
  driver->m_decoy = XCreateWindow(display, root, 0, 0, 24, 24, 0, CopyFromParent, InputOutput,
                                  CopyFromParent, CWOverrideRedirect, &attributes);
  XMapRaised(display, driver->m_decoy);
  driver->m_markAtom = XInternAtom(display, "TRELLIS_SOAK_MARK", False);
  XSync(display, False);
  SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
  SDL_AddEventWatch(&XTestDriver::Watch, driver.get());
  return driver;
}

XTestDriver::~XTestDriver() {
  if (!m_display) return;
  SDL_DelEventWatch(&XTestDriver::Watch, this);
  ReleaseAll();
  if (m_decoy) XDestroyWindow(m_display, m_decoy);
  XCloseDisplay(m_display);
  g_driverDisplay = nullptr;
}

// ---- input

void XTestDriver::MoveTo(int x, int y) {
  XTestFakeMotionEvent(m_display, -1, x, y, CurrentTime);
}

void XTestDriver::Button(unsigned button, bool down) {
  const auto held = std::find(m_buttonsDown.begin(), m_buttonsDown.end(), button);
  // A button is pressed once until released, as a hand does.
  if (down == (held != m_buttonsDown.end())) return;
  if (down) m_buttonsDown.push_back(button);
  else m_buttonsDown.erase(held);
  XTestFakeButtonEvent(m_display, button, down, CurrentTime);
}

void XTestDriver::Key(unsigned long keysym, bool down) {
  const int code = XKeysymToKeycode(m_display, keysym);
  if (!code) return;
  const auto held = std::find(m_keysDown.begin(), m_keysDown.end(), code);
  if (down && held == m_keysDown.end()) m_keysDown.push_back(code);
  if (!down && held != m_keysDown.end()) m_keysDown.erase(held);
  XTestFakeKeyEvent(m_display, unsigned(code), down, CurrentTime);
}

void XTestDriver::Type(char32_t ch) {
  const KeySym sym = SymbolFor(ch);
  if (!sym) return;
  int code = XKeysymToKeycode(m_display, sym);
  bool shift = false;
  if (code && XkbKeycodeToKeysym(m_display, KeyCode(code), 0, 0) != sym) {
    shift = XkbKeycodeToKeysym(m_display, KeyCode(code), 0, 1) == sym;
    if (!shift) code = 0;  // on a level this driver does not reach
  }
  if (!code) {
    KeySym both[2] = {sym, sym};
    XChangeKeyboardMapping(m_display, m_spareKey, 2, both, 1);
    code = m_spareKey;
  }
  if (shift) Key(XK_Shift_L, true);
  XTestFakeKeyEvent(m_display, unsigned(code), True, CurrentTime);
  XTestFakeKeyEvent(m_display, unsigned(code), False, CurrentTime);
  if (shift) Key(XK_Shift_L, false);
}

void XTestDriver::ReleaseAll() {
  for (const unsigned button : m_buttonsDown)
    XTestFakeButtonEvent(m_display, button, False, CurrentTime);
  for (const int code : m_keysDown)
    XTestFakeKeyEvent(m_display, unsigned(code), False, CurrentTime);
  m_buttonsDown.clear();
  m_keysDown.clear();
}

// ---- focus and size

void XTestDriver::FocusElsewhere() {
  XSetInputFocus(m_display, m_decoy, RevertToPointerRoot, CurrentTime);
}

void XTestDriver::FocusTarget() {
  XSetInputFocus(m_display, m_target, RevertToPointerRoot, CurrentTime);
}

void XTestDriver::Resize(int width, int height) {
  XResizeWindow(m_display, m_target, unsigned(width), unsigned(height));
}

// ---- reading the window

XTestDriver::Place XTestDriver::Where() const {
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(m_display, m_target, &attributes)) return {};
  Window child = 0;
  Place place{0, 0, attributes.width, attributes.height};
  XTranslateCoordinates(m_display, m_target, DefaultRootWindow(m_display), 0, 0, &place.x,
                        &place.y, &child);
  return place;
}

bool XTestDriver::Mapped() const {
  XWindowAttributes attributes{};
  return XGetWindowAttributes(m_display, m_target, &attributes) &&
         attributes.map_state == IsViewable;
}

std::vector<uint32_t> XTestDriver::Picture(const Place& place) const {
  const int width = std::min(place.width, m_rootWidth - place.x);
  const int height = std::min(place.height, m_rootHeight - place.y);
  std::vector<uint32_t> pixels(std::size_t(std::max(0, place.width)) *
                               std::size_t(std::max(0, place.height)));
  if (width <= 0 || height <= 0 || place.x < 0 || place.y < 0) return pixels;
  XImage* image = XGetImage(m_display, m_target, 0, 0, unsigned(width), unsigned(height),
                            AllPlanes, ZPixmap);
  if (!image) return pixels;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      pixels[std::size_t(y) * std::size_t(place.width) + std::size_t(x)] =
          uint32_t(XGetPixel(image, x, y) & 0xFFFFFF);
  XDestroyImage(image);
  return pixels;
}

// ---- marks and errors

void XTestDriver::Mark(long serial) {
  XEvent event{};
  event.xclient.type = ClientMessage;
  event.xclient.window = m_target;
  event.xclient.message_type = m_markAtom;
  event.xclient.format = 32;
  event.xclient.data.l[0] = serial;
  XSendEvent(m_display, m_target, False, NoEventMask, &event);
  XFlush(m_display);
}

int XTestDriver::Watch(void* self, SDL_Event* event) {
  auto* driver = static_cast<XTestDriver*>(self);
  if (event->type != SDL_SYSWMEVENT || event->syswm.msg->subsystem != SDL_SYSWM_X11) return 1;
  const XEvent& x = event->syswm.msg->msg.x11.event;
  if (x.type == ClientMessage && x.xclient.message_type == driver->m_markAtom)
    driver->m_answered = x.xclient.data.l[0];
  return 1;
}

std::string XTestDriver::TakeError() {
  XSync(m_display, False);
  return std::exchange(g_lastError, std::string());
}

}  // namespace soak
