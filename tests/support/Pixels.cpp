#include "tests/support/Pixels.h"

#include <algorithm>
#include <vector>

namespace trellis::test {

Canvas::Canvas(int width, int height, COLORREF fill) : m_width(width), m_height(height) {
  m_dc = CreateCompatibleDC(nullptr);
  m_bitmap = CreateCompatibleBitmap(m_dc, width, height);
  m_oldBitmap = SelectObject(m_dc, m_bitmap);
  HBRUSH brush = CreateSolidBrush(fill);
  const RECT all{0, 0, width, height};
  FillRect(m_dc, &all, brush);
  DeleteObject(brush);
}

Canvas::~Canvas() {
  SelectObject(m_dc, m_oldBitmap);
  DeleteObject(m_bitmap);
  DeleteDC(m_dc);
}

namespace {

// Rows [y, y + count) of a bitmap through GetDIBits, end to end, so reads ignore any DC's
// origin and clip; empty outside the bitmap or for a bad handle.
std::vector<COLORREF> ReadRows(HBITMAP bitmap, int y, int count) {
  BITMAP bm{};
  if (!GetObjectW(bitmap, sizeof bm, &bm) || y < 0 || count <= 0 || y + count > bm.bmHeight)
    return {};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB,
                    0, 0, 0, 0, 0};
  std::vector<RGBQUAD> rows(std::size_t(bm.bmWidth) * std::size_t(count));
  HDC dc = CreateCompatibleDC(nullptr);
  if (GetDIBits(dc, bitmap, UINT(y), UINT(count), rows.data(), &info, DIB_RGB_COLORS) != count)
    rows.clear();
  DeleteDC(dc);
  std::vector<COLORREF> out;
  out.reserve(rows.size());
  for (const RGBQUAD& q : rows) out.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
  return out;
}

}  // namespace

COLORREF Canvas::At(int x, int y) const { return BitmapPixel(m_bitmap, x, y); }

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
  const auto row = ReadRows(bitmap, y, 1);
  return x >= 0 && std::size_t(x) < row.size() ? row[std::size_t(x)] : CLR_INVALID;
}

int Canvas::Count(COLORREF color, const RECT& rect) const {
  const int top = std::max(0, int(rect.top)), bottom = std::min(m_height, int(rect.bottom));
  const auto rows = ReadRows(m_bitmap, top, bottom - top);
  int n = 0;
  for (int y = 0; y < bottom - top; ++y)
    for (int x = std::max(0, int(rect.left)); x < std::min(m_width, int(rect.right)); ++x)
      n += rows[std::size_t(y) * std::size_t(m_width) + std::size_t(x)] == color;
  return n;
}

platform::Surface ScreenPart(platform::headless::HeadlessScreen& screen, const RECT& rect) {
  screen.PumpUntilIdle();
  const platform::Surface& shown = screen.Composed();
  const RECT bounds = shown.Bounds();
  RECT r;
  platform::Surface part;
  if (IntersectRect(&r, &rect, &bounds) && part.Allocate(r.right - r.left, r.bottom - r.top))
    for (int y = r.top; y < r.bottom; ++y)
      std::copy(shown.Row(y) + r.left, shown.Row(y) + r.right, part.Row(y - r.top));
  return part;
}

std::vector<COLORREF> Colors(const platform::Surface& picture) {
  std::vector<COLORREF> out(std::size_t(picture.Width()) * std::size_t(picture.Height()));
  // The rows lie end to end.
  std::transform(picture.Row(0), picture.Row(0) + out.size(), out.begin(),
                 platform::ColorFromPixel);
  return out;
}

}  // namespace trellis::test
