// The contract of the shipped themes: every key a control or the framework reads is defined,
// and every text is readable on what it is drawn on.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "host/CThemePalette.h"
#include "host/ThemeFiles.h"
#include "host/ThemeParser.h"
#include "platform/com/CComPtr.h"
#include "tests/host/HostTestSupport.h"
#include "tests/support/Pixels.h"

namespace {

// The keys no text is read against: those of a text and what it is drawn on are in the contrast
// table below, whose test requires each to be defined. Keys read in every one of five looks:
const std::wstring kLooks[] = {L"normal", L"hover", L"push", L"focus", L"diasble"};
const std::wstring kLookedKeys[] = {L"Button.panel", L"Button.shade"};

const wchar_t* const kColorKeys[] = {
    L"Edit.BackGround", L"ComboBox.CLR.FrameNormal", L"DropWnd.CLR.BackGround",
    L"Datepicker.frame.normal", L"Datepicker.frame.hover",
    // framework: colour table defaults, scroll bar, pop-up menu
    L"Framework.Frame", L"Framework.Shade", L"Framework.Hover", L"Framework.Push",
    L"Framework.Focus", L"ScrollBar.Track", L"ScrollBar.Thumb", L"ScrollBar.Thumb.hover",
    L"ScrollBar.Thumb.push", L"ScrollBar.Arrow", L"Menu.Frame", L"Menu.Separator",
};

const wchar_t* const kFontKeys[] = {
    L"DropListWnd", L"Trade.Info.HSONGTI12", L"Framework.Font", L"Menu.Font",
};

const wchar_t* const kBitmapKeys[] = {
    L"Radio.bmp.normal", L"Radio.bmp.normal.checked", L"Radio.bmp.pushed", L"Radio.bmp.disable",
    L"Radio.bmp.disable.checked",
};

// The colour the radio leaves out of its images.
constexpr COLORREF kRadioTransparent = RGB(255, 0, 0);

class ShippedTheme : public ::testing::TestWithParam<const wchar_t*> {
 protected:
  std::filesystem::path File() const { return FindThemeFile(GetParam()); }
};

}  // namespace

TEST_P(ShippedTheme, LoadsAndDefinesEveryKeyTheControlsRead) {
  ASSERT_FALSE(File().empty());
  std::ifstream in(File(), std::ios::binary);
  const std::string text(std::istreambuf_iterator<char>(in), {});
  ThemeDefinition definition;
  const auto error = ParseTheme(text, definition);
  ASSERT_FALSE(error) << error->Describe();
  for (const wchar_t* key : kColorKeys) EXPECT_TRUE(definition.mapColors.contains(key)) << key;
  for (const std::wstring& key : kLookedKeys)
    for (const std::wstring& look : kLooks)
      EXPECT_TRUE(definition.mapColors.contains(key + L"." + look)) << key << L"." << look;

  CComPtr<CThemePalette> palette(new CThemePalette);
  const auto loadError = palette->LoadFile(File());
  ASSERT_FALSE(loadError) << loadError->Describe();
  for (const wchar_t* key : kFontKeys) EXPECT_NE(palette->GetFont(key), nullptr) << key;

  // The radio images: a 13-pixel box whose corners are the key colour the radio leaves out and
  // whose middle is drawn.
  using trellis::test::BitmapPixel;
  for (const wchar_t* key : kBitmapKeys) {
    CBitmap* bitmap = palette->GetBitmap(key);
    ASSERT_NE(bitmap, nullptr) << key;
    EXPECT_EQ(trellis::test::SizeOf(bitmap), CSize(13, 13)) << key;
    EXPECT_EQ(BitmapPixel(*bitmap, 0, 0), kRadioTransparent) << key;
    EXPECT_EQ(BitmapPixel(*bitmap, 12, 12), kRadioTransparent) << key;
    EXPECT_NE(BitmapPixel(*bitmap, 6, 6), kRadioTransparent) << key;
    EXPECT_NE(BitmapPixel(*bitmap, 6, 1), kRadioTransparent) << key;  // the ring
  }
}

