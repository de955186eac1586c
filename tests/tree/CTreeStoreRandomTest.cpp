// Seeded random sequences of inserts, deletions, opens, closes and checks, with every invariant
// checked after each step and every deletion checked against the records it should have kept.
#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <set>

#include "tests/tree/StoreUnderTest.h"

namespace {

// Items are told apart by their texts, which are unique, since ids change under deletion.
struct Identity {
  std::vector<CString> texts;    // by id
  std::vector<CString> parents;  // text of the parent, by id
  CString focus, hover;
  std::vector<std::pair<CString, CString>> tips;  // item text, tip text

  explicit Identity(const StoreUnderTest& s) {
    for (const _TREE_ITEM& item : s.m_vecItems) {
      texts.push_back(item.strText);
      parents.push_back(s.m_vecItems[std::size_t(item.nParentID)].strText);
    }
    focus = NameOf(s, s.m_nFocusItem);
    hover = NameOf(s, s.m_nHoverItem);
    for (const _TREE_ITEM_TIP& tip : s.m_vecTips)
      tips.emplace_back(NameOf(s, tip.nItemID), tip.strTip);
  }
  static CString NameOf(const StoreUnderTest& s, int id) {
    return id >= 0 && id < s.GetItem() ? s.m_vecItems[std::size_t(id)].strText : CString(L"-");
  }
};

// Everything a refused operation must leave as it was.
std::vector<int> Fingerprint(const StoreUnderTest& s) {
  std::vector<int> out{s.m_nItemCount, s.m_nFocusItem, s.m_nHoverItem, int(s.m_vecTips.size())};
  for (const _TREE_ITEM& item : s.m_vecItems)
    out.insert(out.end(),
               {item.nID, item.nParentID, item.nIndex, item.nChildCount, item.nOpen, item.eCheck});
  return out;
}

void CollectBranch(const StoreUnderTest& s, int id, std::set<int>& out) {
  out.insert(id);
  for (int child : s.m_vecChildren[std::size_t(id)]) CollectBranch(s, child, out);
}

// Checks a deletion of `removed` (ids before it) whose focus fallback is `owner`.
void ExpectKept(const Identity& before, const std::set<int>& removed, const CString& owner,
                const StoreUnderTest& after) {
  const Identity now(after);
  std::vector<CString> texts, parents;
  for (std::size_t id = 0; id < before.texts.size(); ++id) {
    if (removed.count(int(id))) continue;
    texts.push_back(before.texts[id]);
    parents.push_back(before.parents[id]);
  }
  EXPECT_EQ(now.texts, texts);
  EXPECT_EQ(now.parents, parents);
  const bool focusGone = std::find(texts.begin(), texts.end(), before.focus) == texts.end();
  EXPECT_EQ(now.focus, focusGone && before.focus != L"-" ? owner : before.focus);
  const bool hoverGone = std::find(texts.begin(), texts.end(), before.hover) == texts.end();
  EXPECT_EQ(now.hover, hoverGone ? CString(L"-") : before.hover);
  std::vector<std::pair<CString, CString>> tips;
  for (const auto& tip : before.tips)
    if (std::find(texts.begin(), texts.end(), tip.first) != texts.end()) tips.push_back(tip);
  EXPECT_EQ(now.tips, tips);
}

class TreeStoreRandom : public testing::TestWithParam<unsigned> {};

TEST_P(TreeStoreRandom, KeepsEveryInvariant) {
  std::mt19937 random(GetParam());
  const auto pick = [&](int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random);
  };
  // Mostly ids of records, sometimes ids that name nothing.
  const auto anyId = [&](const StoreUnderTest& s) {
    constexpr int kBad[] = {-1, INT_MIN, INT_MAX};
    const int roll = pick(0, 19);
    if (roll == 0) return kBad[pick(0, 2)];
    if (roll == 1) return s.GetItem() + pick(0, 2);
    return pick(0, s.GetItem() - 1);
  };

  StoreUnderTest s;
  int serial = 0;
  for (int step = 0; step < 3000; ++step) {
    SCOPED_TRACE(testing::Message() << "step " << step);
    const int op = pick(0, 199);
    const auto before = Fingerprint(s);
    if (op < 90) {
      const int parent = anyId(s);
      _TREE_ITEM item, owner;
      item.strText.Format(L"n%d", ++serial);
      item.bShowBtn = pick(0, 3) != 0;
      owner.nID = parent;
      const int done = s.InsertItem(item, pick(0, 4) ? &owner : nullptr, kDefaultColors);
      if (!done) {
        EXPECT_EQ(Fingerprint(s), before);
      }
    } else if (op < 106) {
      const int id = anyId(s);
      const bool single = op < 98;
      const bool valid = id >= 1 && id < s.GetItem() && (single || s.Item(id).nChildCount > 0);
      if (!valid) {
        if (single) {
          s.DelItemValue(id);
        } else {
          EXPECT_EQ(s.DelItemChild(id), 0);
        }
        EXPECT_EQ(Fingerprint(s), before);
      } else {
        const Identity identity(s);
        std::set<int> removed;
        const int owner = single ? s.Item(id).nParentID : id;
        for (int top : single ? std::vector<int>{id} : s.m_vecChildren[std::size_t(id)])
          CollectBranch(s, top, removed);
        const CString ownerText = s.Item(owner).strText;
        if (single) {
          s.DelItemValue(id);
        } else {
          EXPECT_EQ(s.DelItemChild(id), 1);
        }
        ExpectKept(identity, removed, ownerText, s);
        EXPECT_EQ(s.m_vecShowItems, ShownByWalk(s));  // rebuilt by the deletion itself
      }
    } else if (op == 106) {
      s.DelAllItems();
    } else if (op < 136) {
      const int id = pick(0, s.GetItem() - 1);
      if (id != 0) s.Item(id).nOpen = pick(0, 1);
    } else if (op < 146) {
      s.SetItemClose(anyId(s), anyId(s));
    } else if (op < 176) {
      const int id = anyId(s);
      const auto state = TREE_ITEM_CHECK(pick(0, 3));
      s.SetItemCheck(id, state);
      if (id < 1 || id >= s.GetItem()) {
        EXPECT_EQ(Fingerprint(s), before);
      } else if (state != TREE_CHECK_NONE) {
        std::set<int> branch;
        CollectBranch(s, id, branch);
        for (int member : branch) EXPECT_EQ(s.Check(member), state);
      }
    } else if (op < 190) {
      s.m_nFocusItem = pick(0, s.GetItem() - 1);
      s.m_nHoverItem = pick(-1, s.GetItem() - 1);
      if (s.m_nHoverItem == 0) s.m_nHoverItem = -1;
    } else if (s.GetItem() > 1) {
      std::vector<_TREE_ITEM_TIP> tips(std::size_t(pick(0, 3)));
      for (_TREE_ITEM_TIP& tip : tips) {
        tip.nItemID = pick(1, s.GetItem() - 1);
        tip.strTip.Format(L"tip of %ls", static_cast<const wchar_t*>(s.Item(tip.nItemID).strText));
      }
      s.SetTipsValue(tips);
    }
    ExpectConsistent(s);
    s.CalcShowItems();
    EXPECT_EQ(s.m_vecShowItems, ShownByWalk(s));
    if (HasFailure()) break;
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, TreeStoreRandom, testing::Values(1u, 7u, 42u, 2024u));

}  // namespace
