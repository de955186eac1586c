#include "host/Utf8.h"

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

bool IsContinuation(unsigned char byte) { return (byte & 0xC0) == 0x80; }

}  // namespace

std::wstring WidenUtf8(std::string_view text, bool* valid) {
  std::wstring out;
  out.reserve(text.size());
  bool clean = true;
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    int extra = 0;
    char32_t code = 0;
    char32_t smallest = 0;  // below this the sequence is an overlong form
    if (lead < 0x80) {
      code = lead;
    } else if ((lead & 0xE0) == 0xC0) {
      extra = 1, code = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
      extra = 2, code = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
      extra = 3, code = lead & 0x07, smallest = 0x10000;
    } else {
      extra = -1;
    }
    std::size_t used = 1;
    bool good = extra >= 0;
    for (int k = 0; good && k < extra; ++k, ++used) {
      if (i + used >= text.size() || !IsContinuation(static_cast<unsigned char>(text[i + used]))) {
        good = false;
        break;
      }
      code = (code << 6) | (static_cast<unsigned char>(text[i + used]) & 0x3F);
    }
    if (good && (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))) {
      good = false;
    }
    out.push_back(good ? static_cast<wchar_t>(code) : kReplacement);
    clean = clean && good;
    i += used;
  }
  if (valid) *valid = clean;
  return out;
}

std::string NarrowUtf8(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (const wchar_t wide : text) {
    auto code = static_cast<char32_t>(wide);
    if (code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = kReplacement;
    if (code < 0x80) {
      out.push_back(static_cast<char>(code));
    } else if (code < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (code >> 6)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else if (code < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (code >> 12)));
      out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (code >> 18)));
      out.push_back(static_cast<char>(0x80 | ((code >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((code >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
    }
  }
  return out;
}
