#include <gtest/gtest.h>

#include "host/Utf8.h"

TEST(Utf8, RoundTripsEveryPlane) {
  const std::wstring text = L"a\u00E9\u4E2D\U0001F600z";
  const std::string bytes = NarrowUtf8(text);
  EXPECT_EQ(bytes, "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80z");
  bool valid = false;
  EXPECT_EQ(WidenUtf8(bytes, &valid), text);
  EXPECT_TRUE(valid);
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
  struct Case {
    const char* bytes;
    const wchar_t* text;
  };
  const Case cases[] = {
      {"\xC3\x28", L"\uFFFD("},         // a lead byte without its continuation
      {"\xC0\xAF", L"\uFFFD"},          // overlong two-byte form of '/'
      {"\xE0\x80\xAF", L"\uFFFD"},      // overlong three-byte form
      {"\xED\xA0\x80", L"\uFFFD"},      // a surrogate
      {"\xF4\x90\x80\x80", L"\uFFFD"},  // beyond U+10FFFF
      {"ab\xE4\xB8", L"ab\uFFFD"},      // cut short at the end
      {"\xFF", L"\uFFFD"},
  };
  for (const Case& c : cases) {
    bool valid = true;
    EXPECT_EQ(WidenUtf8(c.bytes, &valid), c.text) << c.bytes;
    EXPECT_FALSE(valid) << c.bytes;
  }
  EXPECT_EQ(NarrowUtf8(std::wstring(1, wchar_t(0xD800))), "\xEF\xBF\xBD");
}
