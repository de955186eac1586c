#!/usr/bin/env bash
# Types Chinese into an edit box through a real input method: fcitx5 with its pinyin engine,
# on the display and D-Bus session desktop-session.sh gives, into ime_probe on the window
# backend. While `nihao` is composing, the composition must show at the edit's caret on the X
# display; after Space the edit must hold 你好. Every wait is bounded, and when something cannot
# start or never happens this fails and says why: it never passes by skipping.
#
#   tests/desktop/desktop-session.sh tests/desktop/ime-fcitx.sh PATH/TO/ime_probe
#
# TRELLIS_IME_SHOT=FILE keeps the screenshot taken while composing.
set -euo pipefail

probe=${1:?usage: $0 PATH/TO/ime_probe}
fail() {
  echo "ime-fcitx: $*" >&2
  for log in "$work"/fcitx5.log "$work"/probe.log "$work"/status; do
    [ -s "$log" ] && { echo "--- $log" >&2; tail -n 40 "$log" >&2; }
  done
  exit 1
}
for tool in fcitx5 fcitx5-remote dbus-send xdotool import convert; do
  command -v "$tool" >/dev/null ||
    { echo "ime-fcitx: $tool is not installed (scripts/deps.sh)" >&2; exit 1; }
done
[ -n "${DISPLAY:-}" ] && [ -n "${DBUS_SESSION_BUS_ADDRESS:-}" ] ||
  { echo "ime-fcitx: run me through tests/desktop/desktop-session.sh" >&2; exit 1; }

