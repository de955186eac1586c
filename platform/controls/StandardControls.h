// The window classes of the platform's standard controls, registered with every desktop so
// that CreateWindowExW finds them by name as it finds the system's own.
#pragma once

namespace platform {

// Registers each class that is not registered yet.
void RegisterStandardControls();

// One registration per control, each in its control's file.
void RegisterMonthCalendarClass();

}  // namespace platform
