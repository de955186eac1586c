// Scrolling by copying: ScrollWindowEx and ScrollDC against a plain per-pixel reference over
// seeded random moves, rectangles and clips, then what the move does to invalid areas and
// child windows.
#include <algorithm>
#include <random>
#include <string>

#include "platform/win32/WinGdi.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

constexpr int kWidth = 48, kHeight = 40;

// Every pixel its own colour, so any pixel tells where it came from.
COLORREF Marker(int x, int y) { return RGB(x * 5, y * 6, 77); }

struct Expected {
  std::vector<COLORREF> pixels;
  RECT box{0, 0, 0, 0};
  int type = NULLREGION;
};

bool Inside(const RECT& r, int x, int y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

// The reference: a pixel inside the clip takes the pixel dx, dy before it when that one lies in
// the scroll rectangle; a pixel of both rectangles that takes none is uncovered.
Expected Reference(int dx, int dy, const RECT& scroll, const RECT& clip) {
  Expected e;
  e.pixels.resize(std::size_t(kWidth * kHeight));
  int uncovered = 0;
  RECT box{kWidth, kHeight, 0, 0};
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const bool landed = Inside(clip, x, y) && Inside(scroll, x - dx, y - dy);
      e.pixels[std::size_t(y * kWidth + x)] = landed ? Marker(x - dx, y - dy) : Marker(x, y);
      if (landed || !Inside(clip, x, y) || !Inside(scroll, x, y)) continue;
      ++uncovered;
      box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
             std::max<LONG>(box.right, x + 1), std::max<LONG>(box.bottom, y + 1)};
    }
  }
  if (uncovered == 0) return e;
  e.box = box;
  const int area = (box.right - box.left) * (box.bottom - box.top);
  e.type = uncovered == area ? SIMPLEREGION : COMPLEXREGION;
  return e;
}

class ScrollWindow : public WindowTest {
 protected:
  void SetUp() override {
    window = Make(WS_POPUP | WS_VISIBLE, {30, 30, 30 + kWidth, 30 + kHeight}, nullptr, 0,
                  kPlainClass);
    screen.PumpUntilIdle();
    dc = GetDC(window);
  }
  void TearDown() override { ReleaseDC(window, dc); }

  void Mark() {
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) SetPixel(dc, x, y, Marker(x, y));
    ValidateRect(window, nullptr);
  }
  RECT RandomRect(std::mt19937& random) {
    const auto coord = [&](int n) { return std::uniform_int_distribution<int>(-4, n + 4)(random); };
    const int x0 = coord(kWidth), x1 = coord(kWidth), y0 = coord(kHeight), y1 = coord(kHeight);
    return {std::min(x0, x1), std::min(y0, y1), std::max(x0, x1), std::max(y0, y1)};
  }
  void ExpectPixels(const Expected& e, const std::string& where) {
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x)
        ASSERT_EQ(GetPixel(dc, x, y), e.pixels[std::size_t(y * kWidth + x)])
            << where << " at " << x << "," << y;
  }

  HWND window = nullptr;
  HDC dc = nullptr;
};

