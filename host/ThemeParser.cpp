// Sections: text helpers, value readers (colour, font), the line reader.
#include "host/ThemeParser.h"

#include <charconv>
#include <cwchar>
#include <utility>

#include "platform/text/Utf8.h"

namespace {

constexpr COLORREF kNoColor = 0xFFFFFFFF;
// Far beyond any face a control draws with; a bigger number is a typing slip, not a font.
constexpr int kMaxFontPixels = 400;
constexpr int kMaxFontWeight = 1000;

using Result = std::optional<ThemeError>;

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

ThemeError Refuse(int line, std::wstring reason) { return ThemeError{line, std::move(reason)}; }

std::wstring Quoted(std::string_view s) { return L"'" + platform::WideFromUtf8(s) + L"'"; }

bool IsKeyChar(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' ||
         c == '-' || c == '.';
}

bool IsKey(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s) {
    if (!IsKeyChar(c)) return false;
  }
  return true;
}

// Keys are ASCII (IsKey), so widening is a plain copy.
std::wstring WideKey(std::string_view key) { return std::wstring(key.begin(), key.end()); }

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool ReadInt(std::string_view s, int& out) {
  const auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), out);
  return error == std::errc() && end == s.data() + s.size();
}

// ---- value readers

Result ReadColor(int line, std::string_view value, COLORREF& out) {
  if (value == "none") {
    out = kNoColor;
    return std::nullopt;
  }
  if (value.size() != 7 || value[0] != '#') {
    return Refuse(line, L"bad colour " + Quoted(value) + L": expected #RRGGBB or none");
  }
  int rgb[3];
  for (int i = 0; i < 3; ++i) {
    const int high = HexDigit(value[1 + 2 * i]);
    const int low = HexDigit(value[2 + 2 * i]);
    if (high < 0 || low < 0) {
      return Refuse(line, L"bad colour " + Quoted(value) + L": expected #RRGGBB or none");
    }
    rgb[i] = high * 16 + low;
  }
  out = RGB(BYTE(rgb[0]), BYTE(rgb[1]), BYTE(rgb[2]));
  return std::nullopt;
}

// "Face Name, size, weight" with an optional ", italic".
Result ReadFont(int line, std::string_view value, LOGFONTW& out) {
  std::string_view fields[5];
  int count = 0;
  while (count < 5) {
    const auto comma = value.find(',');
    fields[count++] = Trim(value.substr(0, comma));
    if (comma == std::string_view::npos) break;
    value.remove_prefix(comma + 1);
  }
  if (count < 3 || count > 4) {
    return Refuse(line,
                  L"bad font: expected 'face, pixel height, weight' and optionally ', italic'");
  }
  bool validFace = false;
  const std::wstring face = platform::WideFromUtf8(fields[0], &validFace);
  if (face.empty()) return Refuse(line, L"bad font: the face name is empty");
  if (!validFace) return Refuse(line, L"bad font: the face name is not valid UTF-8");
  if (face.size() >= LF_FACESIZE) {
    return Refuse(line, L"bad font: the face name is longer than " +
                            std::to_wstring(LF_FACESIZE - 1) + L" characters");
  }
  int pixels = 0;
  if (!ReadInt(fields[1], pixels) || pixels < 1 || pixels > kMaxFontPixels) {
    return Refuse(line, L"bad font height " + Quoted(fields[1]) + L": expected 1 to " +
                            std::to_wstring(kMaxFontPixels) + L" pixels");
  }
  int weight = 0;
  if (!ReadInt(fields[2], weight) || weight < 1 || weight > kMaxFontWeight) {
    return Refuse(line, L"bad font weight " + Quoted(fields[2]) + L": expected 1 to " +
                            std::to_wstring(kMaxFontWeight));
  }
  if (count == 4 && fields[3] != "italic") {
    return Refuse(line, L"bad font style " + Quoted(fields[3]) + L": expected italic");
  }
  out = LOGFONTW{};
  out.lfHeight = -pixels;  // negative: the height of the characters, not of the cell
  out.lfWeight = weight;
  out.lfItalic = count == 4;
  out.lfCharSet = DEFAULT_CHARSET;
  out.lfQuality = ANTIALIASED_QUALITY;
  std::wmemcpy(out.lfFaceName, face.c_str(), face.size() + 1);
  return std::nullopt;
}

// ---- the line reader

enum class Kind { Color, Font, Bitmap };

class LineReader {
 public:
  explicit LineReader(ThemeDefinition& out) : m_out(out) {}

  Result Read(int line, std::string_view text) {
    // A nul would end a face name or a path early wherever it is handed on as a C string, so
    // that a font or bitmap other than the one written would be used.
    if (text.find('\0') != std::string_view::npos) return Refuse(line, L"a nul character");
    text = Trim(text);
    if (text.empty() || text[0] == '#') return std::nullopt;
    const auto equals = text.find('=');
    if (equals == std::string_view::npos) {
      return Refuse(line, L"missing '=': expected '[font|bitmap] key = value'");
    }
    const std::string_view left = Trim(text.substr(0, equals));
    const std::string_view value = Trim(text.substr(equals + 1));

    // "key" alone is a colour; "font key" and "bitmap key" are the other kinds.
    std::string_view directive;
    std::string_view key = left;
    if (const auto space = left.find_first_of(" \t"); space != std::string_view::npos) {
      directive = left.substr(0, space);
      key = Trim(left.substr(space));
    } else if (left == "font" || left == "bitmap") {
      directive = left;
      key = {};
    }
    Kind kind = Kind::Color;
    if (directive == "font") {
      kind = Kind::Font;
    } else if (directive == "bitmap") {
      kind = Kind::Bitmap;
    } else if (!directive.empty()) {
      return Refuse(line, L"unknown directive " + Quoted(directive) + L": expected font or bitmap");
    }
    if (key.empty()) return Refuse(line, L"missing key before '='");
    if (!IsKey(key)) {
      return Refuse(line, L"bad key " + Quoted(key) + L": use letters, digits, '_', '-' and '.'");
    }
    if (value.empty()) return Refuse(line, L"missing value after '='");
    return Define(line, kind, WideKey(key), value);
  }

 private:
  Result Define(int line, Kind kind, const std::wstring& key, std::string_view value) {
    const auto [first, fresh] = m_definedOn.try_emplace({kind, key}, line);
    if (!fresh) {
      return Refuse(line,
                    L"'" + key + L"' is already defined on line " + std::to_wstring(first->second));
    }
    if (kind == Kind::Color) {
      COLORREF color = 0;
      if (Result e = ReadColor(line, value, color)) return e;
      m_out.mapColors.emplace(key, color);
    } else if (kind == Kind::Font) {
      ThemeDefinition::FontEntry entry;
      entry.nLine = line;
      if (Result e = ReadFont(line, value, entry.logfont)) return e;
      m_out.mapFonts.emplace(key, entry);
    } else {
      m_out.mapBitmaps.emplace(key, ThemeDefinition::BitmapEntry{std::string(value), line});
    }
    return std::nullopt;
  }

  ThemeDefinition& m_out;
  // The line of each definition so far, so a duplicate can point at the first one.
  std::map<std::pair<Kind, std::wstring>, int> m_definedOn;
};

}  // namespace

std::optional<ThemeError> ParseTheme(std::string_view text, ThemeDefinition& out) {
  // A byte-order mark some editors write is not part of the first line.
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  LineReader reader(out);
  int line = 0;
  while (!text.empty()) {
    ++line;
    const auto end = text.find('\n');
    if (Result e = reader.Read(line, text.substr(0, end))) return e;
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return std::nullopt;
}
