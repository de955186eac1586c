// DrawText: text laid out in a rectangle (TextLayout), then painted line by line; a plain single
// line, the most common text, is painted as it stands.
#include <algorithm>
#include <array>
#include <cwchar>

#include "platform/text/FontRegistry.h"
#include "platform/text/GlyphPainter.h"
#include "platform/text/TextLayout.h"
#include "platform/text/TextMeasure.h"
#include "platform/win32/WinUser.h"

using namespace platform;
using namespace platform::text;

namespace {

std::int64_t LineLeft(const RECT& rect, std::int64_t lineWidth, UINT format) {
  const std::int64_t width = std::int64_t(rect.right) - rect.left;
  if (format & DT_CENTER) return rect.left + (width - lineWidth) / 2;
  if (format & DT_RIGHT) return rect.right - lineWidth;
  return rect.left;
}

// DT_VCENTER and DT_BOTTOM place a single line only; more lines always start at the top.
std::int64_t TextTop(const RECT& rect, std::int64_t height, UINT format) {
  if (!(format & DT_SINGLELINE)) return rect.top;
  if (format & DT_VCENTER) return rect.top + (std::int64_t(rect.bottom) - rect.top - height) / 2;
  if (format & DT_BOTTOM) return std::int64_t(rect.bottom) - height;
  return rect.top;
}

// A painter clipped to the rectangle unless DT_NOCLIP.
GlyphPainter Painter(DeviceContext& dc, FontInstance& font, const RECT& rect, UINT format) {
  RECT clip = dc.DeviceClip();
  if (!(format & DT_NOCLIP)) IntersectInto(clip, dc.ToDeviceRect(rect));
  return GlyphPainter(dc, font, clip);
}

void PaintLines(DeviceContext& dc, FontInstance& font, const std::vector<TextLine>& lines,
                const RECT& rect, std::int64_t top, UINT format) {
  GlyphPainter painter = Painter(dc, font, rect, format);
  const int lineHeight = font.Metrics().height;
  // DT_HIDEPREFIX drops the underlines the prefixes ask for; DT_PREFIXONLY draws only them.
  const bool text = !(format & DT_PREFIXONLY), underlines = !(format & DT_HIDEPREFIX);
  std::int64_t y = top;
  for (const TextLine& line : lines) {
    const POINT origin = dc.ToDevice(ClampCoord(LineLeft(rect, line.width, format)), ClampCoord(y));
    if (text) painter.PaintRun(origin, {line.text.data(), line.text.size(), line.advances.data()});
    std::int64_t x = origin.x;
    std::size_t next = 0;
    for (std::size_t mark : line.marks) {
      for (; next < mark; ++next) x += line.advances[next];
      if (underlines) painter.Underline(x, origin.y, line.advances[mark]);
    }
    y += lineHeight;
  }
}

// A text that is one line drawn as it stands: a single line with no prefix to take out, no tab
// to expand and no ellipsis to put in, which is most text drawn, and short enough that its
// advances fit here. Such a text needs no layout, nor any of its allocations.
class PlainLine {
 public:
  static constexpr std::size_t kMostChars = 256;

  PlainLine(FontInstance& font, std::wstring_view text, UINT format, std::int64_t room) {
    if (!(format & DT_SINGLELINE) || text.size() > kMostChars) return;
    if (!(format & DT_NOPREFIX) && text.find(L'&') != std::wstring_view::npos) return;
    if ((format & DT_EXPANDTABS) && text.find(L'\t') != std::wstring_view::npos) return;
    std::int64_t width = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
      width += m_advances[i] = font.Advance(CodePoint(text[i]));
    if ((format & DT_END_ELLIPSIS) && width > room) return;
    m_width = width;
  }
  // False when the text needs the layout.
  bool Plain() const { return m_width >= 0; }
  std::int64_t Width() const { return m_width; }
  const int* Advances() const { return m_advances.data(); }

 private:
  std::int64_t m_width = -1;
  std::array<int, kMostChars> m_advances;
};

}  // namespace

int DrawTextW(HDC hdc, LPCWSTR text, int count, LPRECT rect, UINT format) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc || !text || !rect || count < -1) return 0;
  FontInstance& font = SelectedFont(*dc);
  // Nothing to lay out still succeeds, and success is never 0: the answer is one line's height.
  // A count of 0 leaves the rectangle alone; an empty string measures as no width, and as one
  // line's height only where one line was asked for.
  const int lineHeight = font.Metrics().height;
  if (count == 0) return lineHeight;
  const std::size_t length = count == -1 ? std::wcslen(text) : static_cast<std::size_t>(count);
  if (length == 0) {
    if (format & DT_CALCRECT) {
      rect->right = rect->left;
      rect->bottom = format & DT_SINGLELINE ? ClampCoord(std::int64_t(rect->top) + lineHeight)
                                            : rect->top;
    }
    return lineHeight;
  }
  const std::int64_t width = std::int64_t(rect->right) - rect->left;
  // Measuring reports the whole text: callers size a rectangle with it, often starting from an
  // empty one that any ellipsis would shrink the text into.
  const UINT layoutFormat = format & DT_CALCRECT ? format & ~DT_END_ELLIPSIS : format;
  const PlainLine plain(font, {text, length}, layoutFormat, width);
  const std::vector<TextLine> lines = plain.Plain()
                                          ? std::vector<TextLine>{}
                                          : LayoutText(font, {text, length}, layoutFormat, width);
  const std::int64_t height = (plain.Plain() ? 1 : std::int64_t(lines.size())) * lineHeight;
  const std::int64_t top = TextTop(*rect, height, format);
  // A single line placed with DT_VCENTER or DT_BOTTOM answers, measured or drawn, how far
  // below the rectangle's top the text ends, in the rectangle given; any other text its height.
  // A line ending on the top answers 1: 0 would read as a failure.
  const std::int64_t answer =
      (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM)) ? top - rect->top + height
                                                                      : height;
  if (format & DT_CALCRECT) {
    std::int64_t widest = std::max<std::int64_t>(plain.Width(), 0);
    for (const TextLine& line : lines) widest = std::max(widest, line.width);
    rect->right = ClampCoord(rect->left + widest);
    rect->bottom = ClampCoord(rect->top + height);
  } else if (plain.Plain()) {
    const POINT origin =
        dc->ToDevice(ClampCoord(LineLeft(*rect, plain.Width(), format)), ClampCoord(top));
    if (!(format & DT_PREFIXONLY))
      Painter(*dc, font, *rect, format).PaintRun(origin, {text, length, plain.Advances()});
  } else {
    PaintLines(*dc, font, lines, *rect, top, format);
  }
  return answer == 0 ? 1 : ClampCoord(answer);
}
