// The bitmaps kept between off-screen paints: a paint of a kept size gets the kept bitmap, any
// other size a new one, and what is kept stays within its count, the oldest going first.
#include <gtest/gtest.h>

#include <vector>

#include "host/OffscreenBuffers.h"
#include "tests/support/Pixels.h"

TEST(OffscreenBuffers, HandsBackTheSameSizeAndKeepsWithinItsLimit) {
  const trellis::test::Canvas target(1, 1);
  CDC dc;
  dc.Attach(target.dc());
  OffscreenBuffers buffers;
  std::unique_ptr<CBitmap> first = buffers.Take(&dc, 30, 20);
  ASSERT_NE(first, nullptr);
  const HGDIOBJ kept = first->m_hObject;
  buffers.Give(std::move(first), 30, 20);
  EXPECT_EQ(buffers.KeptCount(), 1u);
  EXPECT_NE(buffers.Take(&dc, 20, 30)->m_hObject, kept);
  EXPECT_EQ(buffers.Take(&dc, 30, 20)->m_hObject, kept);
  EXPECT_EQ(buffers.KeptCount(), 0u);

  // Two sizes more than it keeps: the two given first are gone, the last is there.
  constexpr int kSizes = int(OffscreenBuffers::kMaxKept) + 2;
  std::vector<HGDIOBJ> given;
  for (int k = 0; k < kSizes; ++k) {
    std::unique_ptr<CBitmap> bitmap = buffers.Take(&dc, 10 + k, 10);
    given.push_back(bitmap->m_hObject);
    buffers.Give(std::move(bitmap), 10 + k, 10);
  }
  EXPECT_EQ(buffers.KeptCount(), OffscreenBuffers::kMaxKept);
  EXPECT_NE(buffers.Take(&dc, 10, 10)->m_hObject, given.front());
  EXPECT_EQ(buffers.Take(&dc, 10 + kSizes - 1, 10)->m_hObject, given.back());
  buffers.Clear();
  EXPECT_EQ(buffers.KeptCount(), 0u);
  dc.Detach();
}
