// The date picker's painting: a framed field with the date centred in it. It reads state and
// changes none; the drop button paints itself.
#include "datepicker/CElementDatePicker.h"

#include "datepicker/DateValue.h"
#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "platform/mfc/CPaintDC.h"

namespace {
// One line, centred both ways.
constexpr UINT kDateFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}  // namespace

int CElementDatePicker::OnPaint(CPaintDC* dc) {
  if (!dc) return 0;
  CRect clip;
  dc->GetClipBox(&clip);
  if (clip.Width() <= 0 || clip.Height() <= 0) return 0;
  CMemDC memory(dc);
  CLightCanvas canvas(&memory);
  const CRect draw = GetDrawRect();
  const DWORD state = ColorState();
  canvas.FillRect(draw, GetColor(COLOR_PART_BACKGROUND, state));
  canvas.FrameRect(draw, GetColor(COLOR_PART_FRAME, state));
  // A field too narrow for any text shows none.
  if (m_nDate > 0 && m_rcText.Width() > 0) {
    LOGFONTW font{};
    if (GetFont(&font)) canvas.SetFont(font);
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(GetColor(COLOR_PART_TEXT, state));
    const std::wstring text = FormatDate(m_nDate);
    CRect at = m_rcText;
    canvas.DrawText(text.c_str(), &at, kDateFormat);
  }
  canvas.Restore();
  return 1;
}
