/// @class EditPrefixWidths
/// The prefix widths of the edit box's text, measured whole once and then kept in step by
/// measuring only what changed: an edit replaces one run of characters, so the unchanged start
/// and end of the text keep their widths (the end shifted by the difference). The text model
/// says what changed (EditTextModel::TakeChange), so nothing here compares or keeps texts.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "edit/EditTextModel.h"
#include "platform/win32/WinDef.h"

class EditPrefixWidths {
 public:
  EditPrefixWidths() = default;

  /// widths[k]: the width of the first k characters of the text last measured.
  std::span<const int> Widths() const { return m_vecWidths; }

  /// Measures the whole of `text` with the font selected into `dc`.
  void Measure(HDC dc, std::wstring_view text);
  /// Brings the widths of the text last measured in step with `text`, which differs from it
  /// only as `change` says, measuring with the font selected into `dc`.
  void Update(HDC dc, std::wstring_view text, const EditTextModel::Change& change);
  /// Forgets every width, for when the font changes.
  void Clear();

  /// The prefix widths of any text, measured whole with the font selected into `dc`: one more
  /// than it has characters, the first 0. Only zeros when it cannot be measured.
  static std::vector<int> MeasureAll(HDC dc, std::wstring_view text);

 private:
  /// Prefix widths of `count` characters, each counted from 0, written to `out`.
  static void MeasureInto(HDC dc, const wchar_t* text, std::size_t count, int* out);

  std::vector<int> m_vecWidths{0};
};
