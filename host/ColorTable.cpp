#include "host/ColorTable.h"

#include <bit>

int ColorTable::Index(DWORD part, DWORD state) {
  if (!std::has_single_bit(part) || !std::has_single_bit(state)) return -1;
  const int p = std::countr_zero(part), s = std::countr_zero(state);
  return p < kParts && s < kStates ? p * kStates + s : -1;
}

COLORREF ColorTable::Get(DWORD part, DWORD state) const {
  const int i = Index(part, state);
  return i < 0 ? COLOR_NONE : m_colors[std::size_t(i)];
}

void ColorTable::Set(COLORREF color, DWORD part, DWORD state) {
  const int i = Index(part, state);
  if (i >= 0) m_colors[std::size_t(i)] = color;
}
