// The library's own resource module, registered under the name "trellis" on first use.
#pragma once

#include "platform/win32/WinDef.h"

HINSTANCE TrellisResourceModule();
