// The contract of the shipped themes: every key a control or the framework reads is defined.
#include <gtest/gtest.h>

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

// Keys read in every one of a control's five looks.
const std::wstring kLooks[] = {L"normal", L"hover", L"push", L"focus", L"diasble"};
const std::wstring kLookedKeys[] = {L"Edit.TextBack", L"Button.panel", L"Button.shade", L"Button.text"};

const wchar_t* const kColorKeys[] = {
    L"Edit.BackGround",
    // drop list face, pop-up and rows
    L"ComboBox.CLR.BackGroundNormal", L"ComboBox.CLR.BackGroundDisable",
    L"ComboBox.CLR.FrameNormal", L"ComboBox.CLR.TextNormal", L"ComboBox.CLR.TextDisable",
    L"DropWnd.CLR.BackGround", L"DropList.CLR.ItemNormal", L"DropList.CLR.ItemSelected",
    L"DropList.CLR.TextCommon",
    // radio, date picker and its drop button, system button
    L"Radio.CLR.BackGroundNormal", L"Radio.CLR.TextNormal", L"Radio.CLR.TextDisable",
    L"Datepicker.frame.normal", L"Datepicker.frame.hover", L"DatePicker.Background",
    L"DatePicker.Text", L"ComboBox.CLR.BackGroundFocus", L"ComboBox.CLR.TextFocus",
    L"Button.BackGround",
    // framework: colour table defaults, scroll bar, pop-up menu
    L"Framework.Background", L"Framework.Frame", L"Framework.Panel", L"Framework.Shade",
    L"Framework.Text", L"Framework.Text.diasble", L"Framework.TextBack", L"Framework.SelBack",
    L"Framework.SelText", L"Framework.Hover", L"Framework.Push", L"Framework.Focus",
    L"ScrollBar.Track", L"ScrollBar.Thumb", L"ScrollBar.Thumb.hover", L"ScrollBar.Thumb.push",
    L"ScrollBar.Arrow", L"Menu.Background", L"Menu.Frame", L"Menu.Text", L"Menu.Text.diasble",
    L"Menu.SelBack", L"Menu.SelText", L"Menu.Separator",
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

INSTANTIATE_TEST_SUITE_P(Themes, ShippedTheme, ::testing::Values(L"default", L"dark"),
                         [](const auto& info) {
                           const std::wstring name = info.param;
                           return std::string(name.begin(), name.end());
                         });
