// A drop list on the test desktop, with the screen points of its real pop-up's rows and bar.
#pragma once

#include <string>

#include "droplist/CDropWnd.h"
#include "droplist/CElementDropList.h"
#include "tests/support/HostFixture.h"

namespace trellis::test {

class DropListFixture : public HostFixture {
 public:
  static constexpr DWORD kId = 7;
  static constexpr int kWidth = 150;

  DropListFixture() {
    _CONTAINER_INFO info = Info(10, 10, kWidth, 18, kId);
    info.SetName(L"drop");
    drop.InitObject(L"drop", &info);
    Pump();
  }

  // Replaces the items with "Item 0", "Item 1", ...
  static void Fill(CElementDropList& list, int count) {
    while (list.GetCount() > 0) list.DeleteString(0);
    for (int i = 0; i < count; ++i) list.AddString((L"Item " + std::to_wstring(i)).c_str());
  }
  // Opens the pop-up as the user does: a click on the arrow.
  void Drop(CElementDropList& list) { Click(list, list.GetDrawRect().Width() - 6, 9); }
  static bool IsOpen(const CElementDropList& list) {
    return list.GetDropWnd() && list.GetDropWnd()->IsOpen();
  }
  static CDropWnd& Popup(const CElementDropList& list) { return *list.GetDropWnd(); }
  static CDropList& PopupList(const CElementDropList& list) { return *Popup(list).GetList(); }
  static CRect PopupRect(const CElementDropList& list) {
    CRect rect;
    Popup(list).CWnd::GetWindowRect(&rect);
    return rect;
  }
  // The screen point in the middle of a row of the open pop-up.
  static POINT RowPoint(const CElementDropList& list, int row) {
    CRect rect;
    PopupList(list).GetItemRect(row, &rect);
    CPoint pt = rect.CenterPoint();
    PopupList(list).ClientToScreen(&pt);
    return pt;
  }
  void ClickAt(POINT pt) {
    screen.Click(pt.x, pt.y);
    Pump();
  }
  void HoverAt(POINT pt) {
    screen.MouseMove(pt.x, pt.y);
    Pump();
  }
  // The position the open pop-up's scroll bar shows.
  static int BarPos(const CElementDropList& list) {
    SCROLLINFO info{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, 0, 0};
    Popup(list).GetScrollBar().GetScrollInfo(&info);
    return info.nPos;
  }
  // The WM_NOTIFY codes the parent heard, and forgets them.
  std::vector<UINT> TakeCodes() {
    std::vector<UINT> codes = parent.NotifyCodes();
    parent.notices.clear();
    return codes;
  }

  CElementDropList drop;  // at (10, 10) in the parent
};

}  // namespace trellis::test
