// The window backend at a scale: the picture magnified (sharp at whole factors, smooth between
// neighbours otherwise), the pointer and the window's size mapped back to the screen, and where
// the scale comes from when the program names none. On SDL's dummy video driver.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "platform/backend/sdl/DesktopScale.h"
#include "platform/backend/sdl/ScalePicture.h"
#include "platform/backend/sdl/SdlScreen.h"
#include "platform/win32/WinGdi.h"
#include "platform/win32/WinUser.h"
#include "tests/support/ScopedVariable.h"

// Events and messages are built naming only the fields that matter; the rest are zero.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

using platform::DisplayScale;
using platform::Pixel;
using platform::Surface;

DisplayScale Scale(int thousandths) { return *DisplayScale::FromThousandths(thousandths); }

Surface RandomSurface(std::mt19937& random, int width, int height) {
  Surface surface;
  EXPECT_TRUE(surface.Allocate(width, height));
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) surface.Row(y)[x] = Pixel(random() & 0xFFFFFF);
  return surface;
}

int Channel(Pixel p, int shift) { return int((p >> shift) & 0xFF); }

// Whole factors repeat each pixel, also into a window wider than the magnified screen. Others
// give each window pixel a mix of the two-by-two screen pixels nearest its centre: every
// channel within theirs, and a flat picture stays flat.
TEST(ScalePictureTest, RepeatsAtWholeFactorsAndMixesNeighboursOtherwise) {
  std::mt19937 random(7);
  for (int round = 0; round < 60; ++round) {
    const int width = int(1 + random() % 40), height = int(1 + random() % 30);
    const Surface in = RandomSurface(random, width, height);
    const DisplayScale scale = Scale(round % 3 == 0 ? 1000 * int(1 + random() % 4)
                                                    : int(1001 + random() % 2999));
    const SIZE size = scale.WindowSize(width, height);
    const int outWidth = int(size.cx + random() % 3), outHeight = int(size.cy + random() % 3);
    std::vector<Pixel> out(std::size_t(outWidth * outHeight));
    platform::sdl::ScalePicture(in, scale, out.data(), outWidth, outHeight);
    const double factor = scale.Factor();
    for (int y = 0; y < outHeight; ++y) {
      for (int x = 0; x < outWidth; ++x) {
        const Pixel got = out[std::size_t(y * outWidth + x)];
        if (scale.IsWhole()) {
          const int k = scale.Thousandths() / 1000;
          ASSERT_EQ(got, in.Row(std::min(y / k, height - 1))[std::min(x / k, width - 1)])
              << "round " << round << " at " << x << "," << y;
          continue;
        }
        const auto nearest = [factor](int at, int size) {
          const int first = std::clamp(int(std::floor((at + 0.5) / factor - 0.5)), 0, size - 1);
          return std::pair{first, std::min(first + 1, size - 1)};
        };
        const auto [x0, x1] = nearest(x, width);
        const auto [y0, y1] = nearest(y, height);
        for (int shift = 0; shift < 24; shift += 8) {
          const int c[] = {Channel(in.Row(y0)[x0], shift), Channel(in.Row(y0)[x1], shift),
                           Channel(in.Row(y1)[x0], shift), Channel(in.Row(y1)[x1], shift)};
          ASSERT_GE(Channel(got, shift), *std::min_element(c, c + 4) - 1)
              << "round " << round << " at " << x << "," << y;
          ASSERT_LE(Channel(got, shift), *std::max_element(c, c + 4) + 1)
              << "round " << round << " at " << x << "," << y;
        }
      }
    }
  }
  Surface flat;
  ASSERT_TRUE(flat.Allocate(5, 3));
  std::fill(flat.Row(0), flat.Row(0) + 15, Pixel(0x336699));
  std::vector<Pixel> out(8 * 5);
  platform::sdl::ScalePicture(flat, Scale(1500), out.data(), 8, 5);
  EXPECT_EQ(std::count(out.begin(), out.end(), Pixel(0x336699)), 40);
}

