// The window classes every program finds registered, as the platform registers its own before
// a program starts: "ListBox" and "ScrollBar".
#pragma once

#include "platform/window/WindowClass.h"

namespace platform {

void RegisterStandardClasses(ClassRegistry& registry);

}  // namespace platform
