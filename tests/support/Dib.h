// Packed DIBs (what an RT_BITMAP resource holds) built by tests.
#pragma once

#include <functional>
#include <vector>

#include "platform/win32/WinGdi.h"

namespace trellis::test {

// A BI_RGB DIB of the given depth; `height` < 0 makes it top-down. Each pixel's value comes
// from `value(x, y)` with y counted from the top: a COLORREF for 24 and 32 bits, a palette index
// for 1, 4 and 8 bits (then `palette` holds the colour table).
std::vector<BYTE> MakeDib(int width, int height, int bitCount,
                          const std::function<DWORD(int x, int y)>& value,
                          const std::vector<COLORREF>& palette = {});

}  // namespace trellis::test
