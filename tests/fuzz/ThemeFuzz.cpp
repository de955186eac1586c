// Theme files: any text is either refused at a line that exists, or gives one definition per
// line that is not blank or a comment, each within the ranges a theme allows.
#include <algorithm>
#include <cwchar>

#include "host/ThemeParser.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto copy = ExactCopy(data, size);
  std::string_view rest(reinterpret_cast<const char*>(copy.get()), size);
  ThemeDefinition theme;
  const std::optional<ThemeError> error = ParseTheme(rest, theme);
  if (rest.starts_with("\xEF\xBB\xBF")) rest.remove_prefix(3);  // a byte-order mark is no text
  std::size_t lines = 1, definitions = 0;  // lines: one past the last
  for (; !rest.empty(); ++lines) {
    const std::string_view line = rest.substr(0, rest.find('\n'));
    const auto first = line.find_first_not_of(" \t\r");
    definitions += first != std::string_view::npos && line[first] != '#';
    rest.remove_prefix(std::min(rest.size(), line.size() + 1));
  }
  if (error) {
    FUZZ_CHECK(error->nLine >= 1 && std::size_t(error->nLine) < lines && !error->Describe().empty());
    return 0;
  }
  FUZZ_CHECK(theme.mapColors.size() + theme.mapFonts.size() + theme.mapBitmaps.size() == definitions);
  for (const auto& [key, color] : theme.mapColors)
    FUZZ_CHECK(key.find_first_of(L" \t=#") == std::wstring::npos && (color <= 0xFFFFFF || color == 0xFFFFFFFF));
  for (const auto& [key, font] : theme.mapFonts)
    FUZZ_CHECK(font.logfont.lfHeight <= -1 && font.logfont.lfHeight >= -400 && font.logfont.lfWeight >= 1 &&
               font.logfont.lfWeight <= 1000 && font.logfont.lfFaceName[0] &&
               std::wmemchr(font.logfont.lfFaceName, 0, LF_FACESIZE));
  for (const auto& [key, bitmap] : theme.mapBitmaps)
    FUZZ_CHECK(!bitmap.strPath.empty() && bitmap.nLine >= 1 && std::size_t(bitmap.nLine) < lines);
  return 0;
}
