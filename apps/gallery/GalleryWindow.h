// The live gallery: the board in a window of its own, as tall as the board, moved up and down
// inside a viewport that fills the screen, with a scroll bar on the right while the screen is
// shorter than the board. The viewport follows the screen's size (WM_DISPLAYCHANGE), so the
// user can resize the OS window; the wheel scrolls wherever no control takes it.
#pragma once

#include <memory>

#include "apps/gallery/GalleryBoard.h"
#include "host/CElementHostWnd.h"
#include "host/CVerticalScrollbar.h"

class GalleryWindow {
 public:
  // Builds every page on the current desktop, in a viewport the size of its screen.
  explicit GalleryWindow(int boardWidth);
  ~GalleryWindow();
  GalleryWindow(const GalleryWindow&) = delete;
  GalleryWindow& operator=(const GalleryWindow&) = delete;

  // How far the board is scrolled, in pixels from its top.
  int ScrollOffset() const { return m_nOffset; }
  void ScrollTo(int offset);
  const GalleryBoard& Board() const { return *m_board; }
  CElementHostWnd& BoardWindow() { return m_boardWnd; }
  CVerticalScrollbar& ScrollBar() { return m_bar; }

  static constexpr int kBarWidth = 14;
  // The scroll bar counts in rows of this many pixels; a wheel notch moves three.
  static constexpr int kRowPixels = 20;
  static constexpr int kWheelRows = 3;

 private:
  class Viewport;
  class BarColumn;

  // Places the scroll bar and the board for the viewport's size.
  void Layout();
  int MaxOffset() const;

  std::unique_ptr<Viewport> m_viewport;
  std::unique_ptr<BarColumn> m_column;
  CVerticalScrollbar m_bar;
  CElementHostWnd m_boardWnd;
  std::unique_ptr<GalleryBoard> m_board;  // goes first: its elements leave before the windows
  int m_nOffset = 0;
};
