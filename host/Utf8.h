// UTF-8 and wide text, at the edges where names meet files: font faces and texts quoted from
// theme files, and image file names.
#pragma once

#include <string>
#include <string_view>

// Malformed sequences, surrogates and overlong forms become U+FFFD; *valid (when given) is set
// to false when there were any.
std::wstring WidenUtf8(std::string_view text, bool* valid = nullptr);
// Wide text to UTF-8; code points that cannot be encoded (surrogates, beyond U+10FFFF) become
// U+FFFD.
std::string NarrowUtf8(std::wstring_view text);
