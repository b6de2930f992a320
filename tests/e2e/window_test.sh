#!/usr/bin/env bash
# End to end: the real game in a real window on a virtual display, driven
# with xdotool like a player: title, team creation, the hub, closing windows.
# Usage: window_test.sh VANTORO CLOSE_WINDOW
set -euo pipefail
game=$1
closer=$2

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi

work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"

fail() { echo "window test: $*" >&2; exit 1; }

# Under AddressSanitizer, the window system's own libraries (D-Bus, input
# methods) keep allocations until exit; the game's leaks are checked by the
# in-process tests, so only leak checking is turned off here.
ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$game" &
pid=$!

window=$(timeout 20 xdotool search --sync --name '^Vantoro \(3\)$' | head -n 1) || fail "no title window"
name() { xdotool getwindowname "$window"; }
# Waits until the caption reads $1.
await() {
  for _ in $(seq 100); do
    [ "$(name)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "caption is '$(name)', expected '$1'"
}
# Clicks at frame point (x, y): the frame is centred in the window.
click() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local left=$((WIDTH / 2 - 400)) top=$((HEIGHT / 2 - 300))
  xdotool mousemove --window "$window" $((left + $1)) $((top + $2)) click 1
  sleep 0.2
}

sleep 0.5
click 200 200
await "Team Creation"
sleep 1.8  # the intro
click 250 490  # CREATE
click 560 490  # COMMIT
await "Vantoro (3)"

"$closer" "$window"  # closes the hub: the title comes back
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the game ended when the hub was closed"
await "Vantoro (3)"
click 200 200  # the title takes a click again
await "Team Creation"
"$closer" "$window"  # closes team creation
sleep 0.5
"$closer" "$window"  # closes the title: the program ends

for _ in $(seq 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then fail "the game is still running after its title was closed"; fi
wait "$pid" || fail "the game exited with status $?"
echo "window test passed"
