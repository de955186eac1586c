/// @class CMenuEx
/// The framework's owner-drawn pop-up menu.
///
/// @code{.unparsed}
///  CMenuEx menu(CMenuEx::OPEN_DOWN, CMenuEx::MENUBK_SOLID);
///  menu.AppendMenuEx(MF_ENABLED, 1, L"撤销");
///  menu.AppendMenuEx(MF_GRAYED, 2, L"剪切");
///  menu.TrackPopupMenuWithContainerID(TPM_RIGHTBUTTON, x, y, hostWnd, GetID(), nullptr);
/// @endcode
///
/// Tracking does not wait for the user: it opens a pop-up window holding its own copy of the
/// items and returns, so the CMenuEx may go at once. When the user chooses an item, the pop-up
/// posts WM_ELEMENT_MENUCOMMAND to the owner window, whose element host hands it to the element
/// that opened the menu (OnMenuCommand(item id)): the element handling the current message when
/// it has the container id, else the element of that id. A window or element gone by then gets
/// nothing.
#pragma once

#include <vector>

#include "host/MenuItem.h"
#include "host/MenuPlacement.h"

class CWnd;

class CMenuEx {
 public:
  /// Which way the menu opens from its point when the track flags ask for top alignment (the
  /// default): downwards, the point at its top, or upwards, the point at its bottom. Explicit
  /// TPM_VCENTERALIGN or TPM_BOTTOMALIGN win over it.
  enum OPEN_MODE { OPEN_DOWN = 0, OPEN_UP = 1 };
  /// The menu's background: Menu.Background throughout, or a gentle vertical gradient from it at
  /// the top to halfway towards Menu.Separator at the bottom.
  enum MENUBK_MODE { MENUBK_SOLID = 0, MENUBK_GRADIENT = 1 };

  /// An empty menu that opens this way, with this background.
  explicit CMenuEx(OPEN_MODE openMode = OPEN_DOWN, MENUBK_MODE backgroundMode = MENUBK_SOLID);

  /// Appends a row: MF_ENABLED (0), MF_GRAYED (1: shown, never chosen) or MF_SEPARATOR (a line;
  /// id and text are ignored). FALSE, and nothing appended, for other flags or a null text.
  BOOL AppendMenuEx(UINT flags, DWORD id, const wchar_t* text);
  /// The rows appended, separators included.
  int GetMenuItemCount() const { return int(m_vecItems.size()); }

  /// Opens the menu at screen (x, y) as the TPM_ alignment flags place it, kept on the screen and
  /// off `rect` (screen coordinates, may be null). The choice goes to the opener, the element
  /// `containerId` of `owner`'s element host. TRUE when the menu is shown; FALSE for no items, a
  /// null owner or an owner without a live window.
  BOOL TrackPopupMenuWithContainerID(UINT tpmFlags, int x, int y, CWnd* owner, DWORD containerId,
                                     const RECT* rect);

 private:
  OPEN_MODE m_nOpenMode = OPEN_DOWN;
  MENUBK_MODE m_nBackgroundMode = MENUBK_SOLID;
  std::vector<MenuItem> m_vecItems;
};
