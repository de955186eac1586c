#include "tests/soak/SoakEvent.h"

#include <iterator>

namespace soak {
namespace {

uint64_t Mix(uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

struct Weighted {
  Kind kind;
  const char* name;
  int weight;  // in 2000ths of the stream
};
// Rebuilding the whole gallery is the slowest event by far, so it is the rarest.
constexpr Weighted kKinds[] = {
    {Kind::Move, "move", 300},          {Kind::Click, "click", 240},
    {Kind::DoubleClick, "double", 70},  {Kind::RightClick, "right", 70},
    {Kind::Press, "press", 60},         {Kind::Release, "release", 60},
    {Kind::Drag, "drag", 80},           {Kind::Wheel, "wheel", 90},
    {Kind::Key, "key", 300},            {Kind::Text, "text", 110},
    {Kind::Ime, "ime", 50},             {Kind::Time, "time", 240},
    {Kind::Resize, "resize", 30},       {Kind::Enable, "enable", 60},
    {Kind::Show, "show", 60},           {Kind::SetText, "settext", 40},
    {Kind::Items, "items", 60},         {Kind::Date, "date", 20},
    {Kind::Theme, "theme", 8},          {Kind::Rebuild, "rebuild", 2},
};

}  // namespace

Event EventAt(uint64_t seed, uint64_t index) {
  uint64_t state = Mix(Mix(seed) ^ index);
  auto next = [&state] { return state = Mix(state); };
  int total = 0;
  for (const Weighted& w : kKinds) total += w.weight;
  int pick = int(next() % uint64_t(total));
  Event e;
  for (const Weighted& w : kKinds) {
    if (pick < w.weight) {
      e.kind = w.kind;
      break;
    }
    pick -= w.weight;
  }
  e.a = uint32_t(next());
  e.b = uint32_t(next());
  e.c = uint32_t(next());
  e.d = uint32_t(next());
  return e;
}

std::string KindName(Kind kind) {
  for (const Weighted& w : kKinds)
    if (w.kind == kind) return w.name;
  return "?";
}

}  // namespace soak
