/// @class CSkinScroll
/// The drop window's vertical scroll bar: a platform scroll bar window that keeps its own range,
/// page and position, paints itself from four bitmaps of the library (up arrow, down arrow,
/// thumb, track) and reports each user action to its parent with WM_VSCROLL (WM_HSCROLL for a
/// bar without SBS_VERT) while moving its own thumb, so the parent only scrolls its content and
/// feeds a changed range back through UpdateScrollInfo.
///
/// @code{.unparsed}
///  event                     request to the parent          own position
///  press on an arrow         SB_LINEUP / SB_LINEDOWN        one line; again every
///                                                           kRepeatElapse ms while the
///                                                           pointer stays on the arrow
///  press above/below thumb   SB_PAGEUP / SB_PAGEDOWN        one page
///  drag of the thumb         SB_THUMBTRACK, new position    follows the pointer
///  release                   none                           repeat and drag end
///  double click              none (the second press is swallowed)
/// @endcode
/// Positions stay within minimum..maximum - page + 1 whatever the input; an empty range, a track
/// with no room and a page larger than the range are never divided by.
///
/// The arrows, the track above and below the thumb and the thumb are parts of the shared press
/// machine (host/PressMachine.h): it keeps the pressed part, the capture and the arrows' repeat.
#pragma once

#include "host/PressMachine.h"
#include "platform/mfc/CDC.h"
#include "platform/mfc/CScrollBar.h"

class CSkinScroll : public CScrollBar {
 public:
  /// The window timer that repeats a held arrow or track press.
  static constexpr UINT_PTR kRepeatTimer = 256;
  static constexpr UINT kRepeatElapse = 100;  ///< ms, to the first repeat and between repeats

  /// No window until it is created, as a child of the window it scrolls.
  CSkinScroll() = default;
  /// Frees the bar's bitmaps.
  ~CSkinScroll() override;

  /// Sets range, page and position as the mask says, clamped as the platform clamps a scroll
  /// bar's, lays the bar out and repaints it (`redraw` is not consulted: it always repaints).
  /// 0 for a null record, else 1.
  int UpdateScrollInfo(SCROLLINFO* info, BOOL redraw);
  /// Moves the position a line or a page up or down (0 to 3, as SB_LINEUP to SB_PAGEDOWN;
  /// anything else only re-clamps and repaints) and returns the new position.
  int ScrollBy(int action);
  /// Lays out the arrows and the track when the mask names both page and range, and the thumb
  /// always. 0 for a null record.
  int RecalcLayout(SCROLLINFO* info);
  /// Loads the four bitmaps of a vertical bar from the library's resources. Returns 1.
  int LoadSkinBitmaps();
  /// Draws the up and down arrows. Returns 1.
  int DrawArrows(CDC* dc);

  ///@{
  /// The layout, in client coordinates, for the owner and tests.
  const CRect& GetUpRect() const { return m_rcUp; }
  const CRect& GetDownRect() const { return m_rcDown; }
  const CRect& GetThumbRect() const { return m_rcThumb; }
  const CRect& GetTrackRect() const { return m_rcTrack; }
  ///@}

 protected:
  /// Answers SBM_SETSCROLLINFO and SBM_GETSCROLLINFO from the stored state and swallows
  /// WM_LBUTTONDBLCLK; everything else takes the usual way.
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  ///@{
  /// The window's messages, as the table above says: the bar loads its bitmaps when created,
  /// lays out on a new size, and runs presses, drags and repeats through the press machine,
  /// reporting each move to its parent as WM_VSCROLL.
  int OnCreate(LPCREATESTRUCT cs) override;
  void OnPaint() override;
  void OnSize(UINT type, int cx, int cy) override;
  void OnLButtonDown(UINT flags, CPoint point) override;
  void OnLButtonUp(UINT flags, CPoint point) override;
  void OnMouseMove(UINT flags, CPoint point) override;
  void OnTimer(UINT_PTR id) override;
  ///@}

 private:
  /// The parts of the bar. Every point is one, so a press anywhere holds the pointer till its
  /// release.
  static constexpr PressPart kUpArrow = 1;
  static constexpr PressPart kDownArrow = 2;
  static constexpr PressPart kPageUp = 3;    ///< the track before the thumb
  static constexpr PressPart kPageDown = 4;  ///< the track after the thumb
  static constexpr PressPart kThumb = 5;
  /// Level with the thumb's leading edge but off it (a bar wider than its images, or one with
  /// no thumb): a press there moves nothing.
  static constexpr PressPart kBesideThumb = 6;

  /// Stores the fields a record names and keeps the whole consistent; false for a bad record.
  bool StoreScrollInfo(const SCROLLINFO* info);
  void SendScroll(WORD code, int pos = 0);
  int TrackLength() const;
  /// The part under a point in client coordinates.
  PressPart PartAt(CPoint point) const;
  /// Runs an input event through the press machine and carries out its capture and repeat
  /// requests. The bar's images show no hover or pushed look, so no part repaints for it; and a
  /// disabled bar gets no input to ignore, so the machine always sees it enabled.
  PressStep Press(PressEvent event, PressPart part = kNoPart, DWORD keys = 0);
  static bool IsArrow(PressPart part) { return part == kUpArrow || part == kDownArrow; }

  CBitmap* m_pBmpUp = nullptr;     ///< 23019, 14 x 14
  CBitmap* m_pBmpDown = nullptr;   ///< 23020, 14 x 14
  CBitmap* m_pBmpThumb = nullptr;  ///< 23021, 14 x 10
  CBitmap* m_pBmpTrack = nullptr;  ///< 23022, 14 x 1
  SCROLLINFO m_si{sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};  ///< min, max, page, pos
  int m_nThumbLength = 0;
  CPoint m_ptDragStart;
  CRect m_rcUp;
  CRect m_rcDown;
  CRect m_rcThumb;
  CRect m_rcTrack;
  int m_nDragStartPos = 0;
  int m_nTrackPos = 0;  ///< where the thumb is being dragged to (SIF_TRACKPOS while dragging)
  PressMachine m_press{PressPolicy{PressPolicy::Click::ReleaseInside, false, false, &IsArrow,
                                   kRepeatElapse, kRepeatElapse}};
};
