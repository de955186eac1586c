// The tree keeps what it measured and what it fetched between paints. A seeded random sequence
// of text, font and row colour changes, in both styles, checks after every step that the tree
// that lived through them paints exactly what a tree made fresh in the same state paints.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "tests/tree/TreeFixture.h"

namespace trellis::test {
namespace {

constexpr int kWidth = 180, kHeight = 280;

// Short, long enough to be cut, wide and narrow letters, a script from another font.
const wchar_t* const kTexts[] = {L"a",        L"Mail",          L"iiiiiiiiiiii",
                                 L"WWWWWWWWWWWW",                 L"Documents",
                                 L"A rather long item name to cut", L"中文名称",
                                 L"x y z",    L"Projects 2026"};

struct Top {
  std::wstring text;
  std::vector<std::wstring> children;
};

class TreeCache : public TreeFixture {
 protected:
  static constexpr int kFreshX = kTreeX + kWidth + 10;

  // Everything the sequence changes, from which a fresh tree is made.
  struct State {
    std::vector<Top> tops;
    LOGFONTW father{}, child{};
    TREE_SHOW_STYLE style = TREE_STYLE_LINE;
    std::vector<COLORREF> colors;
  };

  static void Fill(CElementTree& t, const State& s) {
    t.DelAllItems();
    for (const Top& top : s.tops) {
      _TREE_ITEM item{.strText = top.text.c_str()};
      t.InsertItem(item, nullptr);
      for (const std::wstring& text : top.children) {
        _TREE_ITEM child{.strText = text.c_str()};
        t.InsertItem(child, &item);
      }
    }
  }

  // A row's colours are the host's to change at any time; they go by id, in turn. None given,
  // the rows keep the ones they were made with.
  static void Color(CElementTree& t, const State& s) {
    if (s.colors.empty()) return;
    for (int id = 1; id < t.GetItem(); ++id) {
      _TREE_ITEM look;
      look.clrBkFrom = look.clrBkTo = s.colors[std::size_t(id) % s.colors.size()];
      look.clrText = s.colors[std::size_t(id + 1) % s.colors.size()];
      t.SetItemByID(id, &look);
    }
  }

  // What a tree made now, in state `s`, shows.
  std::vector<COLORREF> FreshPaint(State s) {
    TestTree fresh;
    fresh.SetShowStyle(s.style);
    _CONTAINER_INFO info = Info(kFreshX, kTreeY, kWidth, kHeight, 8);
    fresh.InitObject(L"fresh", &info);
    fresh.SetTreeFont(s.father, s.child);
    Fill(fresh, s);
    fresh.OpenAll();
    Color(fresh, s);
    fresh.RecalcAndRefresh();
    fresh.SetFocus();
    const std::vector<COLORREF> shown = Shown(fresh, {0, 0, kWidth, kHeight});
    fresh.ReleaseObject();
    tree->SetFocus();
    Pump();
    return shown;
  }
};

TEST_F(TreeCache, ATreeThatLivedThroughChangesPaintsAsAFreshOne) {
  constexpr unsigned kSeed = 20261207;
  constexpr int kSteps = 60;
  const COLORREF colors[] = {RGB(200, 0, 0), RGB(0, 90, 0), RGB(255, 255, 0), RGB(0, 0, 0)};
  std::mt19937 random(kSeed);
  const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  const auto text = [&] { return std::wstring(kTexts[pick(int(std::size(kTexts)))]); };
  for (TREE_SHOW_STYLE style : {TREE_STYLE_LINE, TREE_STYLE_FLAT}) {
    Make(kWidth, kHeight, style);
    State s;
    s.style = style;
    s.father = *tree->GetTreeFatherLogfont();
    s.child = *tree->GetTreeChildLogfont();
    for (int k = 0; k < 5; ++k) s.tops.push_back({text(), {text(), text()}});
    Fill(*tree, s);
    tree->OpenAll();
    const LOGFONTW base = s.father;
    for (int step = 0; step < kSteps; ++step) {
      const int op = pick(4);
      switch (op) {
        case 0:
        case 1: {  // one text changes; the items are made again, so ids name other texts
          Top& top = s.tops[std::size_t(pick(int(s.tops.size())))];
          if (pick(2)) top.text = text();
          else top.children[std::size_t(pick(int(top.children.size())))] = text();
          Fill(*tree, s);
          Color(*tree, s);
          tree->OpenAll();
          break;
        }
        case 2: {  // either font: its size, weight or slant
          LOGFONTW& font = pick(2) ? s.father : s.child;
          font = base;
          font.lfHeight = base.lfHeight < 0 ? -(11 + pick(7)) : 11 + pick(7);
          font.lfWeight = pick(2) ? FW_BOLD : FW_NORMAL;
          font.lfItalic = BYTE(pick(2));
          tree->SetTreeFont(s.father, s.child);
          tree->RecalcAndRefresh();
          break;
        }
        default:  // the rows' colours
          s.colors.push_back(colors[pick(int(std::size(colors)))]);
          if (s.colors.size() > 3) s.colors.erase(s.colors.begin());
          Color(*tree, s);
          tree->RecalcAndRefresh();
          break;
      }
      const std::vector<COLORREF> lived = Shown(*tree, {0, 0, kWidth, kHeight});
      ASSERT_EQ(lived, FreshPaint(s))
          << "style " << style << ", seed " << kSeed << ", step " << step << ", op " << op;
    }
  }
}

}  // namespace
}  // namespace trellis::test
