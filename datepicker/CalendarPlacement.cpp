#include "datepicker/CalendarPlacement.h"

RECT CalendarStartRect(const RECT& pickerOnScreen, SIZE screen) {
  const LONG w = pickerOnScreen.right - pickerOnScreen.left;
  const LONG h = pickerOnScreen.bottom - pickerOnScreen.top;
  const LONG x0 = pickerOnScreen.left, y0 = pickerOnScreen.bottom;
  RECT r{x0, y0, x0 + w, y0 + h};
  if (r.left < 0) r = {0, r.top, w, r.bottom};
  if (r.top < 0) r = {r.left, 0, r.right, h};
  if (x0 + w > screen.cx) r = {screen.cx - w, r.top, screen.cx, r.bottom};
  if (y0 + h > screen.cy) r = {r.left, screen.cy - h, r.right, screen.cy};
  return r;
}

RECT PlaceCalendar(const RECT& pickerOnScreen, SIZE calendar, SIZE screen) {
  RECT r = CalendarStartRect(pickerOnScreen, screen);
  if (r.right - calendar.cx >= 0) r.left = r.right - calendar.cx;
  else r.right = r.left + calendar.cx;
  if (r.top + calendar.cy <= screen.cy) {
    r.bottom = r.top + calendar.cy;
  } else {
    // Flip above. The start rectangle's height back up would be the picker's top edge, unless
    // the start was pulled up onto the screen: then it would leave a gap.
    r.bottom = pickerOnScreen.top;
    r.top = r.bottom - calendar.cy;
  }
  return r;
}
