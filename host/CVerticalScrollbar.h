/// @class CVerticalScrollbar
/// The framework's vertical scroll bar element. It draws a track and a thumb (and arrow buttons
/// in the boxed style), scrolls by line, page and thumb drag, repeats while an arrow or the track
/// is held, and reports each new first row to its parent as message 0x540 with wParam 1. Its
/// arrows, track halves and thumb are parts of the shared press machine, which keeps the hover,
/// the held part and the repeat.
#pragma once

/// @file
/// The scroll bar element, the message it reports with and its style bits.

#include "host/CElementControl.h"
#include "host/ScrollGeometry.h"

/// The report a scroll bar sends to its parent's OnControlMessage when the user moved it.
constexpr UINT WM_ELEMENT_VSCROLL = 0x540;
/// The report's wParam: its lParam is the new first row.
constexpr WPARAM VSCROLL_REPORT_FIRST_ROW = 1;

/// InitVScrollBar style bits.
constexpr int VSCROLL_STYLE_ARROWS = 0x1;  ///< arrow buttons at both ends
constexpr int VSCROLL_STYLE_FRAME = 0x2;   ///< a frame around the track

class CVerticalScrollbar : public CElementControl {
 public:
  ///@{
  /// A bar of no rows whose arrows and track repeat while held; a copy has the same rows,
  /// page, style and first row, but no place in the tree.
  CVerticalScrollbar();
  CVerticalScrollbar(const CVerticalScrollbar&) = default;
  CVerticalScrollbar& operator=(const CVerticalScrollbar&) = default;
  ~CVerticalScrollbar() override = default;
  ///@}

  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override;
  /// The look: VSCROLL_STYLE_* bits (0: a plain track and thumb). Repaints.
  void InitVScrollBar(int style);
  /// The width the bar asks its parent for.
  void SetWidth(int width);
  /// The width SetWidth set, at least 1.
  int GetWidth() const { return m_nWidth; }
  ///@{
  /// The rows scrolled through and the rows a page shows (negative values count as 0); the
  /// first row is pulled back into the new range, without reporting. Repaints.
  void SetRowNumber(int rows);
  void SetPageSize(int page);
  ///@}
  /// Moves the thumb to show `first` as the first row, without reporting.
  void UpdateThumbPos(int first);
  /// The row the thumb shows first: 0 to rows - page.
  int GetFirstRow() const { return m_nFirst; }

  /// A scroll bar whose value is the first row shown and whose description is the range of
  /// first rows ("0-12": from none scrolled to the last page shown).
  void DescribeAccessible(platform::AccessibleFacts& facts) const override;

 protected:
  int OnPaint(CPaintDC* dc) override;
  int OnLButtonDown(POINT pt) override;
  int OnLButtonUp(POINT pt) override;
  int OnMouseMove(int x, int y, DWORD flags) override;
  int OnMouseLeave() override;
  int OnMouseWheel(UINT flags, int delta, POINT pt) override;
  int OnTimer(DWORD id) override;
  int OnEnable() override;
  PressPart PressPartAt(POINT pt) const override;

 private:
  /// The bar's parts, as the press machine names them.
  static constexpr PressPart kUpArrow = 1;
  static constexpr PressPart kDownArrow = 2;
  static constexpr PressPart kPageUp = 3;
  static constexpr PressPart kPageDown = 4;
  static constexpr PressPart kThumb = 5;
  /// The track of a bar with nothing to scroll: a press there holds the bar and does nothing.
  static constexpr PressPart kIdleTrack = 6;
  /// The theme's colours into the colour table.
  void LoadDefaultColors();
  ScrollGeometry Geometry() const;
  CRect ThumbRect() const;
  /// Scrolls by whole rows from the held part; reports when the first row changes.
  void Step(PressPart part);
  void ScrollTo(int first);
  /// Starts or stops the repeat timer as a press step asks.
  void FollowRepeat(const PressStep& step);
  int ArrowSize() const;

  /// A quick second click arrives as a press, since the bar takes no double clicks.
  static constexpr UINT kMessages[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE, WM_MOUSEWHEEL,
                                       WM_TIMER};
  static constexpr int kWheelRows = 3;
  static constexpr DWORD kRepeatTimer = 1;
  static constexpr UINT kRepeatDelay = 400;
  static constexpr UINT kRepeatRate = 60;

  int m_nStyle = 0;
  int m_nWidth = 9;
  int m_nRows = 0;
  int m_nPage = 0;
  int m_nFirst = 0;
  int m_nDragOffset = 0;  ///< pointer y minus thumb top when the drag began
};
