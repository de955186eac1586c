// Whether assistive technology is listening on this desktop, asked once when a window opens so
// that a desktop without it pays nothing for the bridge.
#pragma once

namespace platform::atk {

// True when AT_SPI_BUS_ADDRESS names the accessibility bus, or when the session bus's
// accessibility status (org.a11y.Status: IsEnabled or ScreenReaderEnabled) says so. Asking
// never starts the accessibility bus, nor a session bus.
bool AssistiveTechnologyListening();

}  // namespace platform::atk
