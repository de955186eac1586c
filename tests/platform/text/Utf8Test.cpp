// The platform's UTF-8 conversion at its edges.
#include <gtest/gtest.h>

#include "platform/text/Utf8.h"

namespace {

using platform::Utf8FromWide;
using platform::WideFromUtf8;

// Every length of sequence round-trips; each bad sequence becomes one replacement and marks the
// text invalid, while a genuine U+FFFD leaves it valid.
TEST(PlatformUtf8, RoundTripsAndEachBadSequenceBecomesOneReplacement) {
  const std::wstring text = L"a\u00e9\u4e2d\U0001F600z";
  EXPECT_EQ(Utf8FromWide(text), "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80z");
  const struct {
    const char* name;
    std::string bytes;
    std::wstring wide;
    bool valid;
  } cases[] = {
      {"every length", "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80z", text, true},
      {"a genuine replacement", "a\xEF\xBF\xBDz", L"a\uFFFDz", true},
      {"lone continuation", "a\x80z", L"a\uFFFDz", false},
      {"truncated at the end", "a\xE4\xB8", L"a\uFFFD", false},
      {"interrupted", "\xE4\xB8z", L"\uFFFDz", false},
      {"overlong", "\xC0\x80", L"\uFFFD", false},
      {"surrogate", "\xED\xA0\x80", L"\uFFFD", false},
      {"beyond U+10FFFF", "\xF4\x90\x80\x80", L"\uFFFD", false},
      {"invalid lead", "\xFF", L"\uFFFD", false},
  };
  for (const auto& c : cases) {
    bool valid = !c.valid;
    EXPECT_EQ(WideFromUtf8(c.bytes, &valid), c.wide) << c.name;
    EXPECT_EQ(valid, c.valid) << c.name;
  }
  EXPECT_EQ(Utf8FromWide(std::wstring(1, wchar_t(0xD800))), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf8FromWide(std::wstring(1, wchar_t(0x110000))), "\xEF\xBF\xBD");
}

}  // namespace
