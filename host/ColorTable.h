/// @class ColorTable
/// An element's colours, one for each pair of a part flag and a state flag. A pair nobody has
/// set reads as the framework's default for it, taken from the theme when the element first uses
/// its colours or font.
#pragma once

/// @file
/// An element's colour table, and the part and state flags that name its colours.

#include <array>

#include "platform/win32/WinDef.h"

///@{
/// The parts of an element a colour paints, as SetColor and GetColor name them: its frame, its
/// background, a panel (a face, a row), a shade (a gradient's end, a calendar's other days),
/// text, the band behind text, and selected text and its band. What each control paints with
/// which part its header says.
constexpr DWORD COLOR_PART_FRAME = 0x001;
constexpr DWORD COLOR_PART_BACKGROUND = 0x002;
constexpr DWORD COLOR_PART_PANEL = 0x004;
constexpr DWORD COLOR_PART_SHADE = 0x008;
constexpr DWORD COLOR_PART_TEXT = 0x020;
constexpr DWORD COLOR_PART_TEXTBACK = 0x040;
constexpr DWORD COLOR_PART_SELTEXT = 0x080;
constexpr DWORD COLOR_PART_SELBACK = 0x100;
///@}

///@{
/// The states a colour is for: a control shows one at a time (normal, disabled, focused, under
/// the pointer, pushed), as its look says.
constexpr DWORD COLOR_STATE_NORMAL = 0x01;
constexpr DWORD COLOR_STATE_DISABLE = 0x02;
constexpr DWORD COLOR_STATE_FOCUS = 0x04;
constexpr DWORD COLOR_STATE_HOVER = 0x08;
constexpr DWORD COLOR_STATE_PUSH = 0x10;
///@}

/// "No colour": painters skip a fill or frame in it.
constexpr COLORREF COLOR_NONE = 0xFFFFFFFF;

class ColorTable {
 public:
  static constexpr int kParts = 9;   ///< bit positions 0..8 of the part flags
  static constexpr int kStates = 5;  ///< bit positions 0..4 of the state flags

  /// COLOR_NONE for a part or state that is not a single known flag.
  COLORREF Get(DWORD part, DWORD state) const;
  /// Ignores a part or state that is not a single known flag.
  void Set(COLORREF color, DWORD part, DWORD state);

 private:
  static int Index(DWORD part, DWORD state);
  std::array<COLORREF, kParts * kStates> m_colors{};
};
