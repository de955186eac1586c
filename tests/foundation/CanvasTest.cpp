#include <gtest/gtest.h>

#include <cwchar>
#include <random>
#include <string>
#include <vector>

#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "platform/gdi/HandleTable.h"
#include "tests/support/Pixels.h"

using trellis::test::Canvas;

namespace {

// A CDC wrapper over a test canvas that does not own the DC.
struct Borrowed : CDC {
  explicit Borrowed(HDC hdc) { m_hDC = m_hAttribDC = hdc; }
  ~Borrowed() override { m_hDC = m_hAttribDC = nullptr; }
};

LOGFONTW Font(LONG height) {
  LOGFONTW lf{};
  lf.lfHeight = height;
  lf.lfWeight = FW_NORMAL;
  std::wcscpy(lf.lfFaceName, L"DejaVu Sans");
  return lf;
}

bool SamePixels(const Canvas& a, const Canvas& b) {
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x)
      if (a.At(x, y) != b.At(x, y)) return false;
  return true;
}

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);

}  // namespace

TEST(LightCanvas, RestoresWhatItFoundBeforeTheFirstChange) {
  Canvas target(4, 4);
  Borrowed dc(target.dc());
  dc.SetBkColor(RGB(1, 2, 3));
  dc.SetTextColor(RGB(4, 5, 6));
  dc.SetBkMode(OPAQUE);
  {
    CLightCanvas canvas(&dc);
    EXPECT_EQ(canvas.SetBkColor(kRed), 1);
    EXPECT_EQ(canvas.SetBkColor(kBlue), 1);
    canvas.SetTextColor(kRed);
    canvas.SetTextColor(kBlue);
    canvas.SetBkMode(TRANSPARENT);
    canvas.SetBkMode(OPAQUE);
    EXPECT_EQ(dc.GetBkColor(), kBlue);
    canvas.Restore();
    EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));
    EXPECT_EQ(dc.GetTextColor(), RGB(4, 5, 6));
    EXPECT_EQ(dc.GetBkMode(), OPAQUE);
    // After Restore nothing is remembered: a new change is remembered afresh.
    canvas.SetBkColor(kRed);
  }
  EXPECT_EQ(dc.GetBkColor(), RGB(1, 2, 3));
}

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
  EXPECT_GT(big, 2 * small);  // each canvas draws in its own font
  EXPECT_EQ(GetCurrentObject(dc.m_hDC, OBJ_FONT), original);
  // Painting again makes no font: the description's font is kept.
  const std::size_t live = platform::Handles().LiveCount();
  EXPECT_EQ(ink(-12), small);
  EXPECT_EQ(ink(-24), big);
  EXPECT_EQ(platform::Handles().LiveCount(), live);
  // Counted text draws only those characters.
  EXPECT_EQ(ink(-12, L"HI", 1), small);
  EXPECT_GT(ink(-12, L"HI"), small);
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
    const int selFirst = std::min(a, b), selLast = std::max(a, b);
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
      const TextRun drawn[] = {{0, int(text.size()), plainText, plainBack},
                               {selFirst, selLast, selText, selBack}};
      canvas.DrawTextRuns({text.c_str(), widths, left, 2, 18}, drawn, DT_SINGLELINE | DT_VCENTER);
    }
    {
      Borrowed dc(reference.dc());
      CLightCanvas canvas(&dc);
      canvas.SetFont(Font(-12));
      canvas.ClipTo(clip);
      canvas.SetBkMode(OPAQUE);
      canvas.SetBkColor(plainBack);
      canvas.SetTextColor(plainText);
      RECT line{left, 2, left + widths.back(), 18};
      canvas.DrawText(text.c_str(), &line, DT_SINGLELINE | DT_VCENTER);
      if (selFirst < selLast) {
        canvas.SetBkColor(selBack);
        canvas.SetTextColor(selText);
        RECT sel{left + widths[std::size_t(selFirst)], 2, left + widths[std::size_t(selLast)], 18};
        canvas.DrawText(text.c_str() + selFirst, selLast - selFirst, &sel,
                        DT_SINGLELINE | DT_VCENTER);
      }
    }
    EXPECT_TRUE(SamePixels(runs, reference)) << "line at " << left;
    EXPECT_EQ(runs.Count(RGB(255, 255, 255), {0, 0, 30, 20}), 30 * 20);  // held in the clip
  }
}

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
    EXPECT_EQ(canvas.FillRect({0, 0, 20, 20}, 0xFFFFFFFF), 1);  // no colour: nothing
    EXPECT_EQ(target.Count(kBlue), 400);
    EXPECT_EQ(canvas.FillRect({2, 2, 5, 4}, kRed), 1);
    EXPECT_EQ(target.Count(kRed), 6);
    EXPECT_EQ(target.At(5, 4), kBlue);
    canvas.DrawLine(1, 10, kRed, 6, 10);  // (1,10)..(5,10); the end point is not drawn
    canvas.DrawLine(6, 13, RGB(0, 0, 0));  // a negative end goes on from (6,10) down to (6,12)
    EXPECT_EQ(target.Count(kRed, {0, 10, 20, 11}), 5);
    EXPECT_EQ(target.Count(RGB(0, 0, 0), {6, 10, 7, 20}), 3);
    EXPECT_EQ(canvas.DrawBitmap(0, 0, 8, 4, nullptr), 0);
    EXPECT_EQ(canvas.DrawBitmap(10, 2, 8, 4, &bitmap), 1);  // stretched whole
    EXPECT_EQ(target.Count(kRed, {10, 2, 14, 6}), 16);
    EXPECT_EQ(target.Count(RGB(0, 255, 0), {14, 2, 18, 6}), 16);
  }
  EXPECT_EQ(dc.GetBkColor(), RGB(9, 9, 9));
  EXPECT_EQ(GetCurrentObject(dc.m_hDC, OBJ_PEN), pen);
  // The bitmap is free again: it can be selected elsewhere.
  CDC other;
  other.CreateCompatibleDC(nullptr);
  EXPECT_NE(other.SelectObject(&bitmap), nullptr);
}

