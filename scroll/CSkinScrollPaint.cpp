// CSkinScroll: its bitmaps and its painting.
#include <utility>

#include "foundation/CLightCanvas.h"
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

int CSkinScroll::DrawArrows(CDC* dc) {
  CLightCanvas canvas(dc);
  // An arrow not laid out yet (no range given) has an empty rectangle and is not drawn.
  for (const auto& [bitmap, rect] : {std::pair{m_pBmpUp, &m_rcUp}, {m_pBmpDown, &m_rcDown}})
    if (!rect->IsRectEmpty()) canvas.DrawBitmapKeyed(rect->left, rect->top, bitmap, COLOR_NONE);
  return 1;
}

void CSkinScroll::OnPaint() {
  CPaintDC paint(this);
  CRect clip;
  paint.GetClipBox(&clip);
  CMemDC dc(&paint, &clip);
  DrawArrows(&dc);
  CLightCanvas canvas(&dc);
  // The track and the thumb are stretched whole; an empty one (a bar too short for them) draws
  // nothing rather than mirrored.
  for (const auto& [bitmap, rect] : {std::pair{m_pBmpTrack, &m_rcTrack}, {m_pBmpThumb, &m_rcThumb}})
    if (!rect->IsRectEmpty())
      canvas.DrawBitmap(rect->left, rect->top, rect->Width(), rect->Height(), bitmap);
  canvas.Restore();
}
