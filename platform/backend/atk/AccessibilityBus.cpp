#include "platform/backend/atk/AccessibilityBus.h"

#include <gio/gio.h>

#include <cstdlib>
#include <string>

namespace platform::atk {

namespace {

constexpr int kReplyTimeoutMs = 2000;

bool Set(const char* name) {
  const char* value = std::getenv(name);
  return value && *value;
}

// Asked of the session bus only when one is there: GLib would otherwise launch one for the X
// display, which is not ours to start.
bool SessionBusThere() {
  if (Set("DBUS_SESSION_BUS_ADDRESS")) return true;
  const char* runtime = std::getenv("XDG_RUNTIME_DIR");
  return runtime && *runtime && g_file_test((std::string(runtime) + "/bus").c_str(),
                                            G_FILE_TEST_EXISTS);
}

bool StatusOn(GDBusConnection* bus, const char* property) {
  GError* error = nullptr;
  // No auto-start: a status that nobody runs is off, and asking must not start the bus.
  GVariant* reply = g_dbus_connection_call_sync(
      bus, "org.a11y.Bus", "/org/a11y/bus", "org.freedesktop.DBus.Properties", "Get",
      g_variant_new("(ss)", "org.a11y.Status", property), G_VARIANT_TYPE("(v)"),
      G_DBUS_CALL_FLAGS_NO_AUTO_START, kReplyTimeoutMs, nullptr, &error);
  if (!reply) {
    g_error_free(error);
    return false;
  }
  GVariant* value = nullptr;
  g_variant_get(reply, "(v)", &value);
  const bool on = g_variant_is_of_type(value, G_VARIANT_TYPE_BOOLEAN) &&
                  g_variant_get_boolean(value);
  g_variant_unref(value);
  g_variant_unref(reply);
  return on;
}

}  // namespace

bool AssistiveTechnologyListening() {
  if (Set("AT_SPI_BUS_ADDRESS")) return true;
  if (!SessionBusThere()) return false;
  GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
  if (!bus) return false;
  const bool on = StatusOn(bus, "IsEnabled") || StatusOn(bus, "ScreenReaderEnabled");
  g_object_unref(bus);
  return on;
}

}  // namespace platform::atk
