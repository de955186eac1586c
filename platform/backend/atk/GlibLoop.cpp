#include "platform/backend/atk/GlibLoop.h"

#include <glib.h>

#include <algorithm>
#include <cerrno>
#include <vector>

namespace platform::atk {

GlibLoop::GlibLoop() : m_owner(g_main_context_acquire(nullptr)) {}

GlibLoop::~GlibLoop() {
  if (m_owner) g_main_context_release(nullptr);
}

bool GlibLoop::DispatchReady() {
  bool any = false;
  while (g_main_context_iteration(nullptr, FALSE)) any = true;
  return any;
}

bool GlibLoop::Wait(int timeoutMs, int fd) {
  // The steps of one GLib iteration (prepare, query, poll, check, dispatch), with our
  // descriptor polled beside GLib's.
  GMainContext* context = g_main_context_default();
  gint priority = 0;
  if (g_main_context_prepare(context, &priority)) {
    g_main_context_dispatch(context);
    return true;
  }
  std::vector<GPollFD> fds(8);
  gint glibTimeout = -1;
  gint count = 0;
  for (;;) {
    count = g_main_context_query(context, priority, &glibTimeout, fds.data(), gint(fds.size()));
    if (count + 1 <= gint(fds.size())) break;
    fds.resize(std::size_t(count) + 1);
  }
  fds[std::size_t(count)] = GPollFD{fd, G_IO_IN, 0};
  int timeout = timeoutMs;
  if (glibTimeout >= 0) timeout = timeout < 0 ? glibTimeout : std::min(timeout, glibTimeout);
  const int polled = g_poll(fds.data(), guint(count + (fd >= 0 ? 1 : 0)), timeout);
  const bool failed = polled < 0 && errno != EINTR;
  g_main_context_check(context, priority, fds.data(), count);
  g_main_context_dispatch(context);
  return !failed;
}

}  // namespace platform::atk
