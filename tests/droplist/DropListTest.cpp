// The drop list through the host window and its real pop-up: opening, choosing by clicking and
// by keys, every way of closing, placement, scrolling, and a host that destroys the control.
#include "tests/droplist/DropListFixture.h"

namespace trellis::test {
namespace {

using DropList = CElementDropList;
using Codes = std::vector<UINT>;

class DropListTest : public DropListFixture {};

TEST_F(DropListTest, OpenChooseCloseByClickingARowOfThePopup) {
  Fill(*drop, 25);
  Drop(*drop);
  ASSERT_TRUE(IsOpen(*drop));
  EXPECT_EQ(TakeCodes(), Codes{DropList::DROPLIST_NM_DROPDOWN});
  EXPECT_EQ(PopupList(*drop).GetCount(), 25);
  ClickAt(RowPoint(*drop, 3));
  EXPECT_FALSE(IsOpen(*drop));
  EXPECT_EQ(TakeCodes(), (Codes{DropList::DROPLIST_NM_SELECT, DropList::DROPLIST_NM_SELECTDONE}));
  EXPECT_EQ(drop->GetCurSel(), 3);
  EXPECT_EQ(std::wstring(drop->GetTextString().GetString()), L"Item 3");
  EXPECT_EQ(PopupList(*drop).GetCount(), 0);
}

}  // namespace
}  // namespace trellis::test
