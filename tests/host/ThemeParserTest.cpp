#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "host/ThemeParser.h"

TEST(ThemeParser, ReadsEveryKindOfLine) {
  ThemeDefinition definition;
  const auto error = ParseTheme(
      "\xEF\xBB\xBF# comment\r\n"
      "\n"
      "   Edit.TextBack.diasble   =   #F0e0D0  \r\n"
      "Button.BackGround=none\n"
      "font DropListWnd = DejaVu Sans, 12, 400\n"
      "font Slanted = DejaVu Sans , 9 , 700 , italic\n"
      "font Button.BackGround = DejaVu Sans, 9, 400\n"  // kinds have separate keys
      "bitmap Radio.bmp.normal = radio/normal.png",  // no newline at the end
      definition);
  ASSERT_FALSE(error) << error->Describe();
  EXPECT_EQ(definition.mapColors.at(L"Edit.TextBack.diasble"), RGB(0xF0, 0xE0, 0xD0));
  EXPECT_EQ(definition.mapColors.at(L"Button.BackGround"), 0xFFFFFFFFu);

  // Height, weight, slant and line of each font; the height is the character height in pixels.
  for (const auto& [key, height, weight, italic, line] :
       {std::tuple{L"DropListWnd", -12, 400, 0, 5}, {L"Slanted", -9, 700, 1, 6}}) {
    const auto& [font, nLine] = definition.mapFonts.at(key);
    EXPECT_STREQ(font.lfFaceName, L"DejaVu Sans") << key;
    EXPECT_EQ(std::tuple(font.lfHeight, font.lfWeight, int(font.lfItalic), nLine),
              std::tuple(height, weight, italic, line)) << key;
  }

  EXPECT_EQ(definition.mapBitmaps.at(L"Radio.bmp.normal").strPath, "radio/normal.png");
  EXPECT_EQ(definition.mapBitmaps.at(L"Radio.bmp.normal").nLine, 8);
}

TEST(ThemeParser, RefusalsNameTheLineAndTheFault) {
  // The theme, the line refused and words of the reason.
  const std::tuple<const char*, int, const wchar_t*> cases[] = {
      {"A = #000000\nB = #12345\n", 2, L"bad colour '#12345'"},
      {"B = 123456\n", 1, L"bad colour"},
      {"# fine\n\ncolour B = #123456\n", 3, L"unknown directive 'colour'"},
      {"A = #000000\nB #123456\n", 2, L"missing '='"},
      {"A = #000000\nA = #111111\n", 2, L"'A' is already defined on line 1"},
      {"font F = A, 9, 400\nfont F = B, 9, 400\n", 2, L"already defined on line 1"},
      {" = #000000\n", 1, L"missing key"},
      {"A.b c = #000000\n", 1, L"unknown directive 'A.b'"},
      {"font = A, 9, 400\n", 1, L"missing key"},
      {"A/b = #000000\n", 1, L"bad key"},
      {"A =\n", 1, L"missing value"},
      {"font F = DejaVu Sans, 12\n", 1, L"bad font"},
      {"font F = DejaVu Sans, 12, 400, italic, 3\n", 1, L"bad font"},
      {"font F = , 12, 400\n", 1, L"face name is empty"},
      {"font F = DejaVu Sans, 0, 400\n", 1, L"bad font height '0'"},
      {"font F = DejaVu Sans, 12px, 400\n", 1, L"bad font height"},
      {"font F = DejaVu Sans, 12, 5000\n", 1, L"bad font weight"},
      {"font F = DejaVu Sans, 12, 400, bold\n", 1, L"bad font style 'bold'"},
      {"font F = A Face Name Longer Than Thirty One Chars, 12, 400\n", 1, L"longer than 31"},
      {"font F = \xC3\x28, 12, 400\n", 1, L"not valid UTF-8"},
  };
  for (const auto& [text, line, words] : cases) {
    ThemeDefinition definition;
    const ThemeError error = ParseTheme(text, definition).value_or(ThemeError{});
    EXPECT_EQ(error.nLine, line) << text;
    EXPECT_NE(error.strReason.find(words), std::wstring::npos) << text;
    EXPECT_EQ(error.Describe().rfind(L"line " + std::to_wstring(line) + L": ", 0), 0u) << text;
  }
}
