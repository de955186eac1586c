// UTF-8 at the platform's edges: the system clipboard, input-method text, window titles.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// Each malformed, overlong, surrogate or out-of-range sequence becomes one U+FFFD.
std::wstring WideFromUtf8(std::string_view utf8);
// Values that are not Unicode scalar values (surrogates, beyond U+10FFFF) become U+FFFD.
std::string Utf8FromWide(std::wstring_view wide);

}  // namespace platform
