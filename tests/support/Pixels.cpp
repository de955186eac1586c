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

// One row of the bitmap through GetDIBits, so reads ignore the DC's origin and clip.
std::vector<COLORREF> ReadRow(HDC dc, HBITMAP bitmap, int width, int height, int y) {
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  std::vector<RGBQUAD> row(static_cast<std::size_t>(width));
  std::vector<COLORREF> out;
  if (GetDIBits(dc, bitmap, static_cast<UINT>(y), 1, row.data(), &info, DIB_RGB_COLORS) != 1)
    return out;
  for (const RGBQUAD& q : row) out.push_back(RGB(q.rgbRed, q.rgbGreen, q.rgbBlue));
  return out;
}

}  // namespace

COLORREF Canvas::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
  const auto row = ReadRow(m_dc, m_bitmap, m_width, m_height, y);
  return row.empty() ? CLR_INVALID : row[static_cast<std::size_t>(x)];
}

COLORREF BitmapPixel(HBITMAP bitmap, int x, int y) {
  BITMAP bm{};
  if (!GetObjectW(bitmap, sizeof bm, &bm) || x < 0 || y < 0 || x >= bm.bmWidth || y >= bm.bmHeight)
    return CLR_INVALID;
  HDC dc = CreateCompatibleDC(nullptr);
  const auto row = ReadRow(dc, bitmap, bm.bmWidth, bm.bmHeight, y);
  DeleteDC(dc);
  return row.empty() ? CLR_INVALID : row[static_cast<std::size_t>(x)];
}

int Canvas::Count(COLORREF color, const RECT& rect) const {
  int n = 0;
  for (int y = std::max(0, int(rect.top)); y < std::min(m_height, int(rect.bottom)); ++y) {
    const auto row = ReadRow(m_dc, m_bitmap, m_width, m_height, y);
    for (int x = std::max(0, int(rect.left)); x < std::min(m_width, int(rect.right)); ++x)
      n += row[static_cast<std::size_t>(x)] == color;
  }
  return n;
}

platform::Surface ScreenPart(platform::headless::HeadlessScreen& screen, const RECT& rect) {
  screen.PumpUntilIdle();
  const platform::Surface& shown = screen.Composed();
  const int left = std::max(0, int(rect.left)), top = std::max(0, int(rect.top));
  const int right = std::min(shown.Width(), int(rect.right));
  const int bottom = std::min(shown.Height(), int(rect.bottom));
  platform::Surface part;
  if (right > left && bottom > top && part.Allocate(right - left, bottom - top))
    for (int y = top; y < bottom; ++y)
      std::copy(shown.Row(y) + left, shown.Row(y) + right, part.Row(y - top));
  return part;
}

std::vector<COLORREF> Colors(const platform::Surface& picture) {
  std::vector<COLORREF> out;
  for (int y = 0; y < picture.Height(); ++y)
    for (int x = 0; x < picture.Width(); ++x)
      out.push_back(platform::ColorFromPixel(picture.Row(y)[x]));
  return out;
}

}  // namespace trellis::test
