#include "platform/text/FaceNames.h"

#include <array>

namespace platform::text {

namespace {

struct Alias {
  std::wstring_view name;
  const char* family;
};

// Our own families first, then the names Windows programs use for fixed-pitch and serif text.
constexpr std::array kAliases{
    Alias{L"dejavu sans", "DejaVu Sans"},
    Alias{L"dejavu sans mono", "DejaVu Sans Mono"},
    Alias{L"dejavu serif", "DejaVu Serif"},
    Alias{L"wenquanyi micro hei", "WenQuanYi Micro Hei"},
    Alias{L"wenquanyi micro hei mono", "WenQuanYi Micro Hei Mono"},
    Alias{L"文泉驿微米黑", "WenQuanYi Micro Hei"},
    Alias{L"文泉驛微米黑", "WenQuanYi Micro Hei"},
    Alias{L"courier", "DejaVu Sans Mono"},
    Alias{L"courier new", "DejaVu Sans Mono"},
    Alias{L"consolas", "DejaVu Sans Mono"},
    Alias{L"lucida console", "DejaVu Sans Mono"},
    Alias{L"fixedsys", "DejaVu Sans Mono"},
    Alias{L"terminal", "DejaVu Sans Mono"},
    Alias{L"times new roman", "DejaVu Serif"},
    Alias{L"times", "DejaVu Serif"},
    Alias{L"georgia", "DejaVu Serif"},
    Alias{L"cambria", "DejaVu Serif"},
};

bool IsSpace(wchar_t c) { return c == L' ' || c == L'\t'; }

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; }

bool SameName(std::wstring_view a, std::wstring_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  return true;
}

}  // namespace

std::string FamilyForFaceName(std::wstring_view face) {
  while (!face.empty() && IsSpace(face.front())) face.remove_prefix(1);
  while (!face.empty() && IsSpace(face.back())) face.remove_suffix(1);
  for (const Alias& alias : kAliases)
    if (SameName(face, alias.name)) return alias.family;
  return kDefaultFamily;
}

}  // namespace platform::text
