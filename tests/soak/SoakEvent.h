// The soak's input: one event per index, made from the seed and the index alone, so any subset
// of a stream can be replayed on its own while it is shrunk to a short reproduction.
#pragma once

#include <cstdint>
#include <string>

namespace soak {

enum class Kind {
  // what a person does
  Move, Click, DoubleClick, RightClick, Press, Release, Drag, Wheel, Key, Text, Ime, Time, Resize,
  // what the host does between events
  Enable, Show, SetText, Items, Date, Theme, Rebuild,
};

// The kind and four raw numbers; the world reads them against its state when it applies them
// (which element, which point, which key), so they stay meaningful as the gallery changes.
struct Event {
  Kind kind = Kind::Move;
  uint32_t a = 0, b = 0, c = 0, d = 0;
};

Event EventAt(uint64_t seed, uint64_t index);
std::string KindName(Kind kind);

}  // namespace soak
