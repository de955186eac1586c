#include "platform/backend/sdl/ScalePicture.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace platform::sdl {

namespace {

// Fixed point with 8 fraction bits: enough for a weight between two neighbours.
constexpr int kFractionBits = 8;
constexpr int kUnit = 1 << kFractionBits;

// Where a window pixel's centre falls on the screen, in fixed point, measured from the centre
// of the screen's first pixel, within the screen's pixels.
std::int64_t SourceCentre(int out, int thousandths, int inSize) {
  const std::int64_t position =
      ((2 * std::int64_t(out) + 1) * DisplayScale::kOne * kUnit) / (2 * std::int64_t(thousandths)) -
      kUnit / 2;
  return std::clamp<std::int64_t>(position, 0, std::int64_t(inSize - 1) * kUnit);
}

struct Tap {
  int first;   // the nearer pixel towards the origin
  int second;  // the next one (the same at the edge)
  int weight;  // of the second, in 1/kUnit
};

std::vector<Tap> Taps(int outSize, int thousandths, int inSize) {
  std::vector<Tap> taps(static_cast<std::size_t>(outSize));
  for (int i = 0; i < outSize; ++i) {
    const std::int64_t at = SourceCentre(i, thousandths, inSize);
    const int first = int(at >> kFractionBits);
    taps[std::size_t(i)] = {first, std::min(first + 1, inSize - 1), int(at & (kUnit - 1))};
  }
  return taps;
}

// Each of the three channels of a and b mixed with b's weight.
Pixel Mix(Pixel a, Pixel b, int weight) {
  Pixel mixed = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const int ca = int((a >> shift) & 0xFF);
    const int cb = int((b >> shift) & 0xFF);
    mixed |= Pixel((ca * (kUnit - weight) + cb * weight + kUnit / 2) >> kFractionBits) << shift;
  }
  return mixed;
}

void Repeat(const Surface& in, int thousandths, Pixel* out, int outWidth, int outHeight) {
  const int factor = thousandths / DisplayScale::kOne;
  for (int y = 0; y < outHeight; ++y) {
    const Pixel* row = in.Row(std::min(y / factor, in.Height() - 1));
    Pixel* target = out + std::ptrdiff_t(y) * outWidth;
    for (int x = 0; x < outWidth; ++x) target[x] = row[std::min(x / factor, in.Width() - 1)];
  }
}

void Smooth(const Surface& in, int thousandths, Pixel* out, int outWidth, int outHeight) {
  const std::vector<Tap> columns = Taps(outWidth, thousandths, in.Width());
  const std::vector<Tap> rows = Taps(outHeight, thousandths, in.Height());
  for (int y = 0; y < outHeight; ++y) {
    const Tap& r = rows[std::size_t(y)];
    const Pixel* upper = in.Row(r.first);
    const Pixel* lower = in.Row(r.second);
    Pixel* target = out + std::ptrdiff_t(y) * outWidth;
    for (int x = 0; x < outWidth; ++x) {
      const Tap& c = columns[std::size_t(x)];
      target[x] = Mix(Mix(upper[c.first], upper[c.second], c.weight),
                      Mix(lower[c.first], lower[c.second], c.weight), r.weight);
    }
  }
}

}  // namespace

void ScalePicture(const Surface& in, DisplayScale scale, Pixel* out, int outWidth,
                  int outHeight) {
  if (scale.IsWhole())
    Repeat(in, scale.Thousandths(), out, outWidth, outHeight);
  else
    Smooth(in, scale.Thousandths(), out, outWidth, outHeight);
}

}  // namespace platform::sdl
