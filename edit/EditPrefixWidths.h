/// @class EditPrefixWidths
/// The prefix widths of the edit box's text, measured once per change of the text and kept in
/// step by measuring only what changed: an edit replaces one run of characters, so the common
/// start and end of the old and new texts keep their widths (the end shifted by the difference).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/WinDef.h"

class EditPrefixWidths {
 public:
  EditPrefixWidths() = default;

  /// widths[k]: the width of the first k characters of the text last measured.
  std::span<const int> Widths() const { return m_vecWidths; }
  /// The text the widths were last measured for.
  const std::wstring& Text() const { return m_strText; }

  /// Brings the widths in step with `text`, measuring with the font selected into `dc`.
  void Update(HDC dc, const std::wstring& text);
  /// Forgets every width, for when the font changes.
  void Clear();

  /// The prefix widths of any text, measured whole with the font selected into `dc`: one more
  /// than it has characters, the first 0. Only zeros when it cannot be measured.
  static std::vector<int> MeasureAll(HDC dc, std::wstring_view text);

 private:
  /// Prefix widths of `count` characters, each counted from 0.
  static std::vector<int> Measure(HDC dc, const wchar_t* text, std::size_t count);

  std::wstring m_strText;
  std::vector<int> m_vecWidths{0};
};
