/// @file
/// The framework's own look: the first colour table and font of every element, from the theme's
/// "Framework.*" keys.
#pragma once

#include "host/ColorTable.h"
#include "platform/win32/WinGdi.h"

ColorTable FrameworkColors();
LOGFONTW FrameworkFont();