work=$(mktemp -d)
fcitx_pid=
probe_pid=
cleanup() {
  [ -n "$probe_pid" ] && kill "$probe_pid" 2>/dev/null && wait "$probe_pid" 2>/dev/null
  [ -n "$fcitx_pid" ] && kill "$fcitx_pid" 2>/dev/null && wait "$fcitx_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Polls COMMAND every 0.1 s for at most SECONDS seconds; true as soon as it succeeds.
within() {
  local tries=$(( $1 * 10 )); shift
  for (( i = 0; i < tries; i++ )); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}

# A private profile: the keyboard layout first, as fcitx5 wants it, pinyin the input method
# that is switched to; input contexts start with it active.
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_CACHE_HOME=$work/cache
mkdir -p "$XDG_CONFIG_HOME/fcitx5" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
cat >"$XDG_CONFIG_HOME/fcitx5/profile" <<'EOF'
[Groups/0]
Name=Default
Default Layout=us
DefaultIM=pinyin

[Groups/0/Items/0]
Name=keyboard-us
Layout=

[Groups/0/Items/1]
Name=pinyin
Layout=

[GroupOrder]
0=Default
EOF
cat >"$XDG_CONFIG_HOME/fcitx5/config" <<'EOF'
[Hotkey/TriggerKeys]
0=Control+space

[Behavior]
ActiveByDefault=True
ShareInputState=All
EOF

unused=wayland,waylandim,notificationitem,kimpanel,clipboard,emoji,quickphrase,spell,unicode
fcitx5 --disable="$unused" \
  >"$work/fcitx5.log" 2>&1 &
fcitx_pid=$!
# Asked of the bus itself: asking fcitx5 would have the bus start another one.
fcitx_up() {
  kill -0 "$fcitx_pid" 2>/dev/null &&
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
      org.freedesktop.DBus.NameHasOwner string:org.fcitx.Fcitx5 2>/dev/null | grep -q 'boolean true'
}
within 30 fcitx_up || fail "fcitx5 did not start (or does not answer on the session bus)"

# SDL talks to fcitx5 over D-Bus; without XMODIFIERS no X input method takes the keys as well.
export SDL_IM_MODULE=fcitx
unset XMODIFIERS
window_mapped() {
  window=$(xdotool search --onlyvisible --name 'Trellis input method probe' 2>/dev/null | head -n 1)
  [ -n "$window" ]
}
# Without a window manager the keyboard goes where it is put. Each try is short (a waiting
# `windowfocus --sync` could spend the whole budget on one attempt) and looks the window up again:
# once, the window found first was gone by the time it was focused.
focused() {
  window_mapped || return 1
  xdotool windowfocus "$window" 2>/dev/null
  [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]
}
# Keys reach the engine only once fcitx5 has seen the probe's input context take the focus, which
# SDL tells it as it handles the X focus event.
fcitx_contexts() {
  dbus-send --session --print-reply --dest=org.fcitx.Fcitx5 /controller \
    org.fcitx.Fcitx.Controller1.DebugInfo 2>/dev/null
}
context_focused() { fcitx_contexts | grep -q 'program:ime_probe .*focus:1'; }
# On a loaded machine (a dozen processes for two cores) fcitx5 at times listed the probe's context
# unfocused and without capabilities for good, though the window had the X focus; moving the focus
# away and back did not help, a new start of the probe did.
start_probe() {
  "$probe" "$work/status" >"$work/probe.log" 2>&1 &
  probe_pid=$!
  within 20 window_mapped || fail "the probe's window never showed"
  within 10 test -s "$work/status" || fail "the probe wrote no status"
  within 10 focused || fail "the probe's window $window could not take the keyboard" \
    "(focus: $(xdotool getwindowfocus 2>&1))"
  within 5 context_focused
}
for (( try = 1; ; try++ )); do
  start_probe && break
  [ "$try" -lt 3 ] ||
    fail "fcitx5 never saw the probe's input context take the focus: $(fcitx_contexts)"
  echo "ime-fcitx: fcitx5 has the probe's input context unfocused; the probe starts again" >&2
  kill "$probe_pid" && wait "$probe_pid" || true
  probe_pid=
  rm -f "$work/status"
  within 10 eval '! window_mapped' || fail "the probe's window stayed after the probe ended"
done
xdotool mousemove --window "$window" 5 5 || fail "the pointer could not be moved onto the window"

# Pinyin for the probe's input context: active by default, else Ctrl+Space switches to it.
pinyin_active() { [ "$(fcitx5-remote -n 2>/dev/null)" = pinyin ]; }
if ! within 5 pinyin_active; then
  xdotool key ctrl+space
  within 5 pinyin_active ||
    fail "pinyin never became the active input method (now: $(fcitx5-remote -n 2>&1))"
fi

field() { sed -n "s/^$1 //p" "$work/status"; }

read -r cx cy cw ch <<<"$(field caret)"
[ "$ch" -gt 0 ] || fail "the probe's caret has no height: $(field caret)"
# Right of the caret's column, as high as the caret and a few letters wide: the edit's empty
# field before composing, the composed letters while composing.
region="40x${ch}+$((cx + 2))+${cy}"
dark_pixels() {
  import -window "$window" "$work/shot.png" 2>/dev/null || return 1
  convert "$work/shot.png" -crop "$region" +repage -colorspace gray -threshold 50% -negate \
    -format '%[fx:int(mean*w*h+0.5)]' info:
}
field_empty() { local n; n=$(dark_pixels) && [ "$n" -eq 0 ]; }
within 5 field_empty ||
  fail "the field right of the caret never showed empty before composing" \
    "($(dark_pixels) dark pixels)"
# Just below the caret's line, where the candidate list must open: its mean grey level.
below="40x6+${cx}+$((cy + ch + 3))"
grey_below() { convert "$1" -crop "$below" +repage -colorspace gray -format '%[fx:mean]' info:; }
cp "$work/shot.png" "$work/before.png"

# SDL waits a moment for fcitx5 to say whether it takes a key, then types the key itself; the
# engine's first key of a session (its dictionaries loading) can take longer, and is then typed,
# and perhaps composed as well. Such a first letter is undone and typed again.
composing() { [ "$(field composing)" = 1 ] && [ -n "$(field composition)" ]; }
undone() { [ -z "$(field composition)" ] && [ -z "$(field text)" ]; }
arrived() { composing || [ -n "$(field text)" ]; }
first_letter_composes() {
  xdotool key n
  within 10 arrived || fail "typing n reached neither a composition nor the edit's text"
  [ -z "$(field text)" ] && return 0
  # Typed by SDL; fcitx5 may still compose it a moment later.
  if within 2 composing; then
    xdotool key Escape
    within 5 eval '[ -z "$(field composition)" ]' || fail "Escape did not cancel the composition"
  fi
  xdotool key BackSpace
  within 5 undone || fail "the first letter could not be undone: $(cat "$work/status")"
  return 1
}
for (( try = 1; ; try++ )); do
  first_letter_composes && break
  [ "$try" -lt 4 ] || fail "fcitx5 never took the first letter in time"
done
xdotool type --delay 60 ihao
within 10 eval '[ "$(field composition)" != n ]' || fail "typing ihao did not reach the composition"
shows_composition() { local n; n=$(dark_pixels) && [ "$n" -gt 20 ]; }
within 5 shows_composition ||
  fail "the composition \"$(field composition)\" does not show at the caret $(field caret)"
[ -z "${TRELLIS_IME_SHOT:-}" ] || cp "$work/shot.png" "$TRELLIS_IME_SHOT"
candidates_below() {
  import -window "$window" "$work/shot.png" 2>/dev/null &&
    awk -v a="$(grey_below "$work/before.png")" -v b="$(grey_below "$work/shot.png")" \
      'BEGIN { d = a - b; exit !(d > 0.1 || d < -0.1) }'
}
within 5 candidates_below || fail "no candidate list opened below the caret $(field caret)"
[ "$(field text)" = "" ] || fail "the edit's text changed while composing: \"$(field text)\""

xdotool key space
committed() { [ "$(field text)" = "你好" ]; }
within 10 committed || fail "after Space the edit holds \"$(field text)\", not 你好"
echo "ime-fcitx: composed \"nihao\" at the caret and committed 你好"
