// The scroll bar's painting: the track, the two arrows with their triangles, and the thumb at
// the position shown (the dragged one while a drag lasts).
#include <algorithm>

#include "platform/controls/ControlPaint.h"
#include "platform/controls/ScrollBarControl.h"

namespace platform {

namespace {

using namespace control_colors;

constexpr int kThumbInset = 2;  // pixels between the thumb and the bar's long edges

}  // namespace

RECT ScrollBarControl::Span(int start, int end) const {
  RECT client{};
  GetClientRect(m_hwnd, &client);
  return Vertical() ? RECT{0, start, client.right, end} : RECT{start, 0, end, client.bottom};
}

void ScrollBarControl::OnPaint() {
  PAINTSTRUCT ps{};
  const HDC hdc = BeginPaint(m_hwnd, &ps);
  if (!hdc) return;
  const bool enabled = PartEnabled(ScrollPart::Thumb);
  const ScrollBarLayout layout = Layout();
  RECT client{};
  GetClientRect(m_hwnd, &client);
  FillColor(hdc, client, kScrollTrack);

  if (layout.HasThumb() && enabled) {
    const int start = m_pressed == ScrollPart::Thumb ? layout.ThumbStartFor(m_trackPos)
                                                     : layout.thumbStart;
    const int end = start + layout.thumbLength;
    if (PressedAndOver(ScrollPart::PageUp))
      FillColor(hdc, Span(layout.trackStart, start), kScrollTrackPressed);
    if (PressedAndOver(ScrollPart::PageDown))
      FillColor(hdc, Span(end, layout.trackEnd), kScrollTrackPressed);
    RECT thumb = Span(start, end);
    if (Vertical()) InflateRect(&thumb, -kThumbInset, 0);
    else InflateRect(&thumb, 0, -kThumbInset);
    FillColor(hdc, thumb, m_pressed == ScrollPart::Thumb ? kScrollThumbPressed : kScrollThumb);
  }
  if (layout.arrow > 0) {
    PaintArrow(hdc, Span(0, layout.trackStart), true, PressedAndOver(ScrollPart::LineUp),
               PartEnabled(ScrollPart::LineUp));
    PaintArrow(hdc, Span(layout.trackEnd, layout.trackEnd + layout.arrow), false,
               PressedAndOver(ScrollPart::LineDown), PartEnabled(ScrollPart::LineDown));
  }
  EndPaint(m_hwnd, &ps);
}

void ScrollBarControl::PaintArrow(HDC hdc, const RECT& rect, bool towardsStart, bool pressed,
                                  bool enabled) const {
  FillColor(hdc, rect, pressed ? kScrollArrowPressed : kScrollTrack);
  // A triangle of `rows` lines, one pixel wider on each side per line, centred in the arrow.
  const bool vertical = Vertical();
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const int rows = std::max(1, std::min(width, height) / 4);
  const int cx = rect.left + width / 2, cy = rect.top + height / 2;
  const COLORREF glyph = enabled ? kScrollGlyph : kScrollGlyphDisabled;
  for (int i = 0; i < rows; ++i) {
    // Line i counted from the tip.
    const int offset = (towardsStart ? i : rows - 1 - i) - rows / 2;
    const RECT line = vertical ? RECT{cx - i, cy + offset, cx + i + 1, cy + offset + 1}
                               : RECT{cx + offset, cy - i, cx + offset + 1, cy + i + 1};
    FillColor(hdc, line, glyph);
  }
}

}  // namespace platform
