#include "host/OffscreenBuffers.h"

#include <algorithm>

OffscreenBuffers& OffscreenBuffers::Shared() {
  static OffscreenBuffers buffers;
  return buffers;
}

std::unique_ptr<CBitmap> OffscreenBuffers::Take(CDC* dc, int cx, int cy) {
  // The most recently kept first: the element that painted last is the likeliest to paint next.
  for (auto it = m_kept.rbegin(); it != m_kept.rend(); ++it) {
    if (it->cx != cx || it->cy != cy) continue;
    std::unique_ptr<CBitmap> bitmap = std::move(it->bitmap);
    m_bytes -= Bytes(cx, cy);
    m_kept.erase(std::next(it).base());
    return bitmap;
  }
  auto bitmap = std::make_unique<CBitmap>();
  if (!bitmap->CreateCompatibleBitmap(dc, cx, cy)) return nullptr;
  return bitmap;
}

void OffscreenBuffers::Give(std::unique_ptr<CBitmap> bitmap, int cx, int cy) {
  if (!bitmap || Bytes(cx, cy) > kMaxBytes) return;
  m_kept.push_back({std::move(bitmap), cx, cy});
  m_bytes += Bytes(cx, cy);
  std::size_t drop = 0;
  for (std::size_t bytes = m_bytes; m_kept.size() - drop > kMaxKept || bytes > kMaxBytes; ++drop)
    bytes -= Bytes(m_kept[drop].cx, m_kept[drop].cy);
  for (std::size_t k = 0; k < drop; ++k) m_bytes -= Bytes(m_kept[k].cx, m_kept[k].cy);
  m_kept.erase(m_kept.begin(), m_kept.begin() + std::ptrdiff_t(drop));
}

void OffscreenBuffers::Clear() {
  m_kept.clear();
  m_bytes = 0;
}
