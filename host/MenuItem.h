/// @class MenuItem
/// One row of a pop-up menu, and how the keyboard walks the rows.
#pragma once

/// @file
/// A menu row, the flags AppendMenuEx takes, and the keyboard's walk over the rows.

#include <string>
#include <vector>

#include "platform/win32/WinDef.h"

///@{
/// AppendMenuEx flags, with the platform's menu-flag values. A separator ignores its id and text.
constexpr UINT MF_STRING = 0x0000;
constexpr UINT MF_ENABLED = 0x0000;
constexpr UINT MF_GRAYED = 0x0001;
constexpr UINT MF_SEPARATOR = 0x0800;
///@}

/// A row as AppendMenuEx appended it.
struct MenuItem {
  UINT nFlags = MF_ENABLED;  ///< MF_ENABLED, MF_GRAYED or MF_SEPARATOR
  DWORD nID = 0;             ///< what OnMenuCommand receives when the row is chosen
  std::wstring strText;      ///< what the row shows

  /// The row is a separator line.
  bool IsSeparator() const { return (nFlags & MF_SEPARATOR) != 0; }
  /// Greyed rows and separators can be neither highlighted nor chosen.
  bool IsChoosable() const { return (nFlags & (MF_GRAYED | MF_SEPARATOR)) == 0; }
};

/// The choosable row after `from` going down (step > 0) or up (step <= 0), wrapping around the
/// ends. A `from` outside the rows (-1 for "none") starts before the first row going down and
/// after the last going up. -1 when no row can be chosen.
int NextChoosableItem(const std::vector<MenuItem>& items, int from, int step);
