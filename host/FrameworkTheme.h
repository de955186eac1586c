/// @file
/// The framework's own look: the first colour table and font of every element, from the theme's
/// "Framework.*" keys.
#pragma once

#include "host/ColorTable.h"
#include "platform/win32/WinGdi.h"

/// The colours every element starts with: each part in each state from its "Framework.*" key
/// (0 without a palette).
ColorTable FrameworkColors();
/// The font every element starts with: the theme's "Framework.Font", or DejaVu Sans of 12
/// pixels without one.
LOGFONTW FrameworkFont();
