#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "platform/gdi/HandleTable.h"
#include "platform/win32/WinRes.h"
#include "tests/support/Dib.h"
#include "tests/support/Pixels.h"
#include "tests/support/ScopedResourceModule.h"

namespace {

using trellis::test::BitmapPixel;
using trellis::test::MakeDib;
using trellis::test::ScopedResourceModule;

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kGreen = RGB(0, 200, 0);
constexpr COLORREF kBlue = RGB(10, 20, 250);
constexpr COLORREF kGrey = RGB(90, 91, 92);

// A 3 x 2 picture: the top row red, green, blue; the bottom row grey, red, green. An odd width
// makes 24-bit rows padded.
COLORREF Sample(int x, int y) {
  static const COLORREF colours[2][3] = {{kRed, kGreen, kBlue}, {kGrey, kRed, kGreen}};
  return colours[y][x];
}

// Loads a DIB through a module of its own, so the decoder reads from an exact-size copy.
HBITMAP LoadDib(const std::vector<BYTE>& dib) {
  ScopedResourceModule module(L"dib", {{RT_BITMAP, MAKEINTRESOURCEW(1), dib.data(), dib.size()}});
  return LoadBitmapW(module.get(), MAKEINTRESOURCEW(1));
}

void ExpectSample(HBITMAP bitmap) {
  ASSERT_NE(bitmap, nullptr);
  BITMAP bm{};
  ASSERT_EQ(GetObjectW(bitmap, sizeof bm, &bm), int(sizeof bm));
  EXPECT_EQ((std::vector<LONG>{bm.bmWidth, bm.bmHeight, bm.bmBitsPixel}), (std::vector<LONG>{3, 2, 32}));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(BitmapPixel(bitmap, x, y), Sample(x, y)) << x << "," << y;
  DeleteObject(bitmap);
}

// A copy of `dib` whose header `edit` has changed.
template <class Edit>
std::vector<BYTE> WithHeader(std::vector<BYTE> dib, Edit edit) {
  BITMAPINFOHEADER h;
  if (dib.size() < sizeof h) return dib;
  std::memcpy(&h, dib.data(), sizeof h);
  edit(h);
  std::memcpy(dib.data(), &h, sizeof h);
  return dib;
}

}  // namespace

// 24- and 32-bit rows, bottom-up and top-down, and palette indexes of 8, 4 and 1 bits, where an
// index past a short colour table is black.
TEST(LoadBitmap, DecodesEveryDepthAndRowOrder) {
  const auto rgb = [](int x, int y) { return DWORD(Sample(x, y)); };
  const std::vector<COLORREF> palette = {kGrey, kRed, kGreen, kBlue};
  const auto index = [&](int x, int y) {
    return DWORD(std::find(palette.begin(), palette.end(), Sample(x, y)) - palette.begin());
  };
  for (const auto& dib : {MakeDib(3, 2, 24, rgb), MakeDib(3, -2, 24, rgb), MakeDib(3, 2, 32, rgb),
                          MakeDib(3, -2, 32, rgb), MakeDib(3, 2, 8, index, palette),
                          MakeDib(3, -2, 4, index, palette)})
    ExpectSample(LoadDib(dib));
  const struct {
    std::vector<BYTE> dib;
    std::vector<COLORREF> row;
  } cases[] = {
      {MakeDib(9, 1, 1, [](int x, int) { return DWORD(x % 2); }, {kRed, kBlue}),
       {kRed, kBlue, kRed, kBlue, kRed, kBlue, kRed, kBlue, kRed}},
      {MakeDib(2, 1, 8, [](int x, int) { return DWORD(x * 5); }, {kRed}), {kRed, RGB(0, 0, 0)}},
  };
  for (const auto& c : cases) {
    HBITMAP bitmap = LoadDib(c.dib);
    ASSERT_NE(bitmap, nullptr);
    for (std::size_t x = 0; x < c.row.size(); ++x) EXPECT_EQ(BitmapPixel(bitmap, int(x), 0), c.row[x]) << x;
    DeleteObject(bitmap);
  }
}

// Headers the decoder does not take; bytes running short of what a header declares are the fuzz
// target's, which reads from a buffer of exactly their size.
TEST(LoadBitmap, UnsupportedOrImpossibleHeadersGiveNull) {
  const auto rgb = [](int x, int y) { return DWORD(Sample(x, y)); };
  const std::vector<BYTE> good = MakeDib(3, 2, 24, rgb);
  using H = BITMAPINFOHEADER;
  const std::vector<std::vector<BYTE>> cases = {
      WithHeader(good, [](H& h) { h.biSize = 12; }),    // an older kind of header
      WithHeader(good, [](H& h) { h.biWidth = 0; }),
      WithHeader(good, [](H& h) { h.biWidth = -3; }),
      WithHeader(good, [](H& h) { h.biHeight = 0; }),
      WithHeader(good, [](H& h) { h.biHeight = INT32_MIN; }),
      WithHeader(good, [](H& h) { h.biPlanes = 2; }),
      WithHeader(good, [](H& h) { h.biCompression = 1; }),  // run-length coded
      WithHeader(good, [](H& h) { h.biBitCount = 16; }),
      WithHeader(good, [](H& h) { h.biBitCount = 0; }),
      WithHeader(good, [](H& h) { h.biWidth = 40000; }),         // wider than a surface may be
      WithHeader(good, [](H& h) { h.biWidth = h.biHeight = 30000; }),  // too many pixels
      // An 8-bit colour table of more than 256 colours.
      MakeDib(1, 1, 8, [](int, int) { return DWORD(0); }, std::vector<COLORREF>(257)),
  };
  const std::size_t liveBefore = platform::Handles().LiveCount();
  for (std::size_t i = 0; i < cases.size(); ++i) EXPECT_EQ(LoadDib(cases[i]), nullptr) << i;
  EXPECT_EQ(platform::Handles().LiveCount(), liveBefore);
}
