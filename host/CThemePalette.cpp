#include "host/CThemePalette.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "host/ThemeParser.h"
#include "platform/text/Utf8.h"

namespace {

// A theme is a page of short lines; anything near this size is not one.
constexpr std::uintmax_t kMaxThemeFileBytes = 1 << 20;

std::wstring ShownPath(const std::filesystem::path& file) {
  return L"'" + platform::WideFromUtf8(file.string()) + L"'";
}

}  // namespace

CThemePalette::CThemePalette() : m_pTable(std::make_unique<ThemeTable>()) {}

CThemePalette::~CThemePalette() = default;

COLORREF CThemePalette::GetColor(const wchar_t* key) const {
  return FindColor(key).value_or(0);
}

std::optional<COLORREF> CThemePalette::FindColor(const wchar_t* key) const {
  return m_pTable->FindColor(key);
}

CFont* CThemePalette::GetFont(const wchar_t* key) const { return m_pTable->FindFont(key); }

CBitmap* CThemePalette::GetBitmap(const wchar_t* key) const { return m_pTable->FindBitmap(key); }

std::optional<ThemeError> CThemePalette::LoadFile(const std::filesystem::path& file) {
  std::error_code error;
  const std::uintmax_t size = std::filesystem::file_size(file, error);
  if (error) return ThemeError{0, L"cannot read theme file " + ShownPath(file)};
  if (size > kMaxThemeFileBytes) {
    return ThemeError{0, L"theme file " + ShownPath(file) + L" is too large to be a theme"};
  }
  std::ifstream in(file, std::ios::binary);
  if (!in.is_open()) return ThemeError{0, L"cannot read theme file " + ShownPath(file)};
  const std::string text(std::istreambuf_iterator<char>(in), {});
  if (in.bad()) return ThemeError{0, L"cannot read theme file " + ShownPath(file)};
  return LoadText(text, file.parent_path());
}

std::optional<ThemeError> CThemePalette::LoadText(std::string_view text,
                                                  const std::filesystem::path& imageDir) {
  // A theme loaded before is still whole (its objects live on for whoever holds them), so it
  // comes back as it was: making its fonts and bitmaps again would add objects to the process
  // with every switch between two themes, without end.
  std::string source = imageDir.string() + '\n' + std::string(text);
  if (source == m_strSource) return std::nullopt;
  const auto before = std::ranges::find(m_vecRetired, source, &Retired::strSource);
  if (before != m_vecRetired.end()) {
    std::swap(before->strSource, m_strSource);
    std::swap(before->pTable, m_pTable);
    return std::nullopt;
  }
  // Everything is built aside and swapped in only when the whole theme is good.
  ThemeDefinition definition;
  if (auto error = ParseTheme(text, definition)) return error;
  auto table = std::make_unique<ThemeTable>();
  if (auto error = table->Build(definition, imageDir)) return error;
  m_vecRetired.push_back(
      {std::exchange(m_strSource, std::move(source)), std::exchange(m_pTable, std::move(table))});
  return std::nullopt;
}
