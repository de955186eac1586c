// Debug builds: a handler an element overrides for a message it never registered can never run.
// Such a mistake fails silently (the element just ignores the input), so it is said out loud.
//
// Telling an override from the framework's own handler needs the address a virtual call would
// reach, which GCC gives for a bound member function; other compilers and release builds skip
// the check.
#include <cstdio>

#include "host/CElementControl.h"

#if !defined(NDEBUG) && defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wpmf-conversions"

namespace {

using Address = void (*)();

struct HandlerSlot {
  UINT msg;
  const char* name;
  Address (*resolve)(CElementContainer&);
};

template <auto Handler>
Address Resolve(CElementContainer& e) {
  return (Address)(e.*Handler);
}

#define TRELLIS_SLOT(msg, handler) {msg, #handler, &Resolve<&CElementContainer::handler>}
constexpr HandlerSlot kSlots[] = {
    TRELLIS_SLOT(WM_PAINT, OnPaint),
    TRELLIS_SLOT(WM_ERASEBKGND, OnEraseBackground),
    TRELLIS_SLOT(WM_LBUTTONDOWN, OnLButtonDown),
    TRELLIS_SLOT(WM_LBUTTONUP, OnLButtonUp),
    TRELLIS_SLOT(WM_RBUTTONDOWN, OnRButtonDown),
    TRELLIS_SLOT(WM_RBUTTONUP, OnRButtonUp),
    TRELLIS_SLOT(WM_LBUTTONDBLCLK, OnDBClick),
    TRELLIS_SLOT(WM_MOUSEWHEEL, OnMouseWheel),
    TRELLIS_SLOT(WM_SIZE, OnSize),
    TRELLIS_SLOT(WM_KEYDOWN, OnKeyDown),
    TRELLIS_SLOT(WM_KEYUP, OnKeyUp),
    TRELLIS_SLOT(WM_CHAR, OnChar),
    TRELLIS_SLOT(WM_MOUSEMOVE, OnMouseMove),
    TRELLIS_SLOT(WM_MOUSELEAVE, OnMouseLeave),
    TRELLIS_SLOT(WM_SETFOCUS, OnSetFocus),
    TRELLIS_SLOT(WM_SETCURSOR, OnSetCursor),
};
#undef TRELLIS_SLOT

// The framework's own handlers: the element's defaults and the plain control's.
bool IsFrameworkHandler(const HandlerSlot& slot, Address address) {
  static CElementContainer element;
  static CElementControl control;
  return address == slot.resolve(element) || address == slot.resolve(control);
}

}  // namespace

void CElementContainer::ReportUnregisteredHandlers() const {
  auto& self = const_cast<CElementContainer&>(*this);
  for (const HandlerSlot& slot : kSlots) {
    if (IsRegistered(slot.msg) || m_setOptionalMessages.count(slot.msg) ||
        IsFrameworkHandler(slot, slot.resolve(self)))
      continue;
    std::fprintf(stderr, "trellis: element \"%ls\" overrides %s but never registered 0x%04X\n",
                 self.GetName() ? self.GetName() : L"", slot.name, slot.msg);
  }
}

#else

void CElementContainer::ReportUnregisteredHandlers() const {}

#endif
