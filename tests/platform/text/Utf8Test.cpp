// The platform's UTF-8 conversion at its edges.
#include <gtest/gtest.h>

#include "platform/text/Utf8.h"

namespace {

using platform::Utf8FromWide;
using platform::WideFromUtf8;

TEST(PlatformUtf8, RoundTripsEveryLength) {
  const std::wstring text = L"a\u00e9\u4e2d\U0001F600z";
  const std::string utf8 = Utf8FromWide(text);
  EXPECT_EQ(utf8, "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80z");
  EXPECT_EQ(WideFromUtf8(utf8), text);
}

TEST(PlatformUtf8, EachBadSequenceBecomesOneReplacement) {
  struct Case {
    const char* name;
    std::string bytes;
    std::wstring wide;
  };
  const Case cases[] = {
      {"lone continuation", "a\x80z", L"a\uFFFDz"},
      {"truncated at the end", "a\xE4\xB8", L"a\uFFFD"},
      {"interrupted", "\xE4\xB8z", L"\uFFFDz"},
      {"overlong", "\xC0\x80", L"\uFFFD"},
      {"surrogate", "\xED\xA0\x80", L"\uFFFD"},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", L"\uFFFD"},
      {"invalid lead", "\xFF", L"\uFFFD"},
  };
  for (const Case& c : cases) EXPECT_EQ(WideFromUtf8(c.bytes), c.wide) << c.name;
  EXPECT_EQ(Utf8FromWide(std::wstring(1, wchar_t(0xD800))), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf8FromWide(std::wstring(1, wchar_t(0x110000))), "\xEF\xBF\xBD");
}

}  // namespace
