#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/image/Png.h"
#include "tests/support/Golden.h"

namespace {

namespace fs = std::filesystem;
using platform::Pixel;
using platform::Surface;
using Bytes = std::vector<unsigned char>;

fs::path TestFile(const std::string& name) {
  fs::create_directories(trellis::test::TestOutputDirectory() / "png");
  return trellis::test::TestOutputDirectory() / "png" / name;
}

// ---- hand-made PNG files, so the tests control every byte

void PutBigEndian(Bytes& out, std::uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back((unsigned char)(v >> shift));
}

void PutChunk(Bytes& out, const char* type, const Bytes& data) {
  PutBigEndian(out, std::uint32_t(data.size()));
  const std::size_t start = out.size();
  out.insert(out.end(), type, type + 4);
  out.insert(out.end(), data.begin(), data.end());
  std::uint32_t crc = 0xFFFFFFFF;
  for (std::size_t i = start; i < out.size(); ++i) {
    crc ^= out[i];
    for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xEDB88320 & (0 - (crc & 1)));
  }
  PutBigEndian(out, ~crc);
}

// A PNG of the given colour type and 8-bit depth whose rows (without filter bytes) are `raw`,
// stored uncompressed in one zlib block.
Bytes MakePng(std::uint32_t width, std::uint32_t height, int colourType, const Bytes& raw) {
  Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  Bytes ihdr;
  PutBigEndian(ihdr, width);
  PutBigEndian(ihdr, height);
  for (int b : {8, colourType, 0, 0, 0}) ihdr.push_back((unsigned char)b);
  PutChunk(png, "IHDR", ihdr);

  Bytes filtered;
  const std::size_t rowBytes = height ? raw.size() / height : 0;
  for (std::uint32_t y = 0; y < height; ++y) {
    filtered.push_back(0);
    filtered.insert(filtered.end(), raw.begin() + y * rowBytes, raw.begin() + (y + 1) * rowBytes);
  }
  const unsigned n = std::uint16_t(filtered.size());
  Bytes zlib;
  for (unsigned b : {0x78u, 0x01u, 0x01u, n & 0xFF, n >> 8, ~n & 0xFF, (~n >> 8) & 0xFF})
    zlib.push_back((unsigned char)b);
  zlib.insert(zlib.end(), filtered.begin(), filtered.end());
  std::uint32_t a = 1, b = 0;
  for (unsigned char c : filtered) {
    a = (a + c) % 65521;
    b = (b + a) % 65521;
  }
  PutBigEndian(zlib, (b << 16) | a);
  PutChunk(png, "IDAT", zlib);
  PutChunk(png, "IEND", {});
  return png;
}

constexpr int kGrey = 0;
constexpr int kRgb = 2;
constexpr int kRgba = 6;

}  // namespace

TEST(Png, SurfaceRoundTripIsExactAndFailedSavesLeaveNoFile) {
  Surface original;
  ASSERT_TRUE(original.Allocate(37, 23));
  std::mt19937 random(7);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 37; ++x) original.Row(y)[x] = Pixel(random()) & 0xFFFFFF;
  const fs::path path = TestFile("round-trip.png");
  ASSERT_TRUE(platform::SavePng(original, path));
  EXPECT_FALSE(fs::exists(path.string() + ".partial"));
  Surface loaded;
  ASSERT_TRUE(platform::LoadPng(path, loaded));
  ASSERT_EQ(loaded.Width(), 37);
  ASSERT_EQ(loaded.Height(), 23);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 37; ++x) ASSERT_EQ(loaded.Row(y)[x], original.Row(y)[x]) << x << "," << y;
  // Failed saves leave no file, not even a partial one.
  EXPECT_FALSE(platform::SavePng(Surface(), TestFile("empty.png")));
  EXPECT_FALSE(fs::exists(TestFile("empty.png")));
  const fs::path nowhere = TestFile("missing-folder") / "x.png";
  EXPECT_FALSE(platform::SavePng(original, nowhere));
  EXPECT_FALSE(fs::exists(nowhere.string() + ".partial"));
}

// Grey and alpha images load as opaque colour. Damage inside well-formed chunks and sizes past a
// surface's limits are refused; arbitrary bytes are the fuzz target's.
TEST(Png, HandMadeFilesLoadAsOpaqueColourOrAreRefused) {
  Bytes badCrc = MakePng(3, 2, kRgb, Bytes(18, 77));
  badCrc[badCrc.size() - 20] ^= 0x40;  // inside the image data
  const struct {
    const char* what;
    Bytes png;
    std::vector<Pixel> pixels;  // none when refused
  } cases[] = {
      {"grey", MakePng(2, 1, kGrey, {0x10, 0xF0}), {0x101010u, 0xF0F0F0u}},
      {"alpha", MakePng(1, 2, kRgba, {1, 2, 3, 0, 200, 100, 50, 128}), {0x010203u, 0xC86432u}},
      {"colour", MakePng(3, 2, kRgb, Bytes(18, 77)), std::vector<Pixel>(6, 0x4D4D4Du)},
      {"damaged data", badCrc, {}},
      {"too little data", MakePng(3, 2, kRgb, Bytes(12, 1)), {}},
      {"wider than a surface may be", MakePng(40000, 1, kRgb, {}), {}},
      {"more pixels than a surface may have", MakePng(30000, 30000, kRgb, {}), {}},
      {"no width", MakePng(0, 1, kRgb, {}), {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::ofstream(TestFile("hand-made.png"), std::ios::binary)
        .write(reinterpret_cast<const char*>(c.png.data()), std::streamsize(c.png.size()));
    Surface s;
    ASSERT_EQ(platform::LoadPng(TestFile("hand-made.png"), s), !c.pixels.empty());
    if (c.pixels.empty()) {
      EXPECT_EQ(platform::LoadBitmapPng(TestFile("hand-made.png")), nullptr);
      continue;
    }
    ASSERT_EQ(std::size_t(s.Width() * s.Height()), c.pixels.size());
    for (std::size_t k = 0; k < c.pixels.size(); ++k)
      EXPECT_EQ(s.Row(int(k) / s.Width())[k % s.Width()], c.pixels[k]) << k;
  }
  Surface s;
  EXPECT_FALSE(platform::LoadPng(TestFile("does-not-exist.png"), s));
}
