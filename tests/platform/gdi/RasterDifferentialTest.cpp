// Seeded random differential tests of the raster code. Every fill, copy, stretch and raster
// operation runs on random pictures, with random window and viewport origins and clips, on short
// rows and long ones, and the whole result is compared with a plain per-pixel reference written
// here, which knows nothing of the fast paths (block stores, row runs, incremental sampling).
//
//   Reference   the picture as a vector of colours, and the raster operations as truth tables
//   Setup       a random destination DC: size, content, origins and clip
//   Cases       one test per family of calls, each a thousand seeded cases
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <random>
#include <sstream>
#include <vector>

#include "platform/mfc/CDC.h"
#include "tests/support/Pixels.h"

namespace trellis::test {
namespace {

constexpr unsigned kSeed = 20240611;
constexpr int kCases = 1000;

// ---- Reference

struct Image {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF& At(int x, int y) { return pixels[std::size_t(y) * width + x]; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

// A binary raster operation is the truth table (R2_x - 1) over pen bit p and destination bit d,
// at index 2p + d; a ternary one is byte 2 of its code over pattern, source and destination, at
// index 4p + 2s + d.
COLORREF ByTable(unsigned table, bool ternary, COLORREF p, COLORREF s, COLORREF d) {
  COLORREF out = 0;
  for (int bit = 0; bit < 24; ++bit) {
    const unsigned pb = (p >> bit) & 1, sb = (s >> bit) & 1, db = (d >> bit) & 1;
    const unsigned index = ternary ? 4 * pb + 2 * sb + db : 2 * pb + db;
    out |= COLORREF((table >> index) & 1) << bit;
  }
  return out;
}
COLORREF Rop2(int rop2, COLORREF pen, COLORREF d) { return ByTable(rop2 - 1, false, pen, 0, d); }
COLORREF Rop3(DWORD rop, COLORREF p, COLORREF s, COLORREF d) {
  return ByTable((rop >> 16) & 0xFF, true, p, s, d);
}

RECT Normalized(RECT r) {
  if (r.left > r.right) std::swap(r.left, r.right);
  if (r.top > r.bottom) std::swap(r.top, r.bottom);
  return r;
}

std::ostream& operator<<(std::ostream& out, const RECT& r) {
  return out << r.left << "," << r.top << "," << r.right << "," << r.bottom;
}

// ---- Setup

struct Random {
  int Between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(engine); }
  bool OneIn(int n) { return Between(1, n) == 1; }
  COLORREF Color() { return COLORREF(Between(0, 0xFFFFFF)); }
  // Short rows (block stores) and long ones (library calls) alike.
  int Side() { return OneIn(2) ? Between(1, 9) : Between(14, 80); }

  std::mt19937 engine;
};

// A canvas with random content (from a small palette half the time, so colour keys match) and a
// random window origin, viewport origin and clip, with the device clip the reference applies.
struct Target {
  Target(Random& random, std::ostream& log) : canvas{random.Side(), random.Between(1, 12)} {
    image = {canvas.width(), canvas.height(), {}};
    const COLORREF palette[] = {random.Color(), random.Color(), random.Color()};
    const bool fromPalette = random.OneIn(2);
    for (int y = 0; y < image.height; ++y)
      for (int x = 0; x < image.width; ++x) {
        image.pixels.push_back(fromPalette ? palette[random.Between(0, 2)] : random.Color());
        SetPixel(dc(), x, y, image.pixels.back());
      }
    const POINT windowOrg{random.Between(-6, 6), random.Between(-6, 6)};
    const POINT viewportOrg{random.Between(-6, 6), random.Between(-6, 6)};
    SetWindowOrgEx(dc(), windowOrg.x, windowOrg.y, nullptr);
    SetViewportOrgEx(dc(), viewportOrg.x, viewportOrg.y, nullptr);
    shift = {viewportOrg.x - windowOrg.x, viewportOrg.y - windowOrg.y};
    clip = {0, 0, image.width, image.height};
    log << image.width << "x" << image.height << " window org " << windowOrg.x << ","
        << windowOrg.y << " viewport org " << viewportOrg.x << "," << viewportOrg.y;
    if (random.OneIn(3)) return;
    RECT c{random.Between(-4, image.width + 4), random.Between(-4, image.height + 4),
           random.Between(-4, image.width + 4), random.Between(-4, image.height + 4)};
    if (random.OneIn(2)) {  // a region in device coordinates, corners in either order
      HRGN region = CreateRectRgn(c.left, c.top, c.right, c.bottom);
      SelectClipRgn(dc(), region);
      DeleteObject(region);
      c = Normalized(c);
      log << " clip region " << c;
    } else {
      c = Normalized(c);
      IntersectClipRect(dc(), c.left, c.top, c.right, c.bottom);
      c = Device(c);
      log << " clip rect " << c;
    }
    if (!IntersectRect(&clip, &clip, &c)) clip = {0, 0, 0, 0};
  }

