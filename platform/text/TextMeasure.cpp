// GetTextMetrics, GetTextExtentPoint and GetTextFace.
#include "platform/text/TextMeasure.h"

#include <algorithm>
#include <climits>

#include "platform/text/FontRegistry.h"

using namespace platform;
using namespace platform::text;

namespace {

// TEXTMETRIC pitch bits: the "fixed pitch" bit, oddly, marks a variable-pitch font.
constexpr BYTE TMPF_FIXED_PITCH = 0x01;
constexpr BYTE TMPF_VECTOR = 0x02;
constexpr BYTE TMPF_TRUETYPE = 0x04;
constexpr BYTE FF_ROMAN = 0x10;
constexpr BYTE FF_SWISS = 0x20;
constexpr BYTE FF_MODERN = 0x30;

BYTE PitchAndFamily(const std::string& family) {
  const bool mono = family.find("Mono") != std::string::npos;
  const bool serif = family.find("Serif") != std::string::npos;
  const BYTE kind = mono ? FF_MODERN : serif ? FF_ROMAN : FF_SWISS;
  return static_cast<BYTE>(kind | TMPF_VECTOR | TMPF_TRUETYPE | (mono ? 0 : TMPF_FIXED_PITCH));
}

LONG ClampWidth(std::int64_t width) { return ClampCoord(width); }

}  // namespace

BOOL GetTextMetricsW(HDC hdc, LPTEXTMETRICW out) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc || !out) return FALSE;
  FontInstance& font = SelectedFont(*dc);
  const FontMetrics& m = font.Metrics();
  const FontDescription& d = font.Description();
  const BYTE charSet = dc->state.font ? dc->state.font->logfont.lfCharSet : DEFAULT_CHARSET;
  *out = TEXTMETRICW{};
  out->tmHeight = m.height;
  out->tmAscent = m.ascent;
  out->tmDescent = m.descent;
  out->tmInternalLeading = m.internalLeading;
  out->tmExternalLeading = m.externalLeading;
  out->tmAveCharWidth = m.aveCharWidth;
  out->tmMaxCharWidth = m.maxCharWidth;
  out->tmWeight = d.weight;
  out->tmOverhang = 0;
  out->tmDigitizedAspectX = 96;
  out->tmDigitizedAspectY = 96;
  out->tmFirstChar = 0x20;
  out->tmLastChar = 0xFFFC;
  out->tmDefaultChar = 0x1F;
  out->tmBreakChar = 0x20;
  out->tmItalic = d.italic ? 255 : 0;
  out->tmUnderlined = d.underline ? 255 : 0;
  out->tmStruckOut = d.strikeOut ? 255 : 0;
  out->tmPitchAndFamily = PitchAndFamily(font.FaceName());
  out->tmCharSet = charSet == DEFAULT_CHARSET ? ANSI_CHARSET : charSet;
  return TRUE;
}

BOOL GetTextExtentExPointW(HDC hdc, LPCWSTR text, int count, int maxExtent, LPINT fit,
                           LPINT partialWidths, LPSIZE out) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc || !out || count < 0 || (count > 0 && !text)) return FALSE;
  FontInstance& font = SelectedFont(*dc);
  // A negative limit means no limit.
  const std::int64_t limit = maxExtent < 0 ? INT64_MAX : maxExtent;
  std::int64_t width = 0;
  int fitting = 0;
  for (int i = 0; i < count; ++i) {
    width += font.Advance(CodePoint(text[i]));
    if (width <= limit && fitting == i) fitting = i + 1;
    if (partialWidths) partialWidths[i] = ClampWidth(width);
  }
  if (fit) *fit = fitting;
  *out = {ClampWidth(width), font.Metrics().height};
  return TRUE;
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR text, int count, LPSIZE out) {
  return GetTextExtentExPointW(hdc, text, count, -1, nullptr, nullptr, out);
}

BOOL GetTextExtentPointW(HDC hdc, LPCWSTR text, int count, LPSIZE out) {
  return GetTextExtentPoint32W(hdc, text, count, out);
}

int GetTextFaceW(HDC hdc, int count, LPWSTR out) {
  DeviceContext* dc = ResolveDC(hdc);
  if (!dc) return 0;
  const std::string& name = SelectedFont(*dc).FaceName();  // family names are ASCII
  const int length = static_cast<int>(name.size());
  if (!out) return length + 1;
  if (count <= 0) return 0;
  const int copied = std::min(length, count - 1);
  for (int i = 0; i < copied; ++i) out[i] = static_cast<WCHAR>(name[i]);
  out[copied] = 0;
  return copied;
}
