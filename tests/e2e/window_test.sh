#!/usr/bin/env bash
# End to end: the real game in a real window on a virtual display, driven
# with xdotool like a player: title, team creation, the hub, closing windows.
# No window manager runs, so the game must fill the screen by itself.
# Usage: window_test.sh VANTORO CLOSE_WINDOW WINDOW_SHOT
set -euo pipefail
game=$1
closer=$2
shot=$3

# SIZE=WxH: the virtual screen's size (on large screens the frame is scaled
# by the largest whole factor that fits). SHOTS=DIR: keep a picture of the
# window there at each check of where the title is.
if [ -z "${DISPLAY:-}" ]; then
  screen=${SIZE:-1280x1024}
  exec xvfb-run -a -s "-screen 0 ${screen}x24" bash "$0" "$@"
fi

# shellcheck source=window_lib.sh
source "$(dirname "$0")/window_lib.sh"
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"

start_game
# The share of one core the game used over $1 seconds, in percent: the
# nanoseconds that all of its threads ran, or failing those (a kernel
# without scheduler statistics) its clock ticks.
cpu_ns() {
  if compgen -G "/proc/$pid/task/*/schedstat" >/dev/null; then
    cat /proc/"$pid"/task/*/schedstat | awk '{ ns += $1 } END { printf "%d", ns }'
  else
    awk -v hz="$(getconf CLK_TCK)" '{ printf "%d", ($14 + $15) * 1e9 / hz }' "/proc/$pid/stat"
  fi
}
# Waits up to 5 s for the window to be $1 x $2, in the screen's top-left
# corner (where the resizes below keep it), and to show the title where
# every frame goes: centred, each pixel a square of the largest whole factor
# that fits, the picture stretched to the whole frame when the window is
# wider than 810 logical pixels. The title art reaches every edge of its
# picture, so the non-black box of the window is where the picture is.
expect_title() {
  local client_w=$1 client_h=$2 scale
  scale=$((client_w / 800 < client_h / 600 ? client_w / 800 : client_h / 600))
  [ "$scale" -ge 1 ] || scale=1
  local w=785 h=572
  [ $((client_w / scale)) -gt 810 ] && w=800 h=600
  local left=$(((client_w / scale / 2 - 400) * scale)) top=$(((client_h / scale / 2 - 300) * scale))
  local expected got
  expected="X=0 Y=0 WIDTH=$client_w HEIGHT=$client_h LEFT=$left TOP=$top RIGHT=$((left + w * scale)) BOTTOM=$((top + h * scale))"
  shots=$((shots + 1))
  for _ in $(seq 50); do
    got=$("$shot" "$window" ${SHOTS:+"$SHOTS/title-$shots-${client_w}x$client_h.png"} | paste -sd ' ')
    [ "$got" = "$expected" ] && return 0
    sleep 0.1
  done
  fail "the window shows $got, expected $expected"
}
shots=0
idle_cpu() {
  local before after
  before=$(cpu_ns)
  sleep "$1"
  after=$(cpu_ns)
  awk -v ns=$((after - before)) -v s="$1" 'BEGIN { printf "%.2f", ns / 1e7 / s }'
}

# Nothing maximises the window here: the game itself gives it the whole
# screen, all of which is usable without a desktop's panels.
eval "$(xdotool getdisplaygeometry --shell)"
screen_width=$WIDTH screen_height=$HEIGHT
expect_title "$screen_width" "$screen_height"
# The title follows the window when it is resized, as every frame does.
xdotool windowsize --sync "$window" 1024 768 || fail "cannot size the window"
expect_title 1024 768
xdotool windowsize --sync "$window" "$screen_width" "$screen_height" || fail "cannot size the window"
expect_title "$screen_width" "$screen_height"
click 200 200
await "Team Creation"
sleep 1.8  # the intro
[ -n "${IDLE_SECONDS:-}" ] && echo "idle on team creation: $(idle_cpu "$IDLE_SECONDS")% of a core"
click 250 490  # CREATE
click 560 490  # COMMIT: only a created team reaches the hub
await "Vantoro (3)"
if [ -n "${IDLE_SECONDS:-}" ]; then
  sleep 2  # the opening
  echo "idle on the hub: $(idle_cpu "$IDLE_SECONDS")% of a core"
fi

echo "peak resident set: $(peak_resident) MB"

"$closer" "$window"  # closes the hub: the title comes back
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "the game ended when the hub was closed"
await "Vantoro (3)"
expect_title "$screen_width" "$screen_height"
click 200 200  # the title takes a click again
await "Team Creation"
"$closer" "$window"  # closes team creation
sleep 0.5
"$closer" "$window"  # closes the title: the program ends
await_exit "its title was closed"

# An interrupt from the terminal ends the game while it sleeps between
# ticks, without waiting for anything to happen in the window.
start_game
sleep 0.5
click 200 200
await "Team Creation"
sleep 1
kill -INT "$pid"
await_exit "an interrupt"
echo "window test passed"
