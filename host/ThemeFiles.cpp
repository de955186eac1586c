#include "host/ThemeFiles.h"

#include <dlfcn.h>

#include <cstdlib>
#include <string>
#include <system_error>

namespace {

bool IsThemeName(const wchar_t* name) {
  if (!name || !*name) return false;
  for (const wchar_t* p = name; *p; ++p) {
    const wchar_t c = *p;
    const bool plain = (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') ||
                       (c >= L'0' && c <= L'9') || c == L'_' || c == L'-';
    if (!plain) return false;
  }
  return true;
}

std::filesystem::path FileIn(const std::filesystem::path& folder, const std::string& file) {
  const std::filesystem::path candidate = folder / file;
  std::error_code error;
  return std::filesystem::is_regular_file(candidate, error) ? candidate : std::filesystem::path();
}

// The installed theme folder, found from where this library was loaded from rather than from
// the prefix it was built for, so an installed tree can be moved.
std::filesystem::path InstalledThemeDir() {
  Dl_info info{};
  if (!dladdr(reinterpret_cast<void*>(&FindThemeFile), &info) || !info.dli_fname) return {};
  return std::filesystem::path(info.dli_fname).parent_path() / TRELLIS_THEMES_FROM_LIBDIR;
}

}  // namespace

std::filesystem::path FindThemeFile(const wchar_t* name) {
  if (!IsThemeName(name)) return {};
  // The name is plain ASCII (IsThemeName), so narrowing is a copy.
  const std::wstring wide(name);
  const std::string file = std::string(wide.begin(), wide.end()) + ".theme";

  if (const char* overrideDir = std::getenv("TRELLIS_THEME_DIR"); overrideDir && *overrideDir) {
    return FileIn(overrideDir, file);
  }
  if (const auto installed = InstalledThemeDir(); !installed.empty()) {
    if (auto found = FileIn(installed, file); !found.empty()) return found;
  }
  return FileIn(TRELLIS_SOURCE_THEME_DIR, file);
}
