// CSkinScroll: its bitmaps and its painting.
#include <utility>

#include "foundation/CMemDC.h"
#include "foundation/CTrellisApp.h"
#include "platform/mfc/CPaintDC.h"
#include "resources/TrellisResources.h"
#include "scroll/CSkinScroll.h"

int CSkinScroll::OnCreate(LPCREATESTRUCT cs) {
  if (CScrollBar::OnCreate(cs) == -1) return -1;
  LoadSkinBitmaps();
  return 0;
}

int CSkinScroll::LoadSkinBitmaps() {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  const bool vertical = GetStyle() & SBS_VERT;
  const std::pair<CBitmap**, UINT> bitmaps[] = {{&m_pBmpUp, IDB_SCROLL_UP},
                                                {&m_pBmpDown, IDB_SCROLL_DOWN},
                                                {&m_pBmpThumb, IDB_SCROLL_THUMB},
                                                {&m_pBmpTrack, IDB_SCROLL_TRACK}};
  for (const auto& [bitmap, id] : bitmaps) {
    if (!*bitmap) *bitmap = new CBitmap;
    // Only a vertical bar has images; a horizontal one paints nothing of its own.
    if (!(*bitmap)->m_hObject && vertical) (*bitmap)->LoadBitmap(id);
  }
  return 1;
}

namespace {

// Copies a whole bitmap into a rectangle, at its own size or stretched.
void DrawBitmap(CDC* dc, CBitmap* bitmap, const CRect& rect, bool stretch) {
  BITMAP bm{};
  if (!bitmap || !bitmap->m_hObject || !bitmap->GetBitmap(&bm) || rect.IsRectEmpty()) return;
  CDC source;
  if (!source.CreateCompatibleDC(dc)) return;
  CBitmap* old = source.SelectObject(bitmap);
  if (stretch)
    dc->StretchBlt(rect.left, rect.top, rect.Width(), rect.Height(), &source, 0, 0, bm.bmWidth,
                   bm.bmHeight, SRCCOPY);
  else
    dc->BitBlt(rect.left, rect.top, bm.bmWidth, bm.bmHeight, &source, 0, 0, SRCCOPY);
  source.SelectObject(old);
}

}  // namespace

int CSkinScroll::DrawArrows(CDC* dc) {
  DrawBitmap(dc, m_pBmpUp, m_rcUp, false);
  DrawBitmap(dc, m_pBmpDown, m_rcDown, false);
  return 1;
}

void CSkinScroll::OnPaint() {
  CPaintDC paint(this);
  CRect clip;
  paint.GetClipBox(&clip);
  CMemDC dc(&paint, &clip);
  DrawArrows(&dc);
  DrawBitmap(&dc, m_pBmpTrack, m_rcTrack, true);
  DrawBitmap(&dc, m_pBmpThumb, m_rcThumb, true);
}
