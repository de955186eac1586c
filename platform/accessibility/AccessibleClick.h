// A default action that does what a click does: the press and release of the left button at a
// point, delivered as the platform delivers the mouse (to the window holding the capture, else
// to the window at the point), so that a control cannot tell it from the user's click.
#pragma once

#include "platform/win32/WinDef.h"

namespace platform {

// A move, a press and a release at `screen`, each sent to the capture window or the window
// under the point as it stands at that moment. False when no window of ours is there.
bool ClickAt(POINT screen);

}  // namespace platform
