// The element watch: many watches on a few elements, nested and ending in any order, with the
// elements ended, copied and assigned. A control that calls out is one such nest: its watch
// outlives the call that may end it.
#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "host/CElementContainer.h"
#include "host/ElementWatch.h"

// Seeded random operations on a few elements: watch one, end a watch (any of them), end an
// element, copy or assign one. After every step each watch is alive exactly while its element is.
TEST(ElementWatch, ManyWatchesEndingInAnyOrderFollowTheirElements) {
  using Element = CElementContainer;
  for (unsigned seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    std::vector<std::unique_ptr<Element>> elements;
    for (int i = 0; i < 4; ++i) elements.push_back(std::make_unique<Element>());
    std::vector<std::pair<std::unique_ptr<ElementWatch>, std::size_t>> watches;  // on an element
    for (int step = 0; step < 300; ++step) {
      const std::size_t e = random() % elements.size();
      const auto op = random() % 8;  // ends, copies, assigns, ends a watch (2 in 8), watches
      if (op == 0) elements[e].reset();
      if (op == 1 && elements[e]) elements.push_back(std::make_unique<Element>(*elements[e]));
      if (op == 2 && elements[e] && elements[0]) *elements[0] = *elements[e];
      if ((op == 3 || op == 4) && !watches.empty())
        watches.erase(watches.begin() + long(random() % watches.size()));
      if (op >= 5 && elements[e])
        watches.push_back({std::make_unique<ElementWatch>(*elements[e]), e});
      for (const auto& [watch, element] : watches)
        ASSERT_EQ(watch->Alive(), elements[element] != nullptr) << "step " << step;
    }
  }
}
