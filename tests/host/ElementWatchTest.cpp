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
  for (unsigned seed = 1; seed <= 20; ++seed) {
    SCOPED_TRACE(seed);
    std::mt19937 random(seed);
    std::vector<std::unique_ptr<CElementContainer>> elements;
    for (int i = 0; i < 4; ++i) elements.push_back(std::make_unique<CElementContainer>());
    std::vector<std::pair<std::unique_ptr<ElementWatch>, std::size_t>> watches;  // on an element
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
      for (const auto& [watch, element] : watches)
        ASSERT_EQ(watch->Alive(), elements[element] != nullptr) << "step " << step;
    }
  }
}
