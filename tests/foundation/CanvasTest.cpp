#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "platform/gdi/HandleTable.h"
#include "tests/platform/text/TextTestSupport.h"

using trellis::test::Canvas;

namespace {

// A CDC wrapper over a test canvas that does not own the DC.
struct Borrowed : CDC {
  explicit Borrowed(HDC hdc) { m_hDC = m_hAttribDC = hdc; }
  ~Borrowed() override { m_hDC = m_hAttribDC = nullptr; }
};

LOGFONTW Font(LONG height) { return trellis::test::LogFont({L"DejaVu Sans", height}); }

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

}  // namespace

// Restore brings back what the canvas found before its first change of each setting, however
// many changes followed; after it nothing is remembered, and a new change is remembered afresh.
TEST(LightCanvas, RestoresWhatItFoundBeforeTheFirstChange) {
  Canvas target(4, 4);
  Borrowed dc(target.dc());
  dc.SetBkColor(RGB(1, 2, 3));
  dc.SetTextColor(RGB(4, 5, 6));
  dc.SetBkMode(OPAQUE);
  {
    CLightCanvas canvas(&dc);
    for (COLORREF c : {kRed, kBlue}) {
      EXPECT_EQ(canvas.SetBkColor(c), 1);
      canvas.SetTextColor(c);
      canvas.SetBkMode(c == kRed ? TRANSPARENT : OPAQUE);
    }
    canvas.Restore();
    EXPECT_EQ((std::vector<COLORREF>{dc.GetBkColor(), dc.GetTextColor(), COLORREF(dc.GetBkMode())}),
              (std::vector<COLORREF>{RGB(1, 2, 3), RGB(4, 5, 6), OPAQUE}));
    canvas.SetBkColor(kRed);
  }
  EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));
}

// Each canvas draws in its own font, selects the old one back, and painting again makes no font.
TEST(LightCanvas, FontsComeFromTheirDescriptionAreSelectedBackAndMadeOnce) {
  Canvas target(80, 40);
  Borrowed dc(target.dc());
  const HGDIOBJ original = GetCurrentObject(dc.m_hDC, OBJ_FONT);
  // Ink of a text, or of its first `count` characters, in a font of this height.
  auto ink = [&](LONG height, const wchar_t* text = L"H", int count = -1) {
    dc.FillSolidRect(0, 0, 80, 40, RGB(255, 255, 255));
    CLightCanvas canvas(&dc);
    EXPECT_EQ(canvas.SetFont(Font(height)), 1);
    RECT r{0, 0, 80, 40};
    canvas.DrawText(text, count, &r, DT_SINGLELINE);
    return 80 * 40 - target.Count(RGB(255, 255, 255));
  };
  const int small = ink(-12);
  const int big = ink(-24);
  EXPECT_GT(big, 2 * small);
  EXPECT_EQ(GetCurrentObject(dc.m_hDC, OBJ_FONT), original);
  const std::size_t live = platform::Handles().LiveCount();
  EXPECT_EQ(ink(-12), small);
  EXPECT_EQ(ink(-24), big);
  EXPECT_EQ(platform::Handles().LiveCount(), live);
  EXPECT_EQ(ink(-12, L"HI", 1), small);  // counted text draws only those characters
}

// Runs drawn by prefix widths through a narrow clip give the pixels of the plain text drawn
// whole with the selected part drawn again over it, wherever the line starts: characters that
// are left out are exactly those that could not show.
TEST(LightCanvas, TextRunsDrawOnlyWhatShowsAndMatchTheWholeLine) {
  const std::wstring text = L"The quick brown fox jumps over the lazy dog; 敏捷的狐狸 again";
  const COLORREF plainText = RGB(0, 0, 0), plainBack = RGB(250, 250, 200);
  const COLORREF selText = RGB(255, 255, 255), selBack = RGB(0, 90, 180);
  const RECT clip{30, 0, 110, 20};
  std::mt19937 random(7);
  for (int round = 0; round < 12; ++round) {
    const int left = int(random() % 400) - 330;
    const int a = int(random() % text.size()), b = int(random() % text.size());
    const int first = std::min(a, b), last = std::max(a, b);
    const TextRun line[] = {{0, int(text.size()), plainText, plainBack},
                            {first, last, selText, selBack}};
    Canvas runs(140, 20), reference(140, 20);
    std::vector<int> widths(text.size() + 1, 0);
    {
      Borrowed dc(runs.dc());
      CLightCanvas canvas(&dc);
      canvas.SetFont(Font(-12));
      SIZE size{};
      GetTextExtentExPointW(dc.m_hDC, text.c_str(), int(text.size()), -1, nullptr,
                            widths.data() + 1, &size);
      canvas.ClipTo(clip);
      canvas.DrawTextRuns({text.c_str(), widths, left, 2, 18}, line, DT_SINGLELINE | DT_VCENTER);
    }
    // The reference draws each run whole, with an opaque background.
    Borrowed dc(reference.dc());
    CLightCanvas canvas(&dc);
    canvas.SetFont(Font(-12));
    canvas.ClipTo(clip);
    canvas.SetBkMode(OPAQUE);
    for (const TextRun& run : line) {
      if (run.first == run.last) continue;
      canvas.SetBkColor(run.back);
      canvas.SetTextColor(run.text);
      RECT r{left + widths[std::size_t(run.first)], 2, left + widths[std::size_t(run.last)], 18};
      canvas.DrawText(text.c_str() + run.first, run.last - run.first, &r,
                      DT_SINGLELINE | DT_VCENTER);
    }
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 140; ++x) ASSERT_EQ(runs.At(x, y), reference.At(x, y)) << "line at " << left;
    EXPECT_EQ(runs.Count(RGB(255, 255, 255), {0, 0, 30, 20}), 30 * 20);  // held in the clip
  }
}

