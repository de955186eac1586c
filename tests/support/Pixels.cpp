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

// One row of a bitmap through GetDIBits, so reads ignore any DC's origin and clip; empty
// outside the bitmap or for a bad handle.
std::vector<COLORREF> ReadRow(HBITMAP bitmap, int y) {
  BITMAP bm{};
  if (!GetObjectW(bitmap, sizeof bm, &bm) || y < 0 || y >= bm.bmHeight) return {};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), bm.bmWidth, -bm.bmHeight, 1, 32, BI_RGB,
                    0, 0, 0, 0, 0};
  std::vector<RGBQUAD> row(static_cast<std::size_t>(bm.bmWidth));
  HDC dc = CreateCompatibleDC(nullptr);
  if (GetDIBits(dc, bitmap, static_cast<UINT>(y), 1, row.data(), &info, DIB_RGB_COLORS) != 1)
    row.clear();
  DeleteDC(dc);
  std::vector<COLORREF> out;
  for (const RGBQUAD& q : row) out.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
  return out;
}

}  // namespace

COLORREF Canvas::At(int x, int y) const { return BitmapPixel(m_bitmap, x, y); }

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
  const auto row = ReadRow(bitmap, y);
  return x >= 0 && std::size_t(x) < row.size() ? row[std::size_t(x)] : CLR_INVALID;
}

int Canvas::Count(COLORREF color, const RECT& rect) const {
  int n = 0;
  for (int y = std::max(0, int(rect.top)); y < std::min(m_height, int(rect.bottom)); ++y) {
    const auto row = ReadRow(m_bitmap, y);
    for (int x = std::max(0, int(rect.left)); x < std::min(m_width, int(rect.right)); ++x)
      n += row[static_cast<std::size_t>(x)] == color;
  }
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