TEST(LightCanvas, WithoutAContextEveryOperationFailsQuietly) {
  CLightCanvas canvas(nullptr);
  RECT r{0, 0, 1, 1};
  EXPECT_EQ(canvas.SetBkMode(OPAQUE), 0);
  EXPECT_EQ(canvas.SetBkColor(0), 0);
  EXPECT_EQ(canvas.SetTextColor(0), 0);
  EXPECT_EQ(canvas.SetFont(LOGFONTW{}), 0);
  EXPECT_EQ(canvas.FillRect(r, 0), 0);
  EXPECT_EQ(canvas.DrawText(L"x", &r, 0), 0);
  EXPECT_EQ(canvas.DrawLine(1, 1, 0), 0);
  EXPECT_EQ(canvas.Restore(), 1);
}

TEST(MemDC, CopiesTheRectangleOnceWhenDestroyed) {
  Canvas target(20, 20, kBlue);
  Borrowed dc(target.dc());
  dc.SetWindowOrg(-3, -3);  // the painter works in the target's logical coordinates
  const RECT area{2, 2, 10, 8};
  {
    CMemDC mem(&dc, &area);
    ASSERT_TRUE(mem.IsBuffering());
    mem.FillSolidRect(&area, kRed);
    mem.SetPixel(2, 2, RGB(0, 255, 0));
    // Nothing reaches the target before the end of the scope.
    EXPECT_EQ(target.Count(kRed), 0);
  }
  EXPECT_EQ(target.Count(kRed) + 1, 8 * 6);
  EXPECT_EQ(target.At(5, 5), RGB(0, 255, 0));
  EXPECT_EQ(target.At(4, 4), kBlue);
  // Without a rectangle it buffers the clip box.
  IntersectClipRect(dc.m_hDC, 4, 5, 9, 7);
  EXPECT_EQ(CMemDC(&dc).GetRect(), CRect(4, 5, 9, 7));
}
