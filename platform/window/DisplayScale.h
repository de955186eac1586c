// How many window pixels show one screen pixel, for a backend that presents the screen on a
// dense display. Programs keep drawing at 96 DPI, as the platform treats programs that do not
// declare themselves DPI-aware; the backend magnifies the picture and maps input back.
//
// The factor is kept in thousandths, so that every mapping is exact integer arithmetic: a
// window pixel maps to the screen pixel it shows, and a screen size maps to the smallest
// window that shows all of it, whose size maps back to the same screen size.
#pragma once

#include <optional>
#include <string_view>

#include "platform/win32/WinDef.h"

namespace platform {

class DisplayScale {
 public:
  static constexpr int kOne = 1000;         // thousandths in a factor of 1
  static constexpr int kSmallest = kOne;    // never shrinks: 96 DPI is the least we draw for
  static constexpr int kLargest = 4 * kOne;

  constexpr DisplayScale() = default;
  // A factor written as a decimal number ("2", "1.5"), rounded to thousandths; null when it is
  // not one or lies outside 1 to 4.
  static std::optional<DisplayScale> FromText(std::string_view text);
  // The factor for a display of `dpi` dots per inch, kept within 1 to 4.
  static DisplayScale FromDpi(double dpi);
  // Null outside kSmallest..kLargest.
  static std::optional<DisplayScale> FromThousandths(int thousandths);

  int Thousandths() const { return m_thousandths; }
  double Factor() const { return m_thousandths / double(kOne); }
  // Whole factors magnify by repeating pixels; the others smooth.
  bool IsWhole() const { return m_thousandths % kOne == 0; }

  // The screen pixel a window pixel shows (window pixels outside the window, as while a drag
  // goes on beyond it, map outside the screen the same way).
  POINT ToScreen(POINT window) const;
  // The screen a window of this client size shows: never empty.
  SIZE ScreenSize(int windowWidth, int windowHeight) const;
  // The smallest window showing a screen of this size.
  SIZE WindowSize(int screenWidth, int screenHeight) const;
  // The first window pixel that shows a screen pixel (the pixels that cover a screen pixel's
  // edge partly show its neighbour, so only the first is sure to map back to it).
  POINT ToWindow(POINT screen) const;
  // The window pixels that show a rectangle of the screen (an input method's candidate list is
  // placed beside what the program drew there).
  RECT ToWindow(const RECT& screen) const;

  friend bool operator==(DisplayScale, DisplayScale) = default;

 private:
  explicit constexpr DisplayScale(int thousandths) : m_thousandths(thousandths) {}

  int m_thousandths = kOne;
};

}  // namespace platform
