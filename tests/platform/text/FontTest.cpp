// Creating fonts: extreme descriptions, metrics and the refusals of bad input. Which pinned
// family answers a face name shows in MeasureTest's pinned widths.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "platform/gdi/GdiObjects.h"
#include "tests/platform/text/TextTestSupport.h"

using namespace trellis::test;
using platform::GdiFont;
using platform::Resolve;

namespace {

platform::text::FontInstance* InstanceOf(HFONT font) {
  GdiFont* gdi = Resolve<GdiFont>(font);
  return gdi ? gdi->instance.get() : nullptr;
}

}  // namespace

TEST(CreateFont, BadAndExtremeDescriptions) {
  EXPECT_EQ(CreateFontIndirectW(nullptr), nullptr);
  Canvas canvas(10, 10);
  // A face name that fills the whole array without a terminator, and heights at the limits.
  LOGFONTW lf = LogFont({});
  for (WCHAR& c : lf.lfFaceName) c = L'x';
  for (LONG height : {LONG(0), LONG(INT_MIN), LONG(INT_MAX), LONG(-100000)}) {
    lf.lfHeight = height;
    HFONT font = CreateFontIndirectW(&lf);
    ASSERT_NE(font, nullptr);
    HGDIOBJ old = SelectObject(canvas.dc(), font);
    const TEXTMETRICW tm = Metrics(canvas.dc());
    EXPECT_GT(tm.tmHeight, 0);
    EXPECT_GT(Extent(canvas.dc(), L"W").cx, 0);
    wchar_t face[LF_FACESIZE] = {};
    GetTextFaceW(canvas.dc(), LF_FACESIZE, face);
    EXPECT_STREQ(face, L"DejaVu Sans");
    SelectObject(canvas.dc(), old);
    DeleteObject(font);
  }
  // lfHeight 0 is the default size, 12 pixels.
  lf = LogFont({L"Tahoma", 0});
  HFONT zero = CreateFontIndirectW(&lf);
  lf.lfHeight = -12;
  HFONT twelve = CreateFontIndirectW(&lf);
  EXPECT_EQ(InstanceOf(zero), InstanceOf(twelve));
  DeleteObject(zero);
  DeleteObject(twelve);
}

// Pinned metrics of the default face, and how size, weight and styles move them. A fresh memory
// DC measures with the stock system font until another is selected.
TEST(TextMetrics, DescribeTheSelectedFont) {
  Canvas canvas(10, 10);
  const TEXTMETRICW system = Metrics(canvas.dc());
  EXPECT_EQ(system.tmWeight, FW_BOLD);
  const auto metrics = [&canvas](const FontRequest& request) {
    SelectedFont font(canvas.dc(), request);
    const TEXTMETRICW tm = Metrics(canvas.dc());
    return std::vector<LONG>{tm.tmHeight,       tm.tmAscent,        tm.tmDescent,
                             tm.tmAveCharWidth, tm.tmWeight,        tm.tmItalic != 0,
                             tm.tmUnderlined != 0, tm.tmStruckOut != 0};
  };
  EXPECT_EQ(metrics({L"Tahoma", -12}), (std::vector<LONG>{14, 11, 3, 6, FW_NORMAL, 0, 0, 0}));
  EXPECT_EQ(metrics({L"Tahoma", -16})[0], 19);
  EXPECT_GT(metrics({L"Tahoma", -16})[3], 6);
  auto bold = metrics({L"Tahoma", -12, FW_EXTRABOLD, true, true, true});
  EXPECT_GT(bold[3], 6);
  bold[3] = 6;
  EXPECT_EQ(bold, (std::vector<LONG>{14, 11, 3, 6, FW_EXTRABOLD, 1, 1, 1}));
  TEXTMETRICW unused{};
  EXPECT_FALSE(GetTextMetricsW(canvas.dc(), nullptr));
  EXPECT_FALSE(GetTextMetricsW(nullptr, &unused));
}
