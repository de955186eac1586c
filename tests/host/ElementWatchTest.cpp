// The element watch: a control that calls its parent learns afterwards whether it still lives,
// through nested calls, with many watches ending in any order, and across copies.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "host/CElementContainer.h"
#include "host/ElementWatch.h"

namespace {

// A parent that runs a reaction inside each message a child sends it.
class ReactingParent : public CElementContainer {
 public:
  std::function<void()> react;
  int OnControlMessage(DWORD, UINT, WPARAM, LPARAM) override {
    if (react) react();
    return 1;
  }
};

// A child sends its parent a message and says whether it outlived it. While `nested` is set,
// the first message makes it send another, watched again, from inside the first.
class WatchedChild : public CElementContainer {
 public:
  bool nested = false;
  std::vector<bool>* survived = nullptr;  // each send's answer, innermost first

  void Send() {
    std::vector<bool>& out = *survived;  // taken first: the child may be gone afterwards
    const ElementWatch watch(*this);
    SendControlMessage(WM_NOTIFY, 0, 0);
    if (watch.Alive() && std::exchange(nested, false)) Send();
    out.push_back(watch.Alive());
  }
};

struct Family {
  ReactingParent parent;
  WatchedChild* child = new WatchedChild;
  std::vector<bool> survived;
  Family() {
    _CONTAINER_INFO info;
    info.SetParent(&parent);
    child->InitObject(L"child", &info);
    child->survived = &survived;
  }
  ~Family() { delete child; }
  // Ends the child on the nth message it sends.
  void EndOn(int nth) {
    parent.react = [this, nth, seen = 0]() mutable {
      if (++seen == nth) delete std::exchange(child, nullptr);
    };
  }
};

}  // namespace

TEST(ElementWatch, SaysWhetherTheChildOutlivedItsParentsReaction) {
  Family kept;
  kept.parent.react = [] {};
  kept.child->Send();
  EXPECT_EQ(kept.survived, (std::vector<bool>{true}));

  Family ended;
  ended.EndOn(1);
  ended.child->Send();
  EXPECT_EQ(ended.survived, (std::vector<bool>{false}));
}

// The outer send's watch is still on the stack when the inner send ends the child: both learn
// it, and the inner watch, ending first, leaves the outer one sound.
TEST(ElementWatch, AnElementEndedInANestedCallIsGoneForEveryWatch) {
  for (const int nth : {1, 2}) {
    SCOPED_TRACE(nth);
    Family family;
    family.EndOn(nth);
    family.child->nested = true;
    family.child->Send();
    // Ended by the outer message, the child sends nothing more; by the inner one, both see it.
    const std::vector<bool> expected = nth == 1 ? std::vector{false} : std::vector{false, false};
    EXPECT_EQ(family.survived, expected);
  }
}

// Seeded random operations on a few elements: watch one, end a watch (any of them), end an
// element, copy or assign one. After every step each watch is alive exactly while its element is.
TEST(ElementWatch, ManyWatchesEndingInAnyOrderFollowTheirElements) {
  for (unsigned seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    std::vector<std::unique_ptr<CElementContainer>> elements;
    for (int i = 0; i < 4; ++i) elements.push_back(std::make_unique<CElementContainer>());
    struct Watched {
      std::unique_ptr<ElementWatch> watch;
      std::size_t element;
    };
    std::vector<Watched> watches;
    for (int step = 0; step < 300; ++step) {
      const std::size_t e = random() % elements.size();
      switch (random() % 8) {
        case 0:
          elements[e].reset();
          break;
        case 1:
          if (elements[e]) elements.push_back(std::make_unique<CElementContainer>(*elements[e]));
          break;
        case 2:
          if (elements[e] && elements[0]) *elements[0] = *elements[e];
          break;
        case 3:
        case 4:
          if (!watches.empty()) watches.erase(watches.begin() + long(random() % watches.size()));
          break;
        default:
          if (elements[e]) watches.push_back({std::make_unique<ElementWatch>(*elements[e]), e});
          break;
      }
      for (const Watched& w : watches)
        ASSERT_EQ(w.watch->Alive(), elements[w.element] != nullptr) << "step " << step;
    }
  }
}
