#include "host/MenuItem.h"

int NextChoosableItem(const std::vector<MenuItem>& items, int from, int step) {
  const int count = int(items.size());
  const int direction = step > 0 ? 1 : -1;
  int at = from;
  if (at < 0 || at >= count) at = direction > 0 ? -1 : count;
  for (int tried = 0; tried < count; ++tried) {
    at = (at + direction + count) % count;
    if (items[std::size_t(at)].IsChoosable()) return at;
  }
  return -1;
}