TEST(DesktopScaleTest, XftDpiIsReadFromTheServersResources) {
  const struct {
    const char* resources;
    double dpi;  // 0: none
  } cases[] = {
      {"Xft.dpi:\t192\n", 192},
      {"Xft.antialias:\t1\nXft.dpi:\t144\nXft.hinting:\t1\n", 144},
      {"Xft.dpi: 96\nXft.dpi:\t120", 120},  // the last one wins
      {"", 0},
      {"Xft.dpi:\tlarge\n", 0},
      {"Xft.dpi:\t-5\n", 0},
      {"*Xft.dpi:\t192\nXXft.dpi:\t192\nXft.dpix:\t192\n", 0},
  };
  for (const auto& c : cases) {
    const auto dpi = platform::sdl::XftDpiFromResources(c.resources);
    EXPECT_EQ(dpi.value_or(0), c.dpi) << c.resources;
  }
}

constexpr int kScreenWidth = 64;
constexpr int kScreenHeight = 48;
std::vector<MSG> g_log;
unsigned g_seed = 0;

// Paints a seeded random pattern, so any misplaced pixel shows; records its input.
LRESULT CALLBACK PatternProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != WM_PAINT) {
    g_log.push_back({hwnd, message, wParam, lParam});
    return DefWindowProcW(hwnd, message, wParam, lParam);
  }
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd, &ps);
  std::mt19937 random(g_seed);
  for (int y = 0; y < kScreenHeight; ++y)
    for (int x = 0; x < kScreenWidth; ++x) SetPixel(dc, x, y, COLORREF(random() & 0xFFFFFF));
  EndPaint(hwnd, &ps);
  return 0;
}

class SdlScaleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "dummy", SDL_HINT_OVERRIDE);
  }

  // Opens the screen at `scale` (the environment's when null) with one window covering it.
  bool OpenWith(std::optional<DisplayScale> scale) {
    using namespace platform::sdl;
    screen.Close();
    if (!screen.Open(L"scale", kScreenWidth, kScreenHeight, kSdlAnyDriver | kSdlResizable, scale))
      return false;
    const WNDCLASSEXW wc{.cbSize = sizeof(wc), .lpfnWndProc = PatternProc,
                         .lpszClassName = L"SdlScaleTestWindow"};
    RegisterClassExW(&wc);
    window = CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE, 0, 0, kScreenWidth,
                             kScreenHeight, nullptr, nullptr, nullptr, nullptr);
    g_log.clear();
    return screen.PumpUntilIdle();
  }

  // The window's picture, as 0x00RRGGBB, rows packed.
  std::vector<Pixel> Shown(int& width, int& height) {
    SDL_Surface* surface = SDL_GetWindowSurface(screen.OsWindow());
    width = surface->w;
    height = surface->h;
    std::vector<Pixel> pixels(std::size_t(width * height));
    SDL_ConvertPixels(width, height, surface->format->format, surface->pixels, surface->pitch,
                      SDL_PIXELFORMAT_RGB888, pixels.data(), width * int(sizeof(Pixel)));
    return pixels;
  }

  static void Push(SDL_Event e) { ASSERT_EQ(SDL_PushEvent(&e), 1); }

  std::vector<LPARAM> Points(UINT message) const {
    std::vector<LPARAM> out;
    for (const MSG& m : g_log)
      if (m.message == message) out.push_back(m.lParam);
    return out;
  }

  platform::sdl::SdlScreen screen;
  HWND window = nullptr;
};

// At 2 the window shows the picture of 1 with each pixel doubled both ways; at 1.5 a window of
// 1.5 times the size, the same pattern smoothed.
TEST_F(SdlScaleTest, TheWindowShowsTheScreensPictureMagnified) {
  for (unsigned seed : {1u, 2u}) {
    g_seed = seed;
    ASSERT_TRUE(OpenWith(Scale(1000))) << screen.Error();
    int w1 = 0, h1 = 0;
    const std::vector<Pixel> plain = Shown(w1, h1);
    ASSERT_EQ(w1, kScreenWidth);
    ASSERT_EQ(h1, kScreenHeight);
    ASSERT_TRUE(OpenWith(Scale(2000))) << screen.Error();
    EXPECT_EQ(screen.Scale(), Scale(2000));
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), kScreenWidth);
    int w2 = 0, h2 = 0;
    const std::vector<Pixel> doubled = Shown(w2, h2);
    ASSERT_EQ(w2, 2 * kScreenWidth);
    ASSERT_EQ(h2, 2 * kScreenHeight);
    for (int y = 0; y < h2; ++y)
      for (int x = 0; x < w2; ++x)
        ASSERT_EQ(doubled[std::size_t(y * w2 + x)], plain[std::size_t(y / 2 * w1 + x / 2)])
            << "seed " << seed << " at " << x << "," << y;
    ASSERT_TRUE(OpenWith(Scale(1500))) << screen.Error();
    int w3 = 0, h3 = 0;
    Shown(w3, h3);
    EXPECT_EQ(w3, kScreenWidth * 3 / 2);
    EXPECT_EQ(h3, kScreenHeight * 3 / 2);
  }
}

