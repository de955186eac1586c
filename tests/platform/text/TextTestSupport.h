// Fonts and ink read-back shared by the text tests.
#pragma once

#include <algorithm>
#include <cwchar>

#include "platform/win32/WinUser.h"
#include "tests/support/Pixels.h"

namespace trellis::test {

struct FontRequest {
  const wchar_t* face = L"Tahoma";
  LONG height = -12;
  LONG weight = FW_NORMAL;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

inline LOGFONTW LogFont(const FontRequest& request) {
  LOGFONTW lf{};
  lf.lfHeight = request.height;
  lf.lfWeight = request.weight;
  lf.lfItalic = request.italic;
  lf.lfUnderline = request.underline;
  lf.lfStrikeOut = request.strikeOut;
  lf.lfCharSet = DEFAULT_CHARSET;
  std::wcsncpy(lf.lfFaceName, request.face, LF_FACESIZE - 1);
  return lf;
}

// A font made from `request` and selected into `dc` for the life of the object.
class SelectedFont {
 public:
  SelectedFont(HDC dc, const FontRequest& request = {}) : m_dc(dc) {
    const LOGFONTW lf = LogFont(request);
    m_font = CreateFontIndirectW(&lf);
    m_old = SelectObject(dc, m_font);
  }
  ~SelectedFont() {
    SelectObject(m_dc, m_old);
    DeleteObject(m_font);
  }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;
  HFONT font() const { return m_font; }

 private:
  HDC m_dc;
  HFONT m_font = nullptr;
  HGDIOBJ m_old = nullptr;
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

// The smallest rectangle (device coordinates) holding every pixel that is not `background`;
// empty when there is none.
inline RECT InkBounds(const Canvas& canvas, COLORREF background = RGB(255, 255, 255)) {
  RECT r{canvas.width(), canvas.height(), 0, 0};
  for (int y = 0; y < canvas.height(); ++y)
    for (int x = 0; x < canvas.width(); ++x) {
      if (canvas.At(x, y) == background) continue;
      r.left = std::min<LONG>(r.left, x);
      r.top = std::min<LONG>(r.top, y);
      r.right = std::max<LONG>(r.right, x + 1);
      r.bottom = std::max<LONG>(r.bottom, y + 1);
    }
  if (r.right <= r.left) r = {0, 0, 0, 0};
  return r;
}

inline int InkCount(const Canvas& canvas, const RECT& rect,
                    COLORREF background = RGB(255, 255, 255)) {
  const int area = (rect.right - rect.left) * (rect.bottom - rect.top);
  return area - canvas.Count(background, rect);
}

}  // namespace trellis::test
