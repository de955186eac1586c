// Fonts and ink read-back shared by the text tests.
#pragma once

#include <algorithm>
#include <array>
#include <cwchar>

#include "platform/win32/WinUser.h"
#include "tests/support/Pixels.h"

namespace trellis::test {

struct FontRequest {
  const wchar_t* face = L"Tahoma";
  LONG height = -12;
  LONG weight = FW_NORMAL;
  BYTE italic = FALSE, underline = FALSE, strikeOut = FALSE;
};

inline LOGFONTW LogFont(const FontRequest& r) {
  LOGFONTW lf{r.height, 0, 0, 0, r.weight, r.italic, r.underline, r.strikeOut, DEFAULT_CHARSET,
              0, 0, 0, 0, {}};
  std::wcsncpy(lf.lfFaceName, r.face, LF_FACESIZE - 1);
  return lf;
}

// A font made from `request` and selected into `dc` for the life of the object.
class SelectedFont {
 public:
  SelectedFont(HDC dc, const FontRequest& request = {})
      : m_dc(dc), m_font(CreateFontIndirectW(std::array{LogFont(request)}.data())),
        m_old(SelectObject(dc, m_font)) {}
  ~SelectedFont() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_font);
  }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

 private:
  HDC m_dc;
  HFONT m_font;
  HGDIOBJ m_old;
};

inline SIZE Extent(HDC dc, const wchar_t* text) {
  SIZE size{-1, -1};
  GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)), &size);
  return size;
}

inline TEXTMETRICW Metrics(HDC dc) {
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  return tm;
}

// The smallest rectangle (device coordinates) holding every pixel that is not white; empty when
// there is none.
inline RECT InkBounds(const Canvas& canvas) {
  RECT r{canvas.width(), canvas.height(), 0, 0};
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x)
      if (canvas.At(x, y) != RGB(255, 255, 255))
        r = {std::min<LONG>(r.left, x), std::min<LONG>(r.top, y), std::max<LONG>(r.right, x + 1),
             std::max<LONG>(r.bottom, y + 1)};
  return r.right <= r.left ? RECT{0, 0, 0, 0} : r;
}

inline int InkCount(const Canvas& canvas, const RECT& rect) {
  return (rect.right - rect.left) * (rect.bottom - rect.top) - canvas.Count(RGB(255, 255, 255), rect);
}

}  // namespace trellis::test
