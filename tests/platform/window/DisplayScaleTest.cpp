// The scale's arithmetic: the factors it takes, and seeded sizes and points mapped both ways.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string_view>

#include "platform/window/DisplayScale.h"

namespace {

using platform::DisplayScale;

TEST(DisplayScaleTest, TakesDecimalFactorsFromOneToFour) {
  const struct {
    std::string_view text;
    int thousandths;  // 0: refused
  } cases[] = {
      {"1", 1000},  {"2", 2000}, {"1.5", 1500}, {"1.25", 1250}, {"4", 4000}, {"1.0004", 1000},
      {"3.9996", 4000}, {"", 0}, {"0", 0},     {"0.99", 0},     {"4.001", 0}, {"-1", 0},
      {"+2", 0},    {"1e0", 0},  {"2x", 0},     {" 2", 0},       {"inf", 0},  {"nan", 0},
      {"99999999999999999999", 0},
  };
  for (const auto& c : cases) {
    const auto scale = DisplayScale::FromText(c.text);
    EXPECT_EQ(scale ? scale->Thousandths() : 0, c.thousandths) << '"' << c.text << '"';
  }
  const struct {
    double dpi;
    int thousandths;
  } dpis[] = {{96, 1000}, {192, 2000}, {144, 1500}, {120, 1250}, {72, 1000}, {1000, 4000},
              {NAN, 1000}};
  for (const auto& d : dpis)
    EXPECT_EQ(DisplayScale::FromDpi(d.dpi).Thousandths(), d.thousandths) << d.dpi;
  EXPECT_TRUE(DisplayScale::FromThousandths(3000)->IsWhole());
  EXPECT_FALSE(DisplayScale::FromThousandths(2500)->IsWhole());
}

// Every window pixel (outside the window too) lies within the window pixels that show the
// screen pixel it maps to, of which the first maps back to it; a screen size survives the trip
// through the smallest window that shows it; whole factors map exactly.
TEST(DisplayScaleTest, WindowAndScreenMapBackAndForth) {
  std::mt19937 random(23);
  for (int step = 0; step < 20000; ++step) {
    const int thousandths = step % 7 == 0 ? 1000 * int(1 + random() % 4)
                                          : int(1000 + random() % 3001);
    const DisplayScale scale = *DisplayScale::FromThousandths(thousandths);
    const POINT window{int(random() % 20001) - 10000, int(random() % 20001) - 10000};
    const POINT screen = scale.ToScreen(window);
    const RECT shows = scale.ToWindow({screen.x, screen.y, screen.x + 1, screen.y + 1});
    ASSERT_TRUE(shows.left <= window.x && window.x < shows.right && shows.top <= window.y &&
                window.y < shows.bottom)
        << "step " << step << " scale " << thousandths;
    ASSERT_LE(shows.right - shows.left, int(std::ceil(scale.Factor())) + 1);
    const POINT first = scale.ToWindow(screen);
    const POINT firstShows = scale.ToScreen(first);
    ASSERT_TRUE(firstShows.x == screen.x && firstShows.y == screen.y && first.x >= shows.left &&
                first.y >= shows.top && first.x <= window.x && first.y <= window.y)
        << "step " << step << " scale " << thousandths;

    const int width = int(1 + random() % 5000), height = int(1 + random() % 5000);
    const SIZE windowSize = scale.WindowSize(width, height);
    const SIZE back = scale.ScreenSize(windowSize.cx, windowSize.cy);
    ASSERT_EQ(back.cx, width) << "step " << step << " scale " << thousandths;
    ASSERT_EQ(back.cy, height) << "step " << step << " scale " << thousandths;
    if (width > 1) {  // the smallest such window
      ASSERT_LT(scale.ScreenSize(windowSize.cx - 1, 1).cx, width);
    }
    if (scale.IsWhole()) {
      const int k = thousandths / 1000;
      ASSERT_EQ(screen.x * k, shows.left);
      ASSERT_EQ(windowSize.cx, width * k);
    }
  }
  const DisplayScale two = *DisplayScale::FromThousandths(2000);
  EXPECT_EQ(two.ScreenSize(1, 0).cx, 1);  // never empty
  EXPECT_EQ(two.ScreenSize(1, 0).cy, 1);
}

}  // namespace
