#include "platform/controls/StandardControls.h"

namespace platform {

void RegisterStandardControls() { RegisterMonthCalendarClass(); }

}  // namespace platform
