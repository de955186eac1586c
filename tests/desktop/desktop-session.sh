#!/usr/bin/env bash
# Runs a command on a private X display (Xvfb) inside its own D-Bus session bus, for the tests
# that drive the real window backend the way a desktop does. The command sees DISPLAY and
# DBUS_SESSION_BUS_ADDRESS; the server and the bus go when it ends, and its exit code is ours.
# When the display or the bus cannot start, this fails and says why: a desktop test never passes
# by skipping itself.
#
#   tests/desktop/desktop-session.sh [--size WxH] COMMAND [ARG...]
set -euo pipefail

size=1280x1024
if [ "${1:-}" = --size ]; then
  size=$2
  shift 2
fi
if [ $# -eq 0 ]; then
  echo "usage: $0 [--size WxH] COMMAND [ARG...]" >&2
  exit 2
fi
for tool in Xvfb dbus-run-session; do
  if ! command -v "$tool" >/dev/null; then
    echo "$0: $tool is not installed (scripts/deps.sh installs it)" >&2
    exit 1
  fi
done

work=$(mktemp -d)
mkfifo "$work/display"
# -displayfd lets the server pick a free display and tell its number once it takes clients.
# -noreset: by default the server resets whenever its last client leaves, and a client that
# connects during the reset is refused; short-lived clients (the accessibility bus launcher,
# xdotool) made the program started next fail to open the display now and then.
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset 3>"$work/display" \
  2>"$work/xvfb.log" &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -rf "$work"' EXIT

if ! read -r -t 30 number <"$work/display"; then
  echo "$0: Xvfb did not start:" >&2
  cat "$work/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$number"
status=0
dbus-run-session -- "$@" || status=$?
exit "$status"
