// The system button's painting, in colours or pictures. It reads state and changes none.
#include "button/CElementButtonSys.h"

#include "button/ButtonLogic.h"
#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "host/CGlobalEnv.h"
#include "platform/mfc/CPaintDC.h"

namespace {
// One line, centred both ways.
constexpr UINT kCaptionFormat = DT_SINGLELINE | DT_VCENTER | DT_CENTER;
}  // namespace

int CElementButtonSys::OnPaint(CPaintDC* dc) {
  if (IsPicture()) {
    PaintPicType(dc);
    return 1;
  }
  if (!dc) return 1;
  CRect draw = GetDrawRect();
  CMemDC memory(dc);
  CLightCanvas canvas(&memory);
  LOGFONTW font{};
  if (GetFont(&font)) canvas.SetFont(font);
  // The frame colour covers the background unless it is "no colour".
  canvas.FillRect(draw, m_clrShowBack);
  canvas.FillRect(draw, m_clrShowFrame);
  GetTextInfo();
  if (m_nTextLen > 0) {
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetTextColor(m_clrShowText);
    canvas.DrawText(m_strText.c_str(), &draw, kCaptionFormat);
  }
  canvas.Restore();
  return 1;
}

int CElementButtonSys::PaintPicType(CPaintDC* dc) {
  if (!dc) return 1;
  CComPtr<IBitmapFactory> factory;
  if (CComPtr<CGlobalEnv> env = CGlobalEnv::GetGlobalEnv()) factory = env->GetBitmapFactory();
  const CRect draw = GetDrawRect();
  CMemDC memory(dc, &draw);
  // Without a background colour the pictures lie over what the parent painted.
  if (m_clrShowBack == COLOR_NONE) memory.StartFromTarget();
  CLightCanvas canvas(&memory);
  canvas.FillRect(draw, m_clrShowBack);
  auto drawImage = [&](const std::wstring& name) {
    CBitmap* bitmap =
        factory ? factory->GetBitmap(m_strImageSource.c_str(), name.c_str()) : nullptr;
    BITMAP bm{};
    if (!bitmap || !bitmap->GetBitmap(&bm)) return;
    const POINT at = button::CentreIn(draw, bm.bmWidth, bm.bmHeight);
    canvas.DrawBitmap(at.x, at.y, bm.bmWidth, bm.bmHeight, bitmap);
  };
  const button::PictureLayers layers =
      button::ChoosePictureLayers(m_bPushed, m_bHover, m_bFifthImage);
  if (layers.bPushed) drawImage(m_strImagePushed);
  if (layers.bHover) drawImage(m_strImageHover);
  if (layers.bNormal) drawImage(m_strImageNormal);
  if (layers.bFifth) drawImage(m_strImageFifth);
  canvas.Restore();
  return 1;
}
