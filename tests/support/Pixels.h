// A memory DC over a fresh bitmap, for tests that draw and read pixels back.
#pragma once

#include <vector>

#include "platform/backend/headless/HeadlessScreen.h"
#include "platform/win32/WinUser.h"

namespace trellis::test {

class Canvas {
 public:
  Canvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC dc() const { return m_dc; }
  HBITMAP bitmap() const { return m_bitmap; }
  int width() const { return m_width; }
  int height() const { return m_height; }
  // The pixel at device coordinates, whatever origin or clip the DC has now.
  COLORREF At(int x, int y) const;
  // How many pixels of `rect` (device coordinates) have this colour.
  int Count(COLORREF color, const RECT& rect) const;
  int Count(COLORREF color) const { return Count(color, {0, 0, m_width, m_height}); }

 private:
  int m_width;
  int m_height;
  HDC m_dc = nullptr;
  HBITMAP m_bitmap = nullptr;
  HGDIOBJ m_oldBitmap = nullptr;
};

// The pixel of a bitmap (selected into a DC or not); CLR_INVALID outside it or for a bad handle.
COLORREF BitmapPixel(HBITMAP bitmap, int x, int y);

// What the screen shows in a rectangle of screen coordinates (clipped to the screen), once
// everything pending is painted.
platform::Surface ScreenPart(platform::headless::HeadlessScreen& screen, const RECT& rect);
// The colours of a picture, row by row.
std::vector<COLORREF> Colors(const platform::Surface& picture);

}  // namespace trellis::test
