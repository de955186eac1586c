// The handle maps behind FromHandle: a seeded run of attaching, detaching and looking up, each
// answer the same as a plain map's, so the answer kept from the last look-up is never stale.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <random>

#include "platform/mfc/TempHandleMap.h"

namespace {

struct Wrapped {
  void* handle = nullptr;
};

TEST(TempHandleMap, PermanentLookupsAgreeWithAPlainMap) {
  TempHandleMap<Wrapped> map([](void* h) { return std::make_unique<Wrapped>(Wrapped{h}); },
                             [](Wrapped& w) { w.handle = nullptr; }, [](void*) { return true; });
  std::map<void*, Wrapped*> mirror;
  Wrapped wrappers[4];
  std::mt19937 rng(24);
  const auto handle = [&] { return reinterpret_cast<void*>(std::uintptr_t(rng() % 6)); };
  for (int step = 0; step < 3000; ++step) {
    void* h = handle();
    switch (rng() % 4) {
      case 0: {
        Wrapped* w = &wrappers[rng() % 4];
        map.SetPermanent(h, w);
        mirror[h] = w;
        break;
      }
      case 1:
        map.RemovePermanent(h);
        mirror.erase(h);
        break;
      default: {
        const auto it = mirror.find(h);
        ASSERT_EQ(map.Permanent(h), it == mirror.end() ? nullptr : it->second) << step;
      }
    }
  }
}

}  // namespace
