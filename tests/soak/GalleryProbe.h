// What both soaks (the headless one and the one through the real window) ask of the live
// gallery: its elements and open pop-ups, where to aim the next event, where a click lands on
// nothing, and the invariants that hold between events.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "apps/gallery/GalleryWindow.h"

namespace soak {

// A 64-bit mixing step: streams are made from a seed and an event's index alone.
uint64_t Mix(uint64_t x);

template <class T, size_t N>
const T& Pick(const T (&table)[N], uint32_t r) { return table[r % N]; }

// A kind of event and its share of a stream.
struct Weighted {
  const char* name;
  int weight;
};
// The index of the kind a raw number picks, each kind as likely as its share of the weights.
template <size_t N>
size_t PickWeighted(const Weighted (&kinds)[N], uint64_t r) {
  int total = 0;
  for (const Weighted& w : kinds) total += w.weight;
  int pick = int(r % uint64_t(total));
  size_t k = 0;
  while (pick >= kinds[k].weight) pick -= kinds[k++].weight;
  return k;
}

// Every element of the board and of the scroll bar's column, depth first; `shownOnly` leaves
// out hidden ones and what they hold.
std::vector<CElementContainer*> GalleryElements(GalleryWindow& gallery, bool shownOnly);
// The visible top-level windows other than the gallery's own: its controls' pop-ups.
std::vector<HWND> OpenPopUps(GalleryWindow& gallery);

// A screen point for the next pointer event, from three raw numbers: mostly in a shown element
// (scrolling the board to it, as a person would), else in an open pop-up, anywhere on the
// screen, or just off it.
POINT Aim(GalleryWindow& gallery, const CRect& screen, uint32_t how, uint32_t u, uint32_t v);

// A screen point on the board's empty left margin, where a click ends whatever was going on;
// null when the screen shows none.
std::optional<POINT> EmptySpot(GalleryWindow& gallery, const CRect& screen);

// The first invariant that does not hold, described; `settled` adds the ones that need a
// settle first (no capture, no pop-up).
std::optional<std::string> CheckGallery(GalleryWindow& gallery, bool settled);

}  // namespace soak
