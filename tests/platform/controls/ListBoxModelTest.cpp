// The list box's rows, selection, view and command arithmetic, without a window.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>

#include "platform/controls/ListBoxModel.h"
#include "platform/controls/TypeAhead.h"
#include "platform/win32/WinInput.h"

namespace platform {
namespace {

ListBoxModel::Row Text(std::wstring text) { return {std::move(text), 0}; }

// `rows` rows named "r0", "r1", ... in a view of `visible` rows of 10 pixels.
ListBoxModel Rows(int rows, int visible) {
  ListBoxModel m;
  m.SetItemHeight(10);
  m.SetViewHeight(visible * 10);
  for (int i = 0; i < rows; ++i) m.Add(Text(L"r" + std::to_wstring(i)));
  return m;
}

// Inserts and deletes at every bad index, and the selection following its row, are the random
// sequence's; these are the refusals it never reaches.
TEST(ListBoxModel, RefusesWhatTheRandomSequenceDoesNotTry) {
  ListBoxModel m = Rows(3, 5);
  for (int bad : {-2, 3, INT_MIN, INT_MAX}) {
    EXPECT_EQ(m.Insert(bad == 3 ? 5 : bad, Text(L"x")), -1) << bad;
    EXPECT_FALSE(m.Select(bad)) << bad;
  }
  EXPECT_EQ(m.Count(), 3);
  EXPECT_EQ(m.Selected(), -1);
  for (int bad : {0, 256, -1, INT_MAX}) EXPECT_FALSE(m.SetItemHeight(bad));
  EXPECT_EQ(m.ItemHeight(), 10);
  EXPECT_TRUE(m.SetItemHeight(255));
  // Deleting the selected row clears the selection; the caret stays where the keyboard goes on.
  ASSERT_TRUE(m.Select(2));
  EXPECT_EQ(m.Delete(2), 2);
  EXPECT_EQ(m.Selected(), -1);
  m.Select(1);
  m.Select(-1);
  EXPECT_EQ(m.Caret(), 1);
  m.Reset();
  EXPECT_EQ(m.Count(), 0);
  EXPECT_EQ(m.Caret(), -1);
  EXPECT_EQ(m.Top(), 0);
}

// Every step of a seeded random sequence keeps the model's promises.
TEST(ListBoxModel, RandomOperationsKeepTheInvariants) {
  std::mt19937 rng(20261206);
  ListBoxModel m;
  std::vector<std::wstring> mirror;
  int next = 0;
  for (int step = 0; step < 4000; ++step) {
    const int count = m.Count();
    std::uniform_int_distribution<int> pick(-2, count + 1);
    const int selectedBefore = m.Selected();
    const std::wstring selectedText = m.Selected() >= 0 ? m.RowAt(m.Selected()).text : L"";
    bool rowsChanged = false;
    switch (rng() % 8) {
      case 0:
      case 1: {
        const std::wstring t = L"t" + std::to_wstring(next++);
        const int at = pick(rng);
        const int got = m.Insert(at, Text(t));
        if (at == -1 || (at >= 0 && at <= count)) {
          const int where = at == -1 ? count : at;
          ASSERT_EQ(got, where);
          mirror.insert(mirror.begin() + where, t);
          rowsChanged = true;
        } else {
          ASSERT_EQ(got, -1);
        }
        break;
      }
      case 2: {
        const int at = pick(rng);
        const int got = m.Delete(at);
        if (at >= 0 && at < count) {
          ASSERT_EQ(got, count - 1);
          rowsChanged = at != selectedBefore;
          mirror.erase(mirror.begin() + at);
        } else {
          ASSERT_EQ(got, -1);
        }
        break;
      }
      case 3: m.Select(pick(rng)); break;
      case 4: m.SetTop(pick(rng)); break;
      case 5: m.SetViewHeight(int(rng() % 200)); break;
      case 6: m.ScrollIntoView(pick(rng)); break;
      default: {
        const int target = m.KeyTarget(VK_UP + rng() % 4);
        if (target >= 0) m.Select(target);
      }
    }
    ASSERT_EQ(m.Count(), int(mirror.size()));
    for (int i = 0; i < m.Count(); ++i) ASSERT_EQ(m.RowAt(i).text, mirror[std::size_t(i)]);
    ASSERT_GE(m.Selected(), -1);
    ASSERT_LT(m.Selected(), m.Count());
    ASSERT_GE(m.Caret(), -1);
    ASSERT_LT(m.Caret(), m.Count());
    ASSERT_GE(m.Top(), 0);
    ASSERT_LE(m.Top(), m.MaxTop());
    ASSERT_LE(m.LastShown(), m.Count() - 1);
    // Inserting and deleting other rows keeps the same row selected.
    if (rowsChanged && !selectedText.empty()) {
      ASSERT_GE(m.Selected(), 0);
      ASSERT_EQ(m.RowAt(m.Selected()).text, selectedText);
    }
  }
}

TEST(ListBoxModel, ViewShowsFullPagesAndFindsRowsByHeight) {
  ListBoxModel m = Rows(25, 0);
  m.SetViewHeight(95);  // nine whole rows and half of a tenth
  EXPECT_EQ(m.PageRows(), 9);
  EXPECT_EQ(m.MaxTop(), 16);
  m.SetTop(100);
  EXPECT_EQ(m.Top(), 16);
  EXPECT_EQ(m.LastShown(), 24);
  m.SetTop(3);
  EXPECT_EQ(m.LastShown(), 12);  // the half row counts as shown
  bool onRow = false;
  EXPECT_EQ(m.RowAtY(0, &onRow), 3);
  EXPECT_TRUE(onRow);
  EXPECT_EQ(m.RowAtY(19), 4);
  EXPECT_EQ(m.RowAtY(-1, &onRow), 2);  // above the view: the row above
  EXPECT_TRUE(onRow);
  EXPECT_EQ(m.RowAtY(-1000, &onRow), 0);
  EXPECT_FALSE(onRow);
  EXPECT_EQ(m.RowAtY(1000, &onRow), 24);
  EXPECT_FALSE(onRow);
  m.ScrollIntoView(20);
  EXPECT_EQ(m.Top(), 12);  // row 20 is the last whole row
  m.ScrollIntoView(5);
  EXPECT_EQ(m.Top(), 5);
  // A view lower than a row still shows one.
  m.SetViewHeight(4);
  EXPECT_EQ(m.PageRows(), 1);
  EXPECT_EQ(ListBoxModel().RowAtY(0), -1);
}

TEST(ListBoxModel, NavigationKeys) {
  struct Case {
    int caret;
    UINT vk;
    int target;
  };
  // 30 rows, 10 to a page.
  const Case cases[] = {
      {-1, VK_DOWN, 0}, {-1, VK_UP, 0},   {0, VK_UP, 0},      {0, VK_DOWN, 1},
      {29, VK_DOWN, 29}, {5, VK_NEXT, 14}, {25, VK_NEXT, 29},  {14, VK_PRIOR, 5},
      {3, VK_PRIOR, 0},  {17, VK_HOME, 0}, {2, VK_END, 29},    {2, VK_LEFT, -1},
      {2, VK_RETURN, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "caret " << c.caret << " key " << c.vk);
    ListBoxModel m = Rows(30, 10);
    m.Select(c.caret);
    EXPECT_EQ(m.KeyTarget(c.vk), c.target);
  }
  EXPECT_EQ(ListBoxModel().KeyTarget(VK_DOWN), -1);
}

TEST(ListBoxModel, ScrollRequestsAndWheel) {
  ListBoxModel m = Rows(50, 10);
  m.SetTop(20);
  const int expected[][3] = {{SB_LINEUP, 0, 19},    {SB_LINEDOWN, 0, 21},     {SB_PAGEUP, 0, 10},
                             {SB_PAGEDOWN, 0, 30}, {SB_THUMBTRACK, 7, 7},    {SB_THUMBPOSITION, 8, 8},
                             {SB_TOP, 0, 0},       {SB_BOTTOM, 0, 40},       {SB_ENDSCROLL, 0, 20}};
  for (const auto& e : expected) EXPECT_EQ(m.ScrollTarget(e[0], e[1]), e[2]) << e[0];
  EXPECT_EQ(m.Wheel(-WHEEL_DELTA), 3);
  EXPECT_EQ(m.Wheel(2 * WHEEL_DELTA), -6);
  // Part notches add up to a whole one.
  EXPECT_EQ(m.Wheel(-60), 0);
  EXPECT_EQ(m.Wheel(-60), 3);
  m.SetViewHeight(20);  // two rows: a notch scrolls a page
  EXPECT_EQ(m.Wheel(-WHEEL_DELTA), 2);
}

TEST(TypeAhead, PrefixesWithinThePauseAndRepeatedLetters) {
  ListBoxModel m;
  for (const wchar_t* t : {L"Apple", L"apricot", L"Banana", L"berry", L"Blueberry", L"cherry"})
    m.Add(Text(t));
  TypeAhead typing;
  ULONGLONG now = 5000;
  // One letter moves past the caret, wrapping; case does not matter.
  EXPECT_EQ(typing.Type(m, L'b', now), 2);
  m.Select(2);
  now += 2000;
  EXPECT_EQ(typing.Type(m, L'B', now), 3);
  m.Select(3);
  // Typed quickly, letters make a prefix searched from the caret on.
  now += 2000;
  EXPECT_EQ(typing.Type(m, L'b', now), 4);
  m.Select(4);
  EXPECT_EQ(typing.Type(m, L'e', now + 100), 3);
  m.Select(3);
  EXPECT_EQ(typing.Type(m, L'r', now + 200), 3);
  // The same letter again and again steps through the rows with it.
  now += 5000;
  m.Select(0);
  EXPECT_EQ(typing.Type(m, L'a', now), 1);
  m.Select(1);
  EXPECT_EQ(typing.Type(m, L'a', now + 10), 0);
  // Nothing matches.
  now += 5000;
  EXPECT_EQ(typing.Type(m, L'z', now), -1);
  EXPECT_EQ(FindRowWithPrefix(ListBoxModel(), 0, L"a"), -1);
}

}  // namespace
}  // namespace platform
