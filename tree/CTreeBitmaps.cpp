#include "tree/CTreeBitmaps.h"

#include <vector>

#include "foundation/CTrellisApp.h"
#include "platform/mfc/CDC.h"
#include "resources/TrellisResources.h"

CTreeBitmaps::CTreeBitmaps() {
  for (auto& bitmap : m_bitmaps) bitmap = std::make_unique<CBitmap>();
}

CTreeBitmaps::CTreeBitmaps(const CTreeBitmaps& other) : CTreeBitmaps() { *this = other; }

CTreeBitmaps& CTreeBitmaps::operator=(const CTreeBitmaps& other) {
  if (this == &other) return *this;
  for (int k = 0; k < COUNT; ++k) CopyFrom(Kind(k), other.m_bitmaps[std::size_t(k)].get());
  return *this;
}

void CTreeBitmaps::Load(TREE_SHOW_STYLE style) {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  const bool flat = style == TREE_STYLE_FLAT;
  const UINT ids[COUNT] = {flat ? IDB_TREE_CLOSE_FLAT : IDB_TREE_CLOSE_LINE,
                           flat ? IDB_TREE_OPEN_FLAT : IDB_TREE_OPEN_LINE, IDB_TREE_CHECK_YES,
                           IDB_TREE_CHECK_NO, IDB_TREE_CHECK_HALF};
  for (int k = 0; k < COUNT; ++k) {
    CBitmap& bitmap = *m_bitmaps[std::size_t(k)];
    bitmap.DeleteObject();
    bitmap.LoadBitmap(ids[k]);
  }
}

CBitmap* CTreeBitmaps::ForCheck(TREE_ITEM_CHECK check) const {
  switch (check) {
    case TREE_CHECK_YES: return Get(CHECK_YES);
    case TREE_CHECK_NO: return Get(CHECK_NO);
    case TREE_CHECK_YES_HALF: return Get(CHECK_YES_HALF);
    default: return nullptr;
  }
}

void CTreeBitmaps::Adopt(Kind kind, CBitmap* from) {
  CBitmap& bitmap = *m_bitmaps[kind];
  if (from == &bitmap) return;
  bitmap.DeleteObject();
  if (from && from->m_hObject) bitmap.Attach(from->Detach());
}

void CTreeBitmaps::CopyFrom(Kind kind, const CBitmap* from) {
  CBitmap& bitmap = *m_bitmaps[kind];
  if (from == &bitmap) return;
  bitmap.DeleteObject();
  if (from) CopyPicture(*from, bitmap);
}

bool CTreeBitmaps::CopyPicture(const CBitmap& from, CBitmap& to) {
  BITMAP description{};
  if (!from.m_hObject || !from.GetBitmap(&description) || description.bmWidth <= 0 ||
      description.bmHeight <= 0)
    return false;
  // The pixels travel as a 32-bit top-down DIB, whatever the source's own format.
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = description.bmWidth;
  info.bmiHeader.biHeight = -description.bmHeight;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  std::vector<DWORD> pixels(std::size_t(description.bmWidth) * std::size_t(description.bmHeight));
  CDC screen;
  screen.CreateCompatibleDC(nullptr);
  const int lines = ::GetDIBits(screen.GetSafeHdc(), static_cast<HBITMAP>(from.m_hObject), 0,
                                UINT(description.bmHeight), pixels.data(), &info, DIB_RGB_COLORS);
  if (lines != description.bmHeight) return false;
  return to.CreateBitmap(description.bmWidth, description.bmHeight, 1, 32, pixels.data()) != 0;
}
