#include "platform/text/Utf8.h"

namespace platform {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsScalarValue(char32_t c) { return c <= 0x10FFFF && !(c >= 0xD800 && c <= 0xDFFF); }

struct Decoded {
  char32_t code;
  std::size_t length;
};

// The code point at the start of `s` (not empty); a bad sequence consumes what was read of it.
Decoded DecodeOne(std::string_view s) {
  const auto lead = static_cast<unsigned char>(s[0]);
  if (lead < 0x80) return {lead, 1};
  std::size_t extra;
  char32_t code;
  char32_t smallest;  // anything below is an overlong form
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, code = lead & 0x1F, smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, code = lead & 0x0F, smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, code = lead & 0x07, smallest = 0x10000;
  } else {
    return {kReplacement, 1};
  }
  std::size_t used = 1;
  for (; used <= extra; ++used) {
    if (used >= s.size()) return {kReplacement, used};
    const auto next = static_cast<unsigned char>(s[used]);
    if ((next & 0xC0) != 0x80) return {kReplacement, used};
    code = (code << 6) | (next & 0x3F);
  }
  if (code < smallest || !IsScalarValue(code)) return {kReplacement, used};
  return {code, used};
}

}  // namespace

std::wstring WideFromUtf8(std::string_view utf8) {
  std::wstring out;
  out.reserve(utf8.size());
  while (!utf8.empty()) {
    const Decoded d = DecodeOne(utf8);
    out.push_back(static_cast<wchar_t>(d.code));
    utf8.remove_prefix(d.length);
  }
  return out;
}

std::string Utf8FromWide(std::wstring_view wide) {
  std::string out;
  out.reserve(wide.size());
  for (const wchar_t w : wide) {
    char32_t c = static_cast<char32_t>(w);
    if (!IsScalarValue(c)) c = kReplacement;
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      continue;
    }
    // Lead byte marker and the number of continuation bytes for each length.
    const int extra = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
    constexpr unsigned char kLead[] = {0, 0xC0, 0xE0, 0xF0};
    out.push_back(static_cast<char>(kLead[extra] | (c >> (6 * extra))));
    for (int k = extra - 1; k >= 0; --k)
      out.push_back(static_cast<char>(0x80 | ((c >> (6 * k)) & 0x3F)));
  }
  return out;
}

}  // namespace platform
