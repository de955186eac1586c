// A drop list on the test desktop, with the screen points of its real pop-up's rows and bar.
#pragma once

#include <string>

#include "droplist/CDropWnd.h"
#include "droplist/CElementDropList.h"
#include "tests/support/HostFixture.h"

namespace trellis::test {

class DropListFixture : public HostFixture {
 protected:
  static constexpr DWORD kId = 7;
  static constexpr int kWidth = 150;

  DropListFixture();
  ~DropListFixture() override;

  // Replaces the items with "Item 0", "Item 1", ...
  void Fill(CElementDropList& list, int count);
  // Opens the pop-up as the user does: a click on the arrow.
  void Drop(CElementDropList& list);
  bool IsOpen(const CElementDropList& list) const;
  CDropWnd& Popup(const CElementDropList& list) const { return *list.GetDropWnd(); }
  CDropList& PopupList(const CElementDropList& list) const { return *list.GetDropWnd()->GetList(); }
  // The pop-up's window rectangle on the screen.
  CRect PopupRect(const CElementDropList& list) const;
  // The screen point in the middle of a row of the open pop-up.
  POINT RowPoint(const CElementDropList& list, int row) const;
  // A screen point of the open pop-up's scroll bar, in its client coordinates.
  POINT BarPoint(const CElementDropList& list, int x, int y) const;
  void ClickAt(POINT pt);
  void HoverAt(POINT pt);
  // The position the open pop-up's scroll bar shows.
  int BarPos(const CElementDropList& list) const;
  // The WM_NOTIFY codes the parent heard, and forgets them.
  std::vector<UINT> TakeCodes();

  CElementDropList* drop = nullptr;  // at (10, 10) in the parent, one reference held
};

}  // namespace trellis::test
