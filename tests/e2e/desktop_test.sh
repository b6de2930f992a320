#!/usr/bin/env bash
# The game as a desktop program ends when it should: within a second of
# SIGTERM or SIGINT on every kind of screen and with a message box open;
# with status 1 when another program destroys its window; and a second copy
# on the same folder says so and ends with status 1. Where no message box
# can open, an error that stops the game at start-up shows in the frame.
# Usage: desktop_test.sh VANTORO VANTORO_HEADLESS VANTORO_SAVE CLOSE_WINDOW WINDOW_SHOT
set -euo pipefail
game=$1
headless=$2
saver=$3
closer=$4
shot=$5
test_name="desktop test"

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
# shellcheck source=window_lib.sh
source "$(dirname "$0")/window_lib.sh"
take_work_folder

if [ -n "${NO_BOX:-}" ]; then
  # No box can open (an X server without the core fonts SDL's box draws
  # with): an error before the game starts shows in the frame, until a click.
  env -u HOME -u XDG_DATA_HOME "$game" --data-home 2>"$work/home.err" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --name '^Vantoro$' | head -n 1) || fail "no window for the error"
  sleep 0.5
  grep -q "HOME is not set" "$work/home.err" || fail "the missing HOME was not named: $(cat "$work/home.err")"
  # The box in the frame: 520 frame pixels wide, centred.
  got=$("$shot" "$window" | paste -sd ' ')
  [[ $got == *"LEFT=380 "*"RIGHT=900 "* ]] || fail "the window shows $got, not the box in the frame"
  click 400 300
  status=0
  timeout 5 tail --pid="$pid" -f /dev/null || fail "the error's window did not close on a click"
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq 1 ] || fail "status $status after the start-up error, expected 1"
  exit 0
fi

# Two slots, saved from a new game's hub: September (a month end away
# from the gambling screens) and December (a tournament month).
mkdir "$work/sep"
(cd "$work/sep" && save_new_game)
cp -r "$work/sep" "$work/dec"
"$saver" set "$work/sep" Team.Month=9 Team.GameLengthYears=1 Team.Cash=5000 >/dev/null
"$saver" set "$work/dec" Team.Month=12 Team.GameLengthYears=1 Team.Cash=5000 >/dev/null

# The message boxes SDL shows: windows of the game's title and no class.
boxes() { xwininfo -root -tree | awk '/"Vantoro": \(\)/ { print $1 }'; }

# Starts the game in folder $1 and loads its slot.
start_in() {
  cd "$work/$1"
  start_game
  click 200 200
  await "Team Creation"
  sleep 1.6
  click 400 487 # LOAD GAME
  await "Vantoro (3)"
  sleep 1.9 # the hub's opening
}
# Sends signal $1 and waits for the end: status $2 within a second.
end_with() {
  local signal=$1 expected=$2 status=0
  kill "-$signal" "$pid"
  for _ in $(seq 20); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.05
  done
  kill -0 "$pid" 2>/dev/null && fail "still running a second after SIG$signal on '$(name)'"
  wait "$pid" || status=$?
  pid=
  [ "$status" -eq "$expected" ] || fail "status $status after SIG$signal, expected $expected"
}

# The title, team creation, and the hub.
cd "$work/sep"
start_game
end_with TERM 0
start_game
click 200 200
await "Team Creation"
end_with INT 0
start_in sep
end_with TERM 0

# A second copy on the folder says so in its box, and ends when it is closed.
start_in sep
"$game" 2>"$work/second.err" &
second=$!
also_pid=$second
for _ in $(seq 100); do
  grep -q "already running on the folder $work/sep" "$work/second.err" && break
  sleep 0.1
done
grep -q "already running on the folder $work/sep" "$work/second.err" || fail "the second copy did not refuse"
for _ in $(seq 50); do
  [ -n "$(boxes)" ] && break
  sleep 0.1
done
[ -n "$(boxes)" ] || fail "no box from the second copy"
# A box that has only just been mapped may not take a key yet (slow under
# the sanitizers): press Return again until the copy has ended.
for _ in $(seq 20); do
  for box in $(boxes); do xdotool key --window "$box" Return 2>/dev/null || true; done
  timeout 0.5 tail --pid="$second" -f /dev/null && break
done
status=0
kill -0 "$second" 2>/dev/null && fail "the second copy's box did not close"
wait "$second" || status=$?
also_pid=
[ "$status" -eq 1 ] || fail "the second copy ended with status $status, expected 1"
kill -0 "$pid" || fail "the first copy ended with the second"

# The gambling screens: a month's end, then the horse race.
click 50 465 # SEASON
click 400 115
click 442 335 # TURN END
await "End of Month"
sleep 4.5
click 630 475
await "Vantoro (3)"
sleep 1.9
click 50 395 # FINANCE
click 400 115
click 185 215 # the horse race
sleep 0.5
end_with INT 0

# A match.
start_in dec
click 50 465
click 400 115
click 185 460 # by car
await "The Tournament"
click 700 105 # PLAY
await "Playing!"
sleep 1
end_with TERM 0

# A message box open: a save that fails (a folder where the save's
# temporary file goes) shows one; the request to end closes it too.
start_in sep
mkdir "$work/sep/savefilex.dat.new"
click 50 535 # ADMIN
click 180 115
click 400 300 # SAVE & EXIT
for _ in $(seq 50); do
  [ -n "$(boxes)" ] && break
  sleep 0.1
done
[ -n "$(boxes)" ] || fail "no box for the failed save"
end_with TERM 0
sleep 0.3
[ -z "$(boxes)" ] || fail "the failed save's box outlived the game"
rmdir "$work/sep/savefilex.dat.new"

# The window destroyed by another program: status 1, said on standard error.
start_game 2>"$work/destroyed.err"
"$closer" --destroy "$window"
for _ in $(seq 20); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.05
done
kill -0 "$pid" 2>/dev/null && fail "still running a second after its window was destroyed"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 1 ] || fail "status $status after the window was destroyed, expected 1"
grep -q "window was destroyed by another program" "$work/destroyed.err" || fail "nothing said of the lost window"
[ "$(wc -l <"$work/destroyed.err")" -le 2 ] || fail "a flood on standard error: $(head -5 "$work/destroyed.err")"


# Last, on a display of its own: the error in the frame.
NO_BOX=1 xvfb-run -a -s "-screen 0 1280x1024x24 -fp built-ins" bash "$0" "$@" || fail "the error in the frame"
echo "desktop test passed"
