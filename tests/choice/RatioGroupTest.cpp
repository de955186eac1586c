// The radio group through real clicks: it unchecks the previous choice, and neither side
// dangles when the other goes first.
#include <gtest/gtest.h>

#include <memory>

#include "choice/CElementRadio.h"
#include "choice/CRatioGroup.h"
#include "tests/support/HostFixture.h"

using trellis::test::HostFixture;

namespace {

constexpr auto kChecked = CElementRadio::RADIO_CHECKED;
constexpr auto kUnchecked = CElementRadio::RADIO_UNCHECKED;

class RatioGroup : public HostFixture {
 protected:
  RatioGroup() {
    for (int i = 0; i < 3; ++i) Place(radios[i], DWORD(i + 1), i);
  }
  void Place(CElementRadio& radio, DWORD id, int row) {
    _CONTAINER_INFO info = Info(10, 10 + 30 * row, 120, 21, id);
    radio.InitObject(L"radio", &info);
  }
  void ClickOn(CElementRadio& radio) { Click(radio, 30, 10); }
  // Clicks the radios of these indexes in turn; the check states of the three, as 0s and 1s.
  std::vector<int> After(std::initializer_list<int> clicks) {
    for (int k : clicks) ClickOn(radios[k]);
    return {radios[0].GetCheck(), radios[1].GetCheck(), radios[2].GetCheck()};
  }

  CElementRadio radios[3];
  CRatioGroup group;  // empty: each test lists what it needs
};

}  // namespace

// The group knows only clicks: a host's check survives the first click on another radio.
TEST_F(RatioGroup, AHostsCheckSurvivesTheFirstClick) {
  EXPECT_EQ(group.AddRadioToGroup(radios, 3), 1);
  radios[0].SetCheck(kChecked);
  EXPECT_EQ(After({1}), (std::vector<int>{1, 1, 0}));
  EXPECT_EQ(After({2}), (std::vector<int>{1, 0, 1}));
}

TEST_F(RatioGroup, OfTwoRadiosWithOneIdOnlyTheLastAddedIsUnchecked) {
  EXPECT_EQ(After({0, 1}), (std::vector<int>{1, 1, 0}));
  radios[2].SetID(1);
  radios[1].SetCheck(kUnchecked);
  group.AddRadioToGroup(radios, 3);
  // A click on radios[0] selects id 1, which the group knows as radios[2].
  EXPECT_EQ(After({0, 1}), (std::vector<int>{1, 1, 0}));
  EXPECT_EQ(After({2, 1}), (std::vector<int>{1, 1, 0}));
}

TEST_F(RatioGroup, AClickedIdTheGroupDoesNotListStillBecomesTheSelection) {
  group.AddRadioToGroup(&radios[0]);
  group.AddRadioToGroup(&radios[1]);
  // A copy calls the same group but is not listed in it.
  CElementRadio copy(radios[1]);
  copy.SetID(9);
  Place(copy, 9, 2);
  ClickOn(radios[0]);
  ClickOn(copy);
  EXPECT_EQ(radios[0].GetCheck(), kUnchecked);
  ClickOn(radios[1]);  // the selection, 9, is not listed: nothing to uncheck
  EXPECT_EQ(copy.GetCheck(), kChecked);
  EXPECT_EQ(radios[1].GetCheck(), kChecked);
}

TEST_F(RatioGroup, ARadioThatGoesFirstLeavesEveryGroupThatListsIt) {
  group.AddRadioToGroup(radios, 3);
  auto extra = std::make_unique<CElementRadio>();
  Place(*extra, 4, 3);
  group.AddRadioToGroup(extra.get());
  ClickOn(*extra);
  CRatioGroup copy(group);  // lists the extra radio too
  extra.reset();
  // The selection, 4, is gone: nothing to uncheck, nothing followed.
  EXPECT_EQ(After({0}), (std::vector<int>{1, 0, 0}));
  copy.AddRadioToGroup(&radios[2]);  // radios[2] now calls the copy
  EXPECT_EQ(After({2}), (std::vector<int>{1, 0, 1}));
}

TEST_F(RatioGroup, ACopyListsTheSameRadiosWhichKeepCallingTheOriginal) {
  auto original = std::make_unique<CRatioGroup>();
  original->AddRadioToGroup(radios, 3);
  ClickOn(radios[0]);
  CRatioGroup copy(*original);
  EXPECT_EQ(After({1}), (std::vector<int>{0, 1, 0}));  // the original unchecks
  {
    CRatioGroup assigned;
    assigned = copy;
    assigned = assigned;
  }
  EXPECT_EQ(After({2}), (std::vector<int>{0, 0, 1}));  // a copy that went took nothing with it
  original.reset();
  EXPECT_EQ(After({0}), (std::vector<int>{1, 0, 1}));  // the original went: no group any more
}
