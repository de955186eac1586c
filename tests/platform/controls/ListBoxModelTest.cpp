// The list box's rows, selection, view and command arithmetic, without a window.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <string>
#include <utility>

#include "platform/controls/ListBoxModel.h"
#include "platform/controls/TypeAhead.h"
#include "platform/win32/WinInput.h"

namespace platform {
namespace {

// `rows` rows named "r0", "r1", ... in a view of `visible` rows of 10 pixels.
ListBoxModel Rows(int rows, int visible) {
  ListBoxModel m;
  m.SetItemHeight(10);
  m.SetViewHeight(visible * 10);
  for (int i = 0; i < rows; ++i) m.Add(L"r" + std::to_wstring(i), 0);
  return m;
}

// Every step of a seeded random sequence keeps the model's promises: rows (texts and values)
// where a mirror says, however often deleted texts made room in the pool, indexes in range,
// refusals of bad indexes, and the selection following its row or going with it.
TEST(ListBoxModel, RandomOperationsKeepTheInvariants) {
  std::mt19937 rng(20261206);
  ListBoxModel m;
  std::vector<std::pair<std::wstring, ULONG_PTR>> mirror;
  for (int step = 0; step < 4000; ++step) {
    const int count = m.Count();
    const int extremes[] = {INT_MIN, INT_MAX};
    const int at = rng() % 50 ? std::uniform_int_distribution<int>(-2, count + 1)(rng)
                              : extremes[rng() % 2];
    const int selectedBefore = m.Selected();
    const std::wstring selectedText(selectedBefore >= 0 ? m.TextAt(selectedBefore) : L"");
    bool rowsChanged = false;
    switch (rng() % 8) {
      case 0:
      case 1: {
        const std::wstring t = L"t" + std::to_wstring(step);
        const bool valid = at == -1 || (at >= 0 && at <= count);
        ASSERT_EQ(m.Insert(at, t, ULONG_PTR(step)), valid ? (at == -1 ? count : at) : -1);
        if (valid) mirror.insert(mirror.begin() + (at == -1 ? count : at), {t, ULONG_PTR(step)});
        rowsChanged = valid;
        break;
      }
      case 2: {
        const bool valid = at >= 0 && at < count;
        ASSERT_EQ(m.Delete(at), valid ? count - 1 : -1);
        if (valid) mirror.erase(mirror.begin() + at);
        rowsChanged = valid && at != selectedBefore;
        ASSERT_TRUE(!valid || at != selectedBefore || m.Selected() == -1);  // gone with its row
        break;
      }
      case 3: m.Select(at); break;
      case 4: m.SetTop(at); break;
      case 5: m.SetViewHeight(int(rng() % 200)); break;
      case 6: m.ScrollIntoView(at); break;
      default: {
        const int target = m.KeyTarget(VK_UP + rng() % 4);
        if (target >= 0) m.Select(target);
      }
    }
    ASSERT_EQ(m.Count(), int(mirror.size()));
    for (int i = 0; i < m.Count(); ++i) {
      ASSERT_EQ(m.TextAt(i), mirror[std::size_t(i)].first);
      ASSERT_EQ(m.DataAt(i), mirror[std::size_t(i)].second);
    }
    ASSERT_TRUE(m.Selected() >= -1 && m.Selected() < m.Count());
    ASSERT_TRUE(m.Caret() >= -1 && m.Caret() < m.Count());
    ASSERT_TRUE(m.Top() >= 0 && m.Top() <= m.MaxTop());
    ASSERT_LE(m.LastShown(), m.Count() - 1);
    if (m.Count() > 0) {
      const int row = int(rng() % unsigned(m.Count()));
      ASSERT_EQ(m.StartsAboveViewBottom(row), row <= m.LastShown()) << row;
    }
    if (rowsChanged && !selectedText.empty()) {
      ASSERT_GE(m.Selected(), 0);
      ASSERT_EQ(m.TextAt(m.Selected()), selectedText);
    }
  }
}

TEST(ListBoxModel, NavigationKeysScrollRequestsAndTheWheel) {
  // 30 rows, 10 to a page: caret, key, target.
  const int keys[][3] = {
      {-1, VK_DOWN, 0}, {-1, VK_UP, 0},   {0, VK_UP, 0},    {0, VK_DOWN, 1},  {29, VK_DOWN, 29},
      {5, VK_NEXT, 14}, {25, VK_NEXT, 29}, {14, VK_PRIOR, 5}, {3, VK_PRIOR, 0}, {17, VK_HOME, 0},
      {2, VK_END, 29},  {2, VK_LEFT, -1},  {2, VK_RETURN, -1}};
  for (const auto& k : keys) {
    ListBoxModel m = Rows(30, 10);
    m.Select(k[0]);
    EXPECT_EQ(m.KeyTarget(UINT(k[1])), k[2]) << "caret " << k[0] << " key " << k[1];
  }
  EXPECT_EQ(ListBoxModel().KeyTarget(VK_DOWN), -1);
  // 50 rows at top 20: request, position, new top.
  ListBoxModel m = Rows(50, 10);
  m.SetTop(20);
  const int requests[][3] = {{SB_LINEUP, 0, 19},   {SB_LINEDOWN, 0, 21},     {SB_PAGEUP, 0, 10},
                             {SB_PAGEDOWN, 0, 30}, {SB_THUMBTRACK, 7, 7},    {SB_THUMBPOSITION, 8, 8},
                             {SB_TOP, 0, 0},       {SB_BOTTOM, 0, 40},       {SB_ENDSCROLL, 0, 20}};
  for (const auto& r : requests) EXPECT_EQ(m.ScrollTarget(r[0], r[1]), r[2]) << r[0];
  // A notch is three rows, part notches add up, and a short view scrolls a page.
  EXPECT_EQ(m.Wheel(-WHEEL_DELTA), 3);
  EXPECT_EQ(m.Wheel(2 * WHEEL_DELTA), -6);
  EXPECT_EQ(m.Wheel(-60), 0);
  EXPECT_EQ(m.Wheel(-60), 3);
  m.SetViewHeight(20);
  EXPECT_EQ(m.Wheel(-WHEEL_DELTA), 2);
}

// One letter moves past the caret, wrapping, whatever its case; letters typed within the pause
// make a prefix searched from the caret on; the same letter again steps through its rows.
TEST(TypeAhead, PrefixesWithinThePauseAndRepeatedLetters) {
  ListBoxModel m;
  for (const wchar_t* t : {L"Apple", L"apricot", L"Banana", L"berry", L"Blueberry", L"cherry"})
    m.Add(t, 0);
  TypeAhead typing;
  const struct {
    wchar_t letter;
    ULONGLONG at;
    int found;
  } typed[] = {{L'b', 5000, 2},  {L'B', 7000, 3},  {L'b', 9000, 4},  {L'e', 9100, 3},
               {L'r', 9200, 3},  {L'a', 14200, 0}, {L'a', 14210, 1}, {L'a', 14220, 0},
               {L'z', 20000, -1}};
  for (const auto& t : typed) {
    EXPECT_EQ(typing.Type(m, t.letter, t.at), t.found) << t.at;
    if (t.found >= 0) m.Select(t.found);
  }
  EXPECT_EQ(FindRowWithPrefix(ListBoxModel(), 0, L"a"), -1);
}

}  // namespace
}  // namespace platform
