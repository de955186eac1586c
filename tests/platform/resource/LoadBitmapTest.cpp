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

// A 3 x 2 picture, row by row from the top: red, green, blue; grey, red, green. An odd width
// makes 24-bit rows padded.
const std::vector<COLORREF> kSample = {kRed, kGreen, kBlue, kGrey, kRed, kGreen};

// Loads a DIB through a module of its own, so the decoder reads from an exact-size copy.
HBITMAP LoadDib(const std::vector<BYTE>& dib) {
  ScopedResourceModule module(L"dib", {{RT_BITMAP, MAKEINTRESOURCEW(1), dib.data(), dib.size()}});
  return LoadBitmapW(module.get(), MAKEINTRESOURCEW(1));
}

// A copy of `dib` whose header `edit` has changed.
template <class Edit>
std::vector<BYTE> WithHeader(std::vector<BYTE> dib, Edit edit) {
  BITMAPINFOHEADER h;
  std::memcpy(&h, dib.data(), sizeof h);
  edit(h);
  std::memcpy(dib.data(), &h, sizeof h);
  return dib;
}

}  // namespace

// 24- and 32-bit rows, bottom-up and top-down, and palette indexes of 8, 4 and 1 bits, where an
// index past a short colour table is black, decode to 32-bit bitmaps. Headers the decoder does
// not take give null and leave nothing behind; bytes running short of what a header declares
// are the fuzz target's, which reads from a buffer of exactly their size.
TEST(LoadBitmap, DecodesEveryDepthAndRowOrderAndRefusesUnsupportedHeaders) {
  const auto rgb = [](int x, int y) { return DWORD(kSample[std::size_t(y * 3 + x)]); };
  const std::vector<COLORREF> palette = {kGrey, kRed, kGreen, kBlue};
  const auto index = [&](int x, int y) {
    return DWORD(std::find(palette.begin(), palette.end(), rgb(x, y)) - palette.begin());
  };
  const std::vector<BYTE> good = MakeDib(3, 2, 24, rgb);
  using H = BITMAPINFOHEADER;
  const auto edited = [&](auto edit) { return WithHeader(good, edit); };
  const struct {
    std::vector<BYTE> dib;
    std::vector<COLORREF> pixels;  // none when refused
  } cases[] = {
      {good, kSample}, {MakeDib(3, -2, 24, rgb), kSample}, {MakeDib(3, 2, 32, rgb), kSample},
      {MakeDib(3, -2, 32, rgb), kSample}, {MakeDib(3, 2, 8, index, palette), kSample},
      {MakeDib(3, -2, 4, index, palette), kSample},
      {MakeDib(9, 1, 1, [](int x, int) { return DWORD(x % 2); }, {kRed, kBlue}),
       {kRed, kBlue, kRed, kBlue, kRed, kBlue, kRed, kBlue, kRed}},
      {MakeDib(2, 1, 8, [](int x, int) { return DWORD(x * 5); }, {kRed}), {kRed, RGB(0, 0, 0)}},
      {edited([](H& h) { h.biSize = 12; }), {}},  // an older kind of header
      {edited([](H& h) { h.biWidth = 0; }), {}},   {edited([](H& h) { h.biWidth = -3; }), {}},
      {edited([](H& h) { h.biHeight = 0; }), {}},  {edited([](H& h) { h.biHeight = INT32_MIN; }), {}},
      {edited([](H& h) { h.biPlanes = 2; }), {}},  {edited([](H& h) { h.biBitCount = 16; }), {}},
      {edited([](H& h) { h.biBitCount = 0; }), {}},
      {edited([](H& h) { h.biCompression = 1; }), {}},  // run-length coded
      {edited([](H& h) { h.biWidth = 40000; }), {}},    // wider than a surface may be
      {edited([](H& h) { h.biWidth = h.biHeight = 30000; }), {}},  // too many pixels
      // An 8-bit colour table of more than 256 colours.
      {MakeDib(1, 1, 8, [](int, int) { return DWORD(0); }, std::vector<COLORREF>(257)), {}},
  };
  DeleteDC(CreateCompatibleDC(nullptr));  // the first DC makes the stock objects, which stay
  const std::size_t liveBefore = platform::Handles().LiveCount();
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    SCOPED_TRACE(i);
    HBITMAP bitmap = LoadDib(cases[i].dib);
    const auto& pixels = cases[i].pixels;
    ASSERT_EQ(bitmap != nullptr, !pixels.empty());
    if (!bitmap) continue;
    BITMAP bm{};
    ASSERT_EQ(GetObjectW(bitmap, sizeof bm, &bm), int(sizeof bm));
    EXPECT_EQ(bm.bmBitsPixel, 32);
    ASSERT_EQ(std::size_t(bm.bmWidth * bm.bmHeight), pixels.size());
    for (int k = 0; k < int(pixels.size()); ++k)
      EXPECT_EQ(BitmapPixel(bitmap, k % bm.bmWidth, k / bm.bmWidth), pixels[std::size_t(k)]) << k;
    DeleteObject(bitmap);
  }
  EXPECT_EQ(platform::Handles().LiveCount(), liveBefore);
}