// A fill without a colour draws nothing; a line leaves its end point out and a negative end goes
// on from the last one; a bitmap is stretched whole; and the context ends as it was found, with
// the bitmap free to be selected elsewhere.
TEST(LightCanvas, FillsLinesAndBitmapsLeaveTheContextAsTheyFoundIt) {
  Canvas target(20, 20, kBlue);
  Borrowed dc(target.dc());
  dc.SetBkColor(RGB(9, 9, 9));
  const HGDIOBJ pen = GetCurrentObject(dc.m_hDC, OBJ_PEN);
  CBitmap bitmap;
  const DWORD bits[2] = {0x00FF0000, 0x0000FF00};  // one red and one green pixel, BGRX
  ASSERT_TRUE(bitmap.CreateBitmap(2, 1, 1, 32, bits));
  {
    CLightCanvas canvas(&dc);
    EXPECT_EQ(canvas.FillRect({0, 0, 20, 20}, 0xFFFFFFFF), 1);
    EXPECT_EQ(canvas.FillRect({2, 2, 5, 4}, kRed), 1);
    EXPECT_EQ(target.Count(kRed), 6);
    canvas.DrawLine(1, 10, kRed, 6, 10);  // (1,10)..(5,10)
    canvas.DrawLine(6, 13, RGB(0, 0, 0));  // (6,10) down to (6,12)
    EXPECT_EQ(target.Count(kRed, {0, 10, 20, 11}), 5);
    EXPECT_EQ(target.Count(RGB(0, 0, 0), {6, 10, 7, 20}), 3);
    EXPECT_EQ(canvas.DrawBitmap(0, 0, 8, 4, nullptr), 0);
    EXPECT_EQ(canvas.DrawBitmap(10, 2, 8, 4, &bitmap), 1);
    EXPECT_EQ(target.Count(kRed, {10, 2, 14, 6}), 16);
    EXPECT_EQ(target.Count(RGB(0, 255, 0), {14, 2, 18, 6}), 16);
  }
  EXPECT_EQ(dc.GetBkColor(), RGB(9, 9, 9));
  EXPECT_EQ(GetCurrentObject(dc.m_hDC, OBJ_PEN), pen);
  CDC other;
  other.CreateCompatibleDC(nullptr);
  EXPECT_NE(other.SelectObject(&bitmap), nullptr);
}

TEST(LightCanvas, WithoutAContextEveryOperationFailsQuietly) {
  CLightCanvas canvas(nullptr);
  RECT r{0, 0, 1, 1};
  EXPECT_EQ(canvas.SetBkMode(OPAQUE) + canvas.SetBkColor(0) + canvas.SetTextColor(0) +
                canvas.SetFont(LOGFONTW{}) + canvas.FillRect(r, 0) + canvas.DrawText(L"x", &r, 0) +
                canvas.DrawLine(1, 1, 0),
            0);
  EXPECT_EQ(canvas.Restore(), 1);
}

// The painter works in the target's logical coordinates; nothing reaches the target before the
// end of the scope. Without a rectangle it buffers the clip box.
TEST(MemDC, CopiesTheRectangleOnceWhenDestroyed) {
  Canvas target(20, 20, kBlue);
  Borrowed dc(target.dc());
  dc.SetWindowOrg(-3, -3);
  const RECT area{2, 2, 10, 8};
  {
    CMemDC mem(&dc, &area);
    ASSERT_TRUE(mem.IsBuffering());
    mem.FillSolidRect(&area, kRed);
    mem.SetPixel(2, 2, RGB(0, 255, 0));
    EXPECT_EQ(target.Count(kRed), 0);
  }
  EXPECT_EQ(target.Count(kRed) + 1, 8 * 6);
  EXPECT_EQ(target.At(5, 5), RGB(0, 255, 0));
  EXPECT_EQ(target.At(4, 4), kBlue);
  IntersectClipRect(dc.m_hDC, 4, 5, 9, 7);
  EXPECT_EQ(CMemDC(&dc).GetRect(), CRect(4, 5, 9, 7));
}
