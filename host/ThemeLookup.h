// The palette lookups every control makes, written once. Each takes the environment, takes its
// palette when that is a CThemePalette (holding a reference for the lookup), and drops both.
// A null or empty key, no environment, no palette or a palette of another kind gives 0.
#pragma once

#include "platform/win32/WinDef.h"

COLORREF ThemeColor(const wchar_t* key);
