/// @file
/// Where a pop-up menu goes on the screen: aligned to the point it was opened at, flipped to the
/// other side of that point when it would leave the screen, moved off a rectangle the caller
/// wants to keep visible, and finally shifted inside the screen.
#pragma once

#include "platform/win32/WinDef.h"

///@{
/// Track flags, with the platform's values (the platform itself has no TrackPopupMenu).
/// Buttons: with TPM_RIGHTBUTTON the right button chooses an item as well as the left.
constexpr UINT TPM_LEFTBUTTON = 0x0000;
constexpr UINT TPM_RIGHTBUTTON = 0x0002;
///@}
///@{
/// Where the point lies on the menu horizontally: its left edge, centre or right edge.
constexpr UINT TPM_LEFTALIGN = 0x0000;
constexpr UINT TPM_CENTERALIGN = 0x0004;
constexpr UINT TPM_RIGHTALIGN = 0x0008;
///@}
///@{
/// Vertically, where the point lies on the menu: its top edge, centre or bottom edge.
constexpr UINT TPM_TOPALIGN = 0x0000;
constexpr UINT TPM_VCENTERALIGN = 0x0010;
constexpr UINT TPM_BOTTOMALIGN = 0x0020;
///@}
///@{
/// Which way the menu moves off the rectangle to avoid: sideways, or up and down.
constexpr UINT TPM_HORIZONTAL = 0x0000;
constexpr UINT TPM_VERTICAL = 0x0040;
///@}

/// The top-left corner of a menu window of `size` opened at `anchor`, all in screen coordinates.
/// `avoid`, when given, is left uncovered whenever the screen has room beside it.
POINT PlaceMenu(POINT anchor, SIZE size, UINT tpmFlags, const RECT& screen, const RECT* avoid);