  HDC dc() const { return canvas.dc(); }
  POINT Device(POINT p) const { return {p.x + shift.x, p.y + shift.y}; }
  RECT Device(const RECT& r) const {
    const POINT a = Device(POINT{r.left, r.top}), b = Device(POINT{r.right, r.bottom});
    return {a.x, a.y, b.x, b.y};
  }
  bool Visible(int x, int y) const {
    return x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom;
  }
  // Applies `paint` to every visible pixel of a device rectangle.
  void Paint(const RECT& r, const std::function<COLORREF(int, int, COLORREF)>& paint) {
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        if (Visible(x, y)) image.At(x, y) = paint(x, y, image.At(x, y));
  }
  // A random logical point around the canvas, `margin` pixels beyond it at most.
  POINT Point(Random& random, int margin = 8) const {
    return {random.Between(-margin, image.width + margin), random.Between(-margin, image.height + margin)};
  }
  // A random logical rectangle around the canvas, corners in any order, sometimes empty.
  RECT Rect(Random& random) const {
    const POINT a = Point(random), b = Point(random);
    return {a.x, a.y, b.x, b.y};
  }

  Canvas canvas;
  Image image;  // what the canvas must hold
  POINT shift{};  // from logical to device coordinates
  RECT clip{};  // device coordinates, within the canvas
};

// Runs kCases seeded cases of one family; `run` draws on its target and updates the reference;
// the first pixel where the canvas and the reference differ fails the case. The log opens with
// the seed, family and case, so every failure can be replayed.
void RunCases(unsigned family, const std::function<void(Random&, Target&, std::ostringstream&)>& run) {
  for (int index = 0; index < kCases; ++index) {
    Random random{std::mt19937(kSeed + family * 100003u + unsigned(index))};
    std::ostringstream log;
    log << "seed " << kSeed << " family " << family << " case " << index << ": ";
    Target target(random, log);
    log << "; ";
    run(random, target, log);
    for (int y = 0; y < target.image.height; ++y)
      for (int x = 0; x < target.image.width; ++x)
        ASSERT_EQ(target.canvas.At(x, y), target.image.At(x, y))
            << log.str() << ": at " << x << "," << y;
  }
}

// The reference of StretchBlt, TransparentBlt and mirrored BitBlt: a negative destination extent
// counts back from its corner inclusively and mirrors the source; each destination pixel i
// samples source pixel (2i + 1) * |source extent| / (2 * destination extent), from the source
// start forwards, or from the pixel before it backwards when the source extent is negative.
void ReferenceStretch(Target& t, POINT d, int cx, int cy, Image& src, POINT s, int scx, int scy,
                      DWORD rop, std::optional<COLORREF> key) {
  if (!cx || !cy || !scx || !scy) return;
  if (cx < 0) d.x += cx + 1, cx = -cx, s.x += scx, scx = -scx;
  if (cy < 0) d.y += cy + 1, cy = -cy, s.y += scy, scy = -scy;
  const auto sample = [](int i, int extent, int start, int sourceExtent) {
    const int step = int((2LL * i + 1) * std::abs(sourceExtent) / (2LL * extent));
    return sourceExtent > 0 ? start + step : start - 1 - step;
  };
  t.Paint({d.x, d.y, d.x + cx, d.y + cy}, [&](int x, int y, COLORREF old) {
    const int sx = sample(x - d.x, cx, s.x, scx), sy = sample(y - d.y, cy, s.y, scy);
    if (!src.Contains(sx, sy) || (key && src.At(sx, sy) == *key)) return old;
    return Rop3(rop, 0, src.At(sx, sy), old);
  });
}

// ---- Cases

// One call on a random rectangle, through a random pen, brush and binary raster operation.
// FillRect and FillSolidRect paint the brush colour whatever the operation, and so does SetPixel
// at the rectangle's corner, answering the colour it set or CLR_INVALID where the clip hides it.
// PatBlt and BitBlt without a source apply their pattern operation. Rectangle frames inside the
// rectangle, each pixel once, and fills what the frame leaves; without a pen it loses its last
// row and column. Only FillRect leaves a flipped rectangle empty.
TEST(RasterDifferential, FillsPixelsPatternsAndRectanglesFollowOriginsAndClip) {
  RunCases(1, [](Random& random, Target& t, std::ostringstream& log) {
    const int call = random.Between(0, 5);
    const char* names[] = {"FillRect", "FillSolidRect", "SetPixel", "PatBlt", "BitBlt", "Rectangle"};
    const COLORREF color = random.Color(), penColor = random.Color();
    const int rop2 = random.Between(R2_BLACK, R2_WHITE);
    const int width = random.OneIn(4) ? 0 : random.Between(1, 3);  // no pen at 0
    const bool withBrush = call != 5 || !random.OneIn(4);
    HPEN pen = CreatePen(width ? PS_SOLID : PS_NULL, width, penColor);
    HBRUSH brush = CreateSolidBrush(color);
    SelectObject(t.dc(), pen);
    SelectObject(t.dc(), withBrush ? HGDIOBJ(brush) : GetStockObject(NULL_BRUSH));
    SetROP2(t.dc(), rop2);
    const DWORD rops[] = {PATCOPY, PATINVERT, DSTINVERT, BLACKNESS, WHITENESS};
    const DWORD rop = rops[random.Between(0, 4)];
    const RECT r = t.Rect(random);
    const int cx = r.right - r.left, cy = r.bottom - r.top;
    const POINT corner = t.Device(POINT{r.left, r.top});
    const COLORREF pixel = t.Visible(corner.x, corner.y) ? color : CLR_INVALID;
    log << names[call] << " " << r << " rop2 " << rop2 << " rop " << std::hex << rop << std::dec
        << " pen " << width << " brush " << withBrush;
    if (call == 0) {
      EXPECT_EQ(FillRect(t.dc(), &r, brush), 1) << log.str();
    } else if (call == 1) {
      CDC::FromHandle(t.dc())->FillSolidRect(r.left, r.top, cx, cy, color);
    } else if (call == 2) {
      EXPECT_EQ(SetPixel(t.dc(), r.left, r.top, color), pixel) << log.str();
      EXPECT_EQ(GetPixel(t.dc(), r.left, r.top), pixel) << log.str();
    } else if (call == 5) {
      EXPECT_TRUE(Rectangle(t.dc(), r.left, r.top, r.right, r.bottom)) << log.str();
    } else {
      EXPECT_TRUE(call == 3 ? PatBlt(t.dc(), r.left, r.top, cx, cy, rop)
                            : BitBlt(t.dc(), r.left, r.top, cx, cy, nullptr, 0, 0, rop))
          << log.str();
    }
    RECT box = call == 0 ? t.Device(r) : Normalized(t.Device(r));
    if (call == 2) box = {corner.x, corner.y, corner.x + 1, corner.y + 1};
    if (call == 5 && !width) box = {box.left, box.top, box.right - 1, box.bottom - 1};
    t.Paint(box, [&](int x, int y, COLORREF d) {
      if (call < 3) return color;
      if (call < 5) return Rop3(rop, color, 0, d);
      const LONG edge = std::min({x - box.left, box.right - 1 - x, y - box.top, box.bottom - 1 - y});
      if (edge < width) return Rop2(rop2, penColor, d);
      return withBrush ? Rop2(rop2, color, d) : d;
    });
    SelectObject(t.dc(), GetStockObject(BLACK_PEN));
    SelectObject(t.dc(), GetStockObject(WHITE_BRUSH));
    DeleteObject(pen);
    DeleteObject(brush);
  });
}

// Copies from another canvas or from the same one (overlapping); the source's own clip is not
// applied, only its bounds. StretchBlt samples pixel centres and mirrors; BitBlt is a stretch of
// equal extents and takes empty ones; TransparentBlt skips the key and refuses mirroring.
TEST(RasterDifferential, BlitsCopyAndCombineFromAnySource) {
  RunCases(2, [](Random& random, Target& t, std::ostringstream& log) {
    const int call = random.Between(0, 2);
    const char* names[] = {"BitBlt", "StretchBlt", "TransparentBlt"};
    std::optional<Target> other;
    if (call == 2 || !random.OneIn(3)) other.emplace(random, log << " from ");
    Target& source = other ? *other : t;
    Image before = source.image;
    const auto extent = [&](int limit) {
      const int small = random.Between(call == 0 ? 0 : 1, 3);
      const int e = random.OneIn(3) ? small : random.Between(1, limit + 8);
      return random.OneIn(4) ? -e : e;
    };
    const POINT d = t.Point(random), s = source.Point(random, 4);
    const int cx = extent(t.image.width), cy = extent(t.image.height);
    // A third of the stretches are at the picture's own size, which has a way of its own.
    const bool ownSize = call == 0 || random.OneIn(3);
    const int scx = ownSize ? cx : extent(before.width), scy = ownSize ? cy : extent(before.height);
    const DWORD rops[] = {SRCCOPY, SRCCOPY, SRCPAINT, SRCAND, SRCINVERT};
    const DWORD rop = call == 2 ? SRCCOPY : rops[random.Between(0, 4)];
    const COLORREF key = before.pixels[std::size_t(random.Between(0, int(before.pixels.size()) - 1))];
    log << "; " << names[call] << " rop " << std::hex << rop << std::dec << " to (x,y,cx,cy) "
        << RECT{d.x, d.y, cx, cy} << " from " << RECT{s.x, s.y, scx, scy};
    const bool done =
        call == 0   ? BitBlt(t.dc(), d.x, d.y, cx, cy, source.dc(), s.x, s.y, rop)
        : call == 1 ? StretchBlt(t.dc(), d.x, d.y, cx, cy, source.dc(), s.x, s.y, scx, scy, rop)
                    : TransparentBlt(t.dc(), d.x, d.y, cx, cy, source.dc(), s.x, s.y, scx, scy, key);
    EXPECT_EQ(done, call < 2 || (cx > 0 && cy > 0 && scx > 0 && scy > 0)) << log.str();
    if (!done) return;
    ReferenceStretch(t, t.Device(d), cx, cy, before, source.Device(s), scx, scy, rop,
                     call == 2 ? std::optional<COLORREF>(key) : std::nullopt);
  });
}


// One-pixel lines, solid and dotted, through a random binary raster operation: across, down and
// slanted, in either direction, from inside the canvas or far outside it. The reference walks
// Bresenham's steps from the start, end left out, lighting every step or every other one.
TEST(RasterDifferential, LinesLightBresenhamsPixelsThroughOriginsAndClip) {
  RunCases(3, [](Random& random, Target& t, std::ostringstream& log) {
    const bool dotted = random.OneIn(2);
    const COLORREF color = random.Color();
    const int rop2 = random.Between(R2_BLACK, R2_WHITE);
    const POINT a = t.Point(random, 30);
    POINT b = t.Point(random, 30);
    const int shape = random.Between(0, 2);  // across, down, slanted
    if (shape == 0) b.y = a.y;
    if (shape == 1) b.x = a.x;
    log << (dotted ? "dotted" : "solid") << " rop2 " << rop2 << " from " << a.x << "," << a.y
        << " to " << b.x << "," << b.y;
    HPEN pen = CreatePen(dotted ? PS_DOT : PS_SOLID, 1, color);
    SelectObject(t.dc(), pen);
    SetROP2(t.dc(), rop2);
    MoveToEx(t.dc(), a.x, a.y, nullptr);
    EXPECT_TRUE(LineTo(t.dc(), b.x, b.y)) << log.str();
    const POINT from = t.Device(a), to = t.Device(b);
    const int dx = std::abs(to.x - from.x), dy = -std::abs(to.y - from.y);
    const int sx = from.x < to.x ? 1 : -1, sy = from.y < to.y ? 1 : -1;
    int x = from.x, y = from.y, err = dx + dy;
    for (int step = 0; step < std::max(dx, -dy); ++step) {
      if ((!dotted || step % 2 == 0) && t.Visible(x, y))
        t.image.At(x, y) = Rop2(rop2, color, t.image.At(x, y));
      const int e2 = 2 * err;
      if (e2 >= dy) err += dy, x += sx;
      if (e2 <= dx) err += dx, y += sy;
    }
    SelectObject(t.dc(), GetStockObject(BLACK_PEN));
    DeleteObject(pen);
  });
}

}  // namespace
}  // namespace trellis::test