TEST_F(ScrollWindow, BothCallsMovePixelsAndNameTheUncoveredAreaAsTheReferenceDoes) {
  constexpr unsigned kSeed = 20261207;
  std::mt19937 random(kSeed);
  const RECT client{0, 0, kWidth, kHeight};
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  for (int step = 0; step < 400; ++step) {
    const std::string where = "seed " + std::to_string(kSeed) + ", step " + std::to_string(step);
    const int dx = std::uniform_int_distribution<int>(-12, 12)(random) * (step % 3 == 0);
    const int dy = std::uniform_int_distribution<int>(-50, 50)(random) / (1 + step % 4);
    const bool wholeScroll = step % 5 == 0, wholeClip = step % 7 == 0;
    const RECT scroll = RandomRect(random), clip = RandomRect(random);
    RECT scrollIn = wholeScroll ? client : scroll, clipIn = wholeClip ? client : clip;
    IntersectRect(&scrollIn, &scrollIn, &client);
    IntersectRect(&clipIn, &clipIn, &client);
    const Expected e = Reference(dx, dy, scrollIn, clipIn);
    Mark();
    RECT update{-1, -1, -1, -1}, box{};
    const bool byWindow = step % 2 == 0;
    if (byWindow) {
      const UINT flags = step % 4 == 0 ? SW_INVALIDATE | SW_ERASE : SW_SMOOTHSCROLL;
      EXPECT_EQ(ScrollWindowEx(window, dx, dy, wholeScroll ? nullptr : &scroll,
                               wholeClip ? nullptr : &clip, region, &update, flags),
                e.type)
          << where;
      RECT invalid{};
      GetUpdateRect(window, &invalid, FALSE);
      const RECT none{0, 0, 0, 0};
      EXPECT_TRUE(EqualRect(&invalid, (flags & SW_INVALIDATE) ? &e.box : &none)) << where;
    } else {
      EXPECT_TRUE(ScrollDC(dc, dx, dy, wholeScroll ? nullptr : &scroll,
                           wholeClip ? nullptr : &clip, region, &update))
          << where;
    }
    EXPECT_EQ(GetRgnBox(region, &box), e.type == NULLREGION ? NULLREGION : SIMPLEREGION);
    EXPECT_TRUE(EqualRect(&update, &e.box)) << where;
    EXPECT_TRUE(EqualRect(&box, &e.box)) << where;
    ExpectPixels(e, where);
    if (HasFailure()) break;
  }
  DeleteObject(region);
}

TEST_F(ScrollWindow, RefusesWhatIsNotAWindowDcOrRegion) {
  HPEN pen = CreatePen(PS_SOLID, 1, 0);
  const HRGN notRegion = reinterpret_cast<HRGN>(pen);
  EXPECT_EQ(ScrollWindowEx(nullptr, 0, 1, nullptr, nullptr, nullptr, nullptr, 0), ERROR);
  EXPECT_EQ(ScrollWindowEx(window, 0, 1, nullptr, nullptr, notRegion, nullptr, 0), ERROR);
  EXPECT_FALSE(ScrollDC(nullptr, 0, 1, nullptr, nullptr, nullptr, nullptr));
  EXPECT_FALSE(ScrollDC(dc, 0, 1, nullptr, nullptr, notRegion, nullptr));
  DeleteObject(pen);
}

// Pixels waiting for a paint are stale: the invalid area travels with them. A child's pixels
// are not the parent's: with SW_SCROLLCHILDREN the children that meet the rectangle move along,
// without it the place their pixels were copied to repaints.
TEST_F(ScrollWindow, InvalidAreasAndChildrenTravelWithThePixels) {
  const RECT pending{4, 4, 10, 8};
  Mark();
  InvalidateRect(window, &pending, FALSE);
  ScrollWindowEx(window, 0, 10, nullptr, nullptr, nullptr, nullptr, 0);
  RECT invalid{};
  GetUpdateRect(window, &invalid, FALSE);
  EXPECT_EQ(invalid.top, pending.top);
  EXPECT_EQ(invalid.bottom, pending.bottom + 10);

  HWND inside = Make(WS_CHILD | WS_VISIBLE, {2, 20, 12, 26}, window, 0, kPlainClass);
  HWND outside = Make(WS_CHILD | WS_VISIBLE, {30, 2, 40, 8}, window, 0, kPlainClass);
  screen.PumpUntilIdle();
  const RECT scroll{0, 10, 24, kHeight};
  ScrollWindowEx(window, 0, -5, &scroll, &scroll, nullptr, nullptr, SW_SCROLLCHILDREN);
  RECT r{};
  GetWindowRect(inside, &r);
  EXPECT_EQ(r.top, 30 + 15);
  GetWindowRect(outside, &r);
  EXPECT_EQ(r.top, 30 + 2);

  screen.PumpUntilIdle();
  ScrollWindowEx(window, 0, -5, &scroll, &scroll, nullptr, nullptr, 0);
  GetUpdateRect(window, &invalid, FALSE);
  const RECT lent{2, 10, 12, 16};  // the child at 15 ... 21, copied 5 up
  RECT common{};
  EXPECT_TRUE(IntersectRect(&common, &invalid, &lent) && EqualRect(&common, &lent));
}

}  // namespace
}  // namespace trellis::test
