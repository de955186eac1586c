#include "tests/droplist/DropListFixture.h"

namespace trellis::test {

DropListFixture::DropListFixture() {
  drop = new CElementDropList;
  drop->AddRef();
  _CONTAINER_INFO info = Info(10, 10, kWidth, 18, kId);
  info.SetName(L"drop");
  drop->InitObject(L"drop", &info);
  Pump();
}

DropListFixture::~DropListFixture() {
  if (drop) drop->Release();
}

void DropListFixture::Fill(CElementDropList& list, int count) {
  while (list.GetCount() > 0) list.DeleteString(0);
  for (int i = 0; i < count; ++i) list.AddString((L"Item " + std::to_wstring(i)).c_str());
}

void DropListFixture::Drop(CElementDropList& list) {
  Click(list, list.GetDrawRect().Width() - 6, 9);
}

bool DropListFixture::IsOpen(const CElementDropList& list) const {
  return list.GetDropWnd() && list.GetDropWnd()->IsOpen();
}

CRect DropListFixture::PopupRect(const CElementDropList& list) const {
  CRect rect;
  Popup(list).CWnd::GetWindowRect(&rect);
  return rect;
}

POINT DropListFixture::RowPoint(const CElementDropList& list, int row) const {
  CRect rect;
  PopupList(list).GetItemRect(row, &rect);
  CPoint pt = rect.CenterPoint();
  PopupList(list).ClientToScreen(&pt);
  return pt;
}

POINT DropListFixture::BarPoint(const CElementDropList& list, int x, int y) const {
  CPoint pt(x, y);
  Popup(list).GetScrollBar().ClientToScreen(&pt);
  return pt;
}

void DropListFixture::ClickAt(POINT pt) {
  screen.Click(pt.x, pt.y);
  Pump();
}

void DropListFixture::HoverAt(POINT pt) {
  screen.MouseMove(pt.x, pt.y);
  Pump();
}

int DropListFixture::BarPos(const CElementDropList& list) const {
  SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
  Popup(list).GetScrollBar().GetScrollInfo(&info);
  return info.nPos;
}

std::vector<UINT> DropListFixture::TakeCodes() {
  std::vector<UINT> codes = parent.NotifyCodes();
  parent.notices.clear();
  return codes;
}

}  // namespace trellis::test