// The pointer's window pixels arrive as the screen pixels under them, the wheel where the
// pointer is; a window resized to W x H makes a screen of W and H over the scale.
TEST_F(SdlScaleTest, InputAndTheWindowsSizeMapBackToTheScreen) {
  const struct {
    int thousandths;
    int windowX, windowY;  // where the pointer is pressed
    int screenX, screenY;  // where the window hears it
    int resizedW, resizedH, screenW, screenH;
  } cases[] = {
      {1000, 30, 20, 30, 20, 100, 90, 100, 90},
      {2000, 41, 21, 20, 10, 201, 150, 100, 75},
      {1500, 44, 3, 29, 2, 301, 151, 200, 100},
      {3000, 191, 143, 63, 47, 90, 91, 30, 30},
  };
  for (const auto& c : cases) {
    ASSERT_TRUE(OpenWith(Scale(c.thousandths))) << screen.Error();
    Push({.motion = {.type = SDL_MOUSEMOTION, .x = c.windowX, .y = c.windowY}});
    Push({.button = {.type = SDL_MOUSEBUTTONDOWN, .button = SDL_BUTTON_LEFT, .x = c.windowX,
                     .y = c.windowY}});
    Push({.wheel = {.type = SDL_MOUSEWHEEL, .y = 1, .preciseY = 1.0f, .mouseX = c.windowX,
                    .mouseY = c.windowY}});
    Push({.button = {.type = SDL_MOUSEBUTTONUP, .button = SDL_BUTTON_LEFT, .x = c.windowX,
                     .y = c.windowY}});
    ASSERT_TRUE(screen.PumpUntilIdle());
    const LPARAM at = MAKELPARAM(c.screenX, c.screenY);
    EXPECT_EQ(Points(WM_MOUSEMOVE), std::vector<LPARAM>{at}) << c.thousandths;
    EXPECT_EQ(Points(WM_LBUTTONDOWN), std::vector<LPARAM>{at}) << c.thousandths;
    EXPECT_EQ(Points(WM_LBUTTONUP), std::vector<LPARAM>{at}) << c.thousandths;
    // The wheel tells screen coordinates; the window sits at the screen's origin.
    EXPECT_EQ(Points(WM_MOUSEWHEEL), std::vector<LPARAM>{at}) << c.thousandths;

    SDL_SetWindowSize(screen.OsWindow(), c.resizedW, c.resizedH);
    ASSERT_TRUE(screen.PumpUntilIdle());
    EXPECT_EQ(GetSystemMetrics(SM_CXSCREEN), c.screenW) << c.thousandths;
    EXPECT_EQ(GetSystemMetrics(SM_CYSCREEN), c.screenH) << c.thousandths;
  }
}

// Without a scale from the program, TRELLIS_SCALE names it; a value that is not one keeps the
// window from opening and says why. SDL's dummy driver has no X resources, so 1 is left.
TEST_F(SdlScaleTest, TheEnvironmentNamesTheScaleWhenTheProgramDoesNot) {
  const trellis::test::ScopedVariable scale(platform::sdl::kScaleVariable, "1.25");
  EXPECT_TRUE(OpenWith(std::nullopt)) << screen.Error();
  EXPECT_EQ(screen.Scale(), Scale(1250));
  EXPECT_TRUE(OpenWith(Scale(3000)));  // the program's own wins
  EXPECT_EQ(screen.Scale(), Scale(3000));
  scale.Set("huge");
  EXPECT_FALSE(OpenWith(std::nullopt));
  EXPECT_EQ(screen.Error(), "TRELLIS_SCALE=\"huge\" is not a scale from 1 to 4");
  scale.Set(nullptr);
  EXPECT_TRUE(OpenWith(std::nullopt)) << screen.Error();
  EXPECT_EQ(screen.Scale(), Scale(1000));
}

}  // namespace
