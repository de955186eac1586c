// The tree's item store on trees of 100,000 and 1,000,000 records: top-level items with 99
// children each, and for deletion one item in the middle holding half the records as children.
// Then the tree element in a headless host window: painting 30 rows in each style, and a wheel
// notch, a key and a click with their repaints on trees of 100k and 1M records, whose times
// must not grow with the records, and what the tree keeps resident per record at 1M.
//
// Each figure is printed against its goal, and each whole-tree operation's time per record at 1M
// against its time per record at 100k. The store's figures are medians of repeated runs, so
// that first-touch allocation is not the figure.
#include <benchmark/benchmark.h>

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "bench/RatioReporter.h"
#include "host/CElementHostWnd.h"
#include "platform/backend/headless/HeadlessScreen.h"
#include "tree/CElementTree.h"
#include "tree/CTreeStore.h"

namespace {

constexpr int kChildren = 99;
constexpr CTreeStore::ItemColors kColors{RGB(0, 0, 0), RGB(255, 255, 255)};

struct BenchStore : CTreeStore {
  using CTreeStore::m_vecItems;
};

// The records a host would hand in: texts built, structure left to the store.
std::vector<_TREE_ITEM> MakeItems(int count) {
  std::vector<_TREE_ITEM> items(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) items[std::size_t(i)].strText.Format(L"Item %d", i);
  return items;
}

// Inserts `tops` top-level items with kChildren children each, taking records from `items`.
void InsertBranches(CTreeStore& store, std::vector<_TREE_ITEM>& items, std::size_t& next,
                    int tops) {
  for (int t = 0; t < tops; ++t) {
    _TREE_ITEM& top = items[next++];
    store.InsertItem(top, nullptr, kColors);
    for (int c = 0; c < kChildren; ++c) store.InsertItem(items[next++], &top, kColors);
  }
}

int Tops(const benchmark::State& state) { return int(state.range(0)) / (kChildren + 1); }

BenchStore BuildTree(int records) {
  BenchStore store;
  std::vector<_TREE_ITEM> items = MakeItems(records);
  std::size_t next = 0;
  InsertBranches(store, items, next, records / (kChildren + 1));
  return store;
}

// Half the records under one item in the middle; returns that item's id through `big`.
BenchStore BuildLopsidedTree(int records, int& big) {
  BenchStore store;
  std::vector<_TREE_ITEM> items = MakeItems(records + 1);
  std::size_t next = 0;
  const int tops = records / 2 / (kChildren + 1);
  InsertBranches(store, items, next, tops / 2);
  _TREE_ITEM& owner = items[next++];
  store.InsertItem(owner, nullptr, kColors);
  big = owner.nID;
  for (int c = 0; c < records / 2; ++c) store.InsertItem(items[next++], &owner, kColors);
  InsertBranches(store, items, next, tops - tops / 2);
  return store;
}

void Insert(benchmark::State& state) {
  std::vector<_TREE_ITEM> items = MakeItems(int(state.range(0)));
  for (auto _ : state) {
    std::optional<CTreeStore> store(std::in_place);
    std::size_t next = 0;
    InsertBranches(*store, items, next, Tops(state));
    benchmark::DoNotOptimize(store->GetItem());
    state.PauseTiming();
    store.reset();
    state.ResumeTiming();
  }
}

// A top-level item in the middle, with its 99 children, checked and unchecked in turn.
void CheckTopLevel(benchmark::State& state) {
  BenchStore store = BuildTree(int(state.range(0)));
  const int top = (Tops(state) / 2) * (kChildren + 1) + 1;
  bool on = false;
  for (auto _ : state) {
    on = !on;
    store.SetItemCheck(top, on ? TREE_CHECK_YES : TREE_CHECK_NO);
  }
  benchmark::DoNotOptimize(store.GetItemChildCheckNum(top));
}

// One child of that item, its parent recomputed from its 99 children.
void CheckChild(benchmark::State& state) {
  BenchStore store = BuildTree(int(state.range(0)));
  const int top = (Tops(state) / 2) * (kChildren + 1) + 1;
  store.SetItemCheck(top, TREE_CHECK_YES);
  bool on = false;
  for (auto _ : state) {
    on = !on;
    store.SetItemCheck(top + 50, on ? TREE_CHECK_NO : TREE_CHECK_YES);
  }
  benchmark::DoNotOptimize(store.GetItemChildCheckNum(top));
}

void OpenAllAndShow(benchmark::State& state) {
  BenchStore store = BuildTree(int(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    for (std::size_t i = 1; i < store.m_vecItems.size(); ++i) store.m_vecItems[i].nOpen = 0;
    state.ResumeTiming();
    for (std::size_t i = 1; i < store.m_vecItems.size(); ++i) store.m_vecItems[i].nOpen = 1;
    store.CalcShowItems();
  }
}

void DelItemChild(benchmark::State& state) {
  int big = 0;
  const BenchStore tree = BuildLopsidedTree(int(state.range(0)), big);
  for (auto _ : state) {
    state.PauseTiming();
    std::optional<BenchStore> store(tree);
    state.ResumeTiming();
    store->DelItemChild(big);
    state.PauseTiming();
    store.reset();
    state.ResumeTiming();
  }
}

void DelAllItems(benchmark::State& state) {
  const BenchStore tree = BuildTree(int(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    std::optional<BenchStore> store(tree);
    state.ResumeTiming();
    store->DelAllItems();
    state.PauseTiming();
    store.reset();
    state.ResumeTiming();
  }
}

void GetCheckedItems(benchmark::State& state) {
  BenchStore store = BuildTree(int(state.range(0)));
  for (int t = 0; t < Tops(state); ++t) store.SetItemCheck(t * (kChildren + 1) + 1, TREE_CHECK_YES);
  std::vector<_TREE_ITEM> out;
  for (auto _ : state) store.GetCheckedItems(out);
  benchmark::DoNotOptimize(out.size());
}

constexpr int kSmall = 100000, kLarge = 1000000;
constexpr int kRepetitions = 3;

// Both sizes, repeated: the goals read the medians.
void StoreSizes(benchmark::internal::Benchmark* b) {
  b->Arg(kSmall)->Arg(kLarge)->Repetitions(kRepetitions)->ReportAggregatesOnly(true);
}

// ---- the element

constexpr int kTreeWidth = 300, kTreeHeight = 600;

class BenchTree : public CElementTree {
 public:
  void OpenAll() {
    for (_TREE_ITEM& item : m_vecItems) item.nOpen = 1;
    RecalcAndRefresh();
  }
};

// A headless desktop with one tree 300 x 600 at (10, 10) of its window.
class TreeDesk {
 public:
  explicit TreeDesk(TREE_SHOW_STYLE style) {
    window.CreateHost(L"bench", CRect(10, 10, 30 + kTreeWidth, 30 + kTreeHeight));
    _CONTAINER_INFO info;
    info.SetPosition(10, 10);
    info.SetSize(kTreeWidth, kTreeHeight);
    info.SetParent(window.Root());
    tree.SetShowStyle(style);
    tree.InitObject(L"tree", &info);
    tree.SetFocus();
  }
  void Settle() { screen.PumpUntilIdle(); }
  POINT Screen(int x, int y) {
    POINT pt{20 + x, 20 + y};
    ::ClientToScreen(window.m_hWnd, &pt);
    return pt;
  }

  platform::headless::HeadlessScreen screen{800, 700};
  CElementHostWnd window;
  BenchTree tree;
};

// Five top-level items with two children of two children each, all with boxes: 35 rows when all
// are open, of which 30 fill the tree.
void FillThreeLevels(BenchTree& tree) {
  for (int t = 0; t < 5; ++t) {
    _TREE_ITEM top;
    top.strText.Format(L"Top-level item %d", t);
    top.eCheck = TREE_CHECK_NO;
    tree.InsertItem(top, nullptr);
    for (int c = 0; c < 2; ++c) {
      _TREE_ITEM child;
      child.strText.Format(L"Child item %d.%d", t, c);
      child.eCheck = TREE_CHECK_YES;
      tree.InsertItem(child, &top);
      for (int g = 0; g < 2; ++g) {
        _TREE_ITEM grandchild;
        grandchild.strText.Format(L"Grandchild %d.%d.%d", t, c, g);
        grandchild.eCheck = g ? TREE_CHECK_NO : TREE_CHECK_YES;
        tree.InsertItem(grandchild, &child);
      }
    }
  }
  tree.SetItemCheck(2, TREE_CHECK_NO);
}

// The whole tree repainted: its 30 rows and the scroll bar over it.
void PaintTree(benchmark::State& state) {
  TreeDesk desk(TREE_SHOW_STYLE(state.range(0)));
  FillThreeLevels(desk.tree);
  // The focus closes every branch but its own: open them again, or 9 rows would be painted.
  desk.tree.SetFocusItem(4);
  desk.tree.OpenAll();
  desk.Settle();
  for (auto _ : state) {
    desk.tree.InvalidContainerRect(0, nullptr);
    desk.Settle();
  }
}

// A tree of `records` records in the store's shape, all closed, the focus in the middle.
void FillRecords(TreeDesk& desk, int records) {
  std::vector<_TREE_ITEM> items = MakeItems(records);
  std::size_t next = 0;
  for (int t = 0; t < records / (kChildren + 1); ++t) {
    _TREE_ITEM& top = items[next++];
    desk.tree.InsertItem(top, nullptr);
    for (int c = 0; c < kChildren; ++c) desk.tree.InsertItem(items[next++], &top);
  }
  desk.tree.RecalcAndRefresh();
  desk.tree.SetFocusItem((records / (kChildren + 1) / 2) * (kChildren + 1) + 1);
  desk.Settle();
}

void WheelNotch(benchmark::State& state) {
  TreeDesk desk(TREE_STYLE_LINE);
  FillRecords(desk, int(state.range(0)));
  const POINT pt = desk.Screen(100, 100);
  desk.screen.MouseMove(pt.x, pt.y);
  desk.Settle();
  bool down = true;
  for (auto _ : state) {
    desk.screen.MouseWheel(down ? -WHEEL_DELTA : WHEEL_DELTA);
    desk.Settle();
    down = !down;
  }
}

void DownKey(benchmark::State& state) {
  TreeDesk desk(TREE_STYLE_LINE);
  FillRecords(desk, int(state.range(0)));
  bool down = true;
  for (auto _ : state) {
    desk.screen.KeyPress(down ? VK_DOWN : VK_UP);
    desk.Settle();
    down = !down;
  }
}

// Presses on the texts of two rows in turn, far enough apart in time to be no double click.
void ClickRow(benchmark::State& state) {
  TreeDesk desk(TREE_STYLE_LINE);
  FillRecords(desk, int(state.range(0)));
  bool first = true;
  for (auto _ : state) {
    const POINT pt = desk.Screen(40, first ? 50 : 90);
    desk.screen.Click(pt.x, pt.y);
    desk.Settle();
    state.PauseTiming();
    desk.screen.AdvanceTime(1000);
    state.ResumeTiming();
    first = !first;
  }
}

// Two children deep in the tree in turn: each closes every branch and opens the other's.
void SetFocusDeep(benchmark::State& state) {
  TreeDesk desk(TREE_STYLE_LINE);
  FillRecords(desk, int(state.range(0)));
  const int tops = int(state.range(0)) / (kChildren + 1);
  const int a = (tops / 3) * (kChildren + 1) + 60, b = (2 * tops / 3) * (kChildren + 1) + 40;
  bool first = true;
  for (auto _ : state) {
    desk.tree.SetFocusItem(first ? a : b);
    first = !first;
  }
  desk.Settle();
}

// What the process keeps resident for the tree's records, measured around filling an empty
// tree as a host does: each record built, inserted and let go, then the rows laid out and
// painted. Freed memory is handed back to the system on both sides of the fill, so that only
// what the tree holds (and what its allocations leave unusable) counts.
std::size_t ResidentBytes() {
  malloc_trim(0);
  long pages = 0, resident = 0;
  if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(statm);
  }
  return std::size_t(resident) * std::size_t(sysconf(_SC_PAGESIZE));
}

void ResidentGrowth(benchmark::State& state) {
  const int records = int(state.range(0));
  for (auto _ : state) {
    std::optional<TreeDesk> desk(std::in_place, TREE_STYLE_LINE);
    desk->Settle();
    const std::size_t before = ResidentBytes();
    for (int t = 0; t < records / (kChildren + 1); ++t) {
      _TREE_ITEM top;
      top.strText.Format(L"Item %d", t * (kChildren + 1));
      desk->tree.InsertItem(top, nullptr);
      for (int c = 1; c <= kChildren; ++c) {
        _TREE_ITEM child;
        child.strText.Format(L"Item %d", t * (kChildren + 1) + c);
        desk->tree.InsertItem(child, &top);
      }
    }
    desk->tree.RecalcAndRefresh();
    desk->Settle();
    const std::size_t after = ResidentBytes();
    state.counters["bytes_per_item"] = double(after - std::min(before, after)) / records;
    desk.reset();
  }
}

// The memory first, while the process has not yet grown and freed anything.
BENCHMARK(ResidentGrowth)->Arg(kLarge)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(Insert)->Apply(StoreSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(CheckTopLevel)->Apply(StoreSizes);
BENCHMARK(CheckChild)->Apply(StoreSizes);
BENCHMARK(OpenAllAndShow)->Apply(StoreSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(DelItemChild)->Apply(StoreSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(DelAllItems)->Apply(StoreSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(GetCheckedItems)->Apply(StoreSizes)->Unit(benchmark::kMillisecond);
BENCHMARK(PaintTree)->Arg(TREE_STYLE_LINE)->Arg(TREE_STYLE_FLAT)->Unit(benchmark::kMicrosecond);
BENCHMARK(WheelNotch)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(DownKey)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(ClickRow)->Arg(kSmall)->Arg(kLarge)->Unit(benchmark::kMicrosecond);
BENCHMARK(SetFocusDeep)->Arg(kSmall)->Unit(benchmark::kMicrosecond);

// The store's goals at 100k records, read from the medians; the single-item checks are held to
// theirs at 1M as well, since they must not depend on the size of the tree.
struct StoreGoal {
  const char* name;  // benchmark name without the size
  const char* what;
  double nanoseconds;
  bool anySize;
};

constexpr StoreGoal kStoreGoals[] = {
    {"Insert", "insert every record", 20e6, false},
    {"CheckTopLevel", "check a top-level item with 99 children", 2e3, true},
    {"CheckChild", "check one child, parent recomputed", 1e3, true},
    {"OpenAllAndShow", "open every item, rebuild the shown list", 2e6, false},
    {"DelItemChild", "DelItemChild of half the records", 5e6, false},
    {"DelAllItems", "DelAllItems", 5e6, false},
};

// Whole-tree operations must be linear: ten times the records may cost a little more per record
// once the tree outgrows the caches, but nowhere near the tenfold a quadratic step would show.
constexpr const char* kLinear[] = {"Insert", "OpenAllAndShow", "DelItemChild", "DelAllItems",
                                   "GetCheckedItems"};
constexpr double kLinearGrowthLimit = 5.0;

// The median of the repeated runs.
std::string Median(const std::string& name, int records) {
  return name + "/" + std::to_string(records) + "/repeats:" + std::to_string(kRepetitions) +
         "_median";
}

std::vector<trellis::bench::Limit> Limits() {
  std::vector<trellis::bench::Limit> limits;
  for (const StoreGoal& goal : kStoreGoals) {
    limits.push_back({Median(goal.name, kSmall), goal.nanoseconds,
                      std::string(goal.what) + ", 100k"});
    if (goal.anySize)
      limits.push_back({Median(goal.name, kLarge), goal.nanoseconds,
                        std::string(goal.what) + ", 1M"});
  }
  const std::vector<trellis::bench::Limit> element = {
      {"PaintTree/0", 60e3, "paint 30 rows, 300 x 600, line style"},
      {"PaintTree/1", 60e3, "paint 30 rows, 300 x 600, flat style"},
      {"WheelNotch/100000", 200e3, "a wheel notch + repaint at 100k"},
      {"WheelNotch/1000000", 40e3, "a wheel notch + repaint at 1M"},
      {"DownKey/100000", 200e3, "Down key + repaint at 100k"},
      {"DownKey/1000000", 25e3, "Down key + repaint at 1M"},
      {"ClickRow/100000", 200e3, "click on a row + repaint at 100k"},
      {"ClickRow/1000000", 25e3, "click on a row + repaint at 1M"},
      {"SetFocusDeep/100000", 2e6, "SetFocusItem on a deep item at 100k"},
      {"ResidentGrowth/1000000/iterations:1", 150, "memory at 1M items (resident growth / item)",
       "bytes_per_item", "bytes"},
  };
  limits.insert(limits.end(), element.begin(), element.end());
  return limits;
}

// Prints each whole-tree operation's time per record at 1M against 100k; returns how many grew
// past the limit.
int PrintLinearGrowth(const trellis::bench::RatioReporter& reporter) {
  using trellis::bench::TimeFigure;
  int missed = 0;
  std::printf("\n%-42s %10s %10s %8s %6s\n", "linear (time per record, 1M / 100k)", "100k", "1M",
              "growth", "limit");
  for (const char* name : kLinear) {
    const double small = reporter.Nanoseconds(Median(name, kSmall));
    const double large = reporter.Nanoseconds(Median(name, kLarge));
    if (small < 0 || large < 0) continue;
    const double growth = (large / kLarge) / (small / kSmall);
    missed += growth > kLinearGrowthLimit;
    std::printf("%-42s %10s %10s %8.2f %6.1f %s\n", name, TimeFigure(small).c_str(),
                TimeFigure(large).c_str(), growth, kLinearGrowthLimit,
                growth > kLinearGrowthLimit ? "MISSED" : "");
  }
  return missed;
}

}  // namespace

int main(int argc, char** argv) {
  // Freed memory stays with the process, so that every size runs on memory it has touched
  // before. Otherwise each 1M run pays the kernel for some 300 MB of fresh pages (inserting
  // 1M records then takes about five times as long), which measures the system, not the store.
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, -1);
  benchmark::Initialize(&argc, argv);
  trellis::bench::RatioReporter reporter({}, Limits());
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const int missed = reporter.PrintGoals() + PrintLinearGrowth(reporter);
  benchmark::Shutdown();
  return missed == 0 ? 0 : 1;
}
