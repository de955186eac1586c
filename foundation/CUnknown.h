/// @file
/// The counted base under the library's name for it. It lives with the element framework that
/// derives from it (host/CUnknown.h); this name stays so that hosts including it still compile.
#pragma once

#include "host/CUnknown.h"
