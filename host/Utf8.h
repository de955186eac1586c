// UTF-8 to wide text, for what theme files say in words (font faces, quoted text in errors).
#pragma once

#include <string>
#include <string_view>

// Malformed sequences, surrogates and overlong forms become U+FFFD; *valid (when given) tells
// whether there were any.
std::wstring WidenUtf8(std::string_view text, bool* valid = nullptr);
