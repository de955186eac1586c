// The live gallery: the board in a window of its own, the board's full size, moved inside a
// view that fills the screen, with a scroll bar on the right while the screen is shorter than
// the board and one along the foot while it is narrower. The view follows the screen's size
// (WM_DISPLAYCHANGE), so the user can resize the OS window; the wheel scrolls (sideways with
// Shift) wherever no control takes it, and a key that moves the focus to a control out of
// view scrolls the board to it.
#pragma once

#include <memory>

#include "apps/gallery/GalleryBoard.h"
#include "host/CElementHostWnd.h"
#include "host/CVerticalScrollbar.h"
#include "platform/mfc/CScrollBar.h"

class GalleryWindow {
 public:
  // Builds every page on the current desktop, in a viewport the size of its screen.
  explicit GalleryWindow(int boardWidth);
  ~GalleryWindow();
  GalleryWindow(const GalleryWindow&) = delete;
  GalleryWindow& operator=(const GalleryWindow&) = delete;

  // How far the board is scrolled, in pixels from its top and from its left edge.
  int ScrollOffset() const { return m_nOffset; }
  int SideOffset() const { return m_nSideOffset; }
  void ScrollTo(int offset);
  void ScrollSidewaysTo(int offset);
  const GalleryBoard& Board() const { return *m_board; }
  CElementHostWnd& BoardWindow();
  // The part of the screen the board shows through: everything but the scroll bars.
  CElementHostWnd& View() { return m_view; }
  CVerticalScrollbar& ScrollBar() { return m_bar; }
  CScrollBar& SideBar() { return m_sideBar; }

  static constexpr int kBarWidth = 14;
  // The scroll bar counts in rows of this many pixels; a wheel notch moves three.
  static constexpr int kRowPixels = 20;
  static constexpr int kWheelRows = 3;

 private:
  class Viewport;
  class BarColumn;
  class BoardHost;

  // Places the scroll bars, the view and the board for the viewport's size.
  void Layout();
  // Moves the board window to the offsets and the bars' thumbs with it.
  void PlaceBoard();
  // Scrolls the least that brings a rectangle of the board, with a margin, into view.
  void Reveal(const CRect& place);

  std::unique_ptr<Viewport> m_viewport;
  std::unique_ptr<BarColumn> m_column;
  CVerticalScrollbar m_bar;
  CScrollBar m_sideBar;
  CElementHostWnd m_view;
  std::unique_ptr<BoardHost> m_boardWnd;
  std::unique_ptr<GalleryBoard> m_board;  // goes first: its elements leave before the windows
  CSize m_room;  // the view's size
  int m_nOffset = 0;
  int m_nSideOffset = 0;
};