namespace {

// Every text colour against the background it is drawn on. Text the user must read needs 4.5:1,
// disabled text 3:1. Edit text and selections, labels, check boxes and a disabled date picker
// take the framework's colours.
struct ContrastRow {
  const char* what;
  const wchar_t* text;
  const wchar_t* back;
  double least = 4.5;
};
constexpr double kDisabled = 3.0;
const ContrastRow kContrastRows[] = {
    {"label, check box", L"Framework.Text", L"Framework.Background"},
    {"framework panel", L"Framework.Text", L"Framework.Panel"},
    {"framework text back", L"Framework.Text", L"Framework.TextBack"},
    {"disabled label, date picker", L"Framework.Text.diasble", L"Framework.Background", kDisabled},
    {"selected text", L"Framework.SelText", L"Framework.SelBack"},
    {"menu", L"Menu.Text", L"Menu.Background"},
    {"disabled menu item", L"Menu.Text.diasble", L"Menu.Background", kDisabled},
    {"selected menu item", L"Menu.SelText", L"Menu.SelBack"},
    {"edit", L"Framework.Text", L"Edit.TextBack.normal"},
    {"edit hovered", L"Framework.Text", L"Edit.TextBack.hover"},
    {"edit pushed", L"Framework.Text", L"Edit.TextBack.push"},
    {"edit focused", L"Framework.Text", L"Edit.TextBack.focus"},
    {"disabled edit", L"Framework.Text.diasble", L"Edit.TextBack.diasble", kDisabled},
    {"drop list face", L"ComboBox.CLR.TextNormal", L"ComboBox.CLR.BackGroundNormal"},
    {"focused drop list", L"ComboBox.CLR.TextFocus", L"ComboBox.CLR.BackGroundFocus"},
    {"disabled drop list", L"ComboBox.CLR.TextDisable", L"ComboBox.CLR.BackGroundDisable",
     kDisabled},
    {"drop list row", L"DropList.CLR.TextCommon", L"DropList.CLR.ItemNormal"},
    {"selected drop list row", L"DropList.CLR.TextCommon", L"DropList.CLR.ItemSelected"},
    {"radio", L"Radio.CLR.TextNormal", L"Radio.CLR.BackGroundNormal"},
    {"disabled radio", L"Radio.CLR.TextDisable", L"Radio.CLR.BackGroundNormal", kDisabled},
    {"button", L"Button.text.normal", L"Button.BackGround"},
    {"button hovered", L"Button.text.hover", L"Button.BackGround"},
    {"button pushed", L"Button.text.push", L"Button.BackGround"},
    {"button focused", L"Button.text.focus", L"Button.BackGround"},
    {"disabled button", L"Button.text.diasble", L"Button.BackGround", kDisabled},
    {"date picker drop button", L"DatePicker.Text", L"DatePicker.Background"},
    {"date field, calendar days", L"Datepicker.fieldtext.normal", L"Datepicker.field.normal"},
    {"calendar title, picked day", L"Datepicker.field.normal", L"Datepicker.fieldtext.normal"},
};

// WCAG relative luminance of a 0x00BBGGRR colour.
double Luminance(COLORREF c) {
  const auto channel = [](int v) {
    const double s = v / 255.0;
    return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(GetRValue(c)) + 0.7152 * channel(GetGValue(c)) +
         0.0722 * channel(GetBValue(c));
}

}  // namespace

TEST_P(ShippedTheme, EveryTextIsReadableOnWhatItIsDrawnOn) {
  CComPtr<CThemePalette> palette(new CThemePalette);
  ASSERT_FALSE(palette->LoadFile(File()));
  for (const ContrastRow& row : kContrastRows) {
    const auto text = palette->FindColor(row.text), back = palette->FindColor(row.back);
    ASSERT_TRUE(text && back) << row.text << L" or " << row.back << L" undefined";
    const auto [dark, light] = std::minmax({Luminance(*text), Luminance(*back)});
    EXPECT_GE((light + 0.05) / (dark + 0.05), row.least) << row.what;
  }
}

INSTANTIATE_TEST_SUITE_P(Themes, ShippedTheme, ::testing::Values(L"default", L"dark"),
                         [](const auto& info) {
                           const std::wstring name = info.param;
                           return std::string(name.begin(), name.end());
                         });
