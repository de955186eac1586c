/// @class EditPrefixWidths
/// The prefix widths of the edit box's text, measured whole once and then kept in step by
/// measuring only what changed: an edit replaces one run of characters, so the unchanged start
/// and end of the text keep their widths (the end shifted by the difference). The text model
/// says what changed (EditTextModel::TakeChange), so nothing here compares or keeps texts.
/// Widths are sums of advances, and the advances of characters met lately are remembered, so
/// that typing them needs no measuring at all.
#pragma once

#include <array>
#include <cstddef>
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
  /// The same without measuring, when the advance of every character of the new run is known;
  /// false, changing nothing, when one is not.
  bool UpdateFromKnownAdvances(std::wstring_view text, const EditTextModel::Change& change);
  /// Forgets every width and advance, for when the font changes.
  void Clear();

  /// The prefix widths of any text, measured whole with the font selected into `dc`: one more
  /// than it has characters, the first 0. Only zeros when it cannot be measured.
  static std::vector<int> MeasureAll(HDC dc, std::wstring_view text);

 private:
  /// Prefix widths of `count` characters, each counted from 0, written to `out`; zeros and
  /// false when they cannot be measured.
  static bool MeasureInto(HDC dc, const wchar_t* text, std::size_t count, int* out);
  /// Puts the new run, whose prefix widths counted from 0 are `run`, in place of the old one.
  void Splice(std::size_t newLength, const EditTextModel::Change& change, std::span<const int> run);
  /// Remembers the advances of `text`, whose prefix widths counted from 0 are `widths`.
  void RememberAdvances(std::wstring_view text, const int* widths);

  std::vector<int> m_vecWidths{0};
  /// The advances of characters met lately, by the character's low bits; -1 unknown.
  struct KnownAdvance {
    wchar_t ch = 0;     ///< the character whose advance this is
    int advance = -1;   ///< in pixels; -1 for none yet
  };
  static constexpr std::size_t kKnownCount = 256;
  std::array<KnownAdvance, kKnownCount> m_known{};
};
