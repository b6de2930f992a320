# shellcheck shell=bash disable=SC2154
# Shared by the tests that drive the real game in a window with xdotool.
# The caller sets game (the program), runs in a work folder, and defines
# nothing else these use.

fail() { echo "${test_name:-window test}: $*" >&2; exit 1; }

# A scratch folder in $work, removed, and the game ($pid, and any other
# copy in $also_pid) ended, on exit: a copy left running would hold the
# test's output open until the test runner's time-out.
take_work_folder() {
  work=$(mktemp -d)
  pid=
  also_pid=
  trap 'kill $pid $also_pid 2>/dev/null || true; rm -rf "$work"' EXIT
}
# Starts the game and waits for its title window. Under AddressSanitizer,
# the window system's own libraries (D-Bus, input methods) keep allocations
# until exit; the game's leaks are checked by the in-process tests, so only
# leak checking is turned off here. A script starts its background jobs
# with interrupts ignored: env restores them, for the interrupt below.
start_game() {
  # Its recordings go in the test's folder, not the home's data folder.
  XDG_DATA_HOME=${XDG_DATA_HOME:-$PWD/.data} ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" env --default-signal=INT "$game" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --name '^Vantoro \(3\)$' | head -n 1) || fail "no title window"
}
# Waits up to 5 s for the game to end with status 0; $1 says after what.
await_exit() {
  for _ in $(seq 50); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then fail "the game is still running 5 s after $1"; fi
  wait "$pid" || fail "the game exited with status $? after $1"
}
name() { xdotool getwindowname "$window"; }
# Waits until the caption reads $1.
await() {
  for _ in $(seq 100); do
    [ "$(name)" = "$1" ] && return 0
    sleep 0.1
  done
  fail "caption is '$(name)', expected '$1'"
}
# Whether the caption reads $2 within $1 tenths of a second.
caption_within() {
  for _ in $(seq "$1"); do
    [ "$(name)" = "$2" ] && return 0
    sleep 0.1
  done
  return 1
}
# Clicks at frame point (x, y): the frame is centred in the window, each of
# its pixels a square of scale x scale window pixels.
click() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  local scale=$((WIDTH / 800 < HEIGHT / 600 ? WIDTH / 800 : HEIGHT / 600))
  [ "$scale" -ge 1 ] || scale=1
  local left=$((WIDTH / scale / 2 - 400)) top=$((HEIGHT / scale / 2 - 300))
  xdotool mousemove --window "$window" $(((left + $1) * scale + scale / 2)) $(((top + $2) * scale + scale / 2)) click 1
  sleep 0.2
}
# The most memory the game has held so far, pictures and all, in MB.
peak_resident() { awk '/^VmHWM/ { printf "%.1f", $2 / 1024 }' "/proc/$pid/status"; }
# Saves a new squad from the hub into the working folder, through the
# headless driver ($headless).
save_new_game() {
  "$headless" /dev/stdin <<'SETUP' || fail "cannot save a new game"
wait 25
press 100 100
wait 1400
press 211 499
press 599 499
expect-screen hub
wait 1700
press 50 535
press 180 115
wait 50
press 280 300
press 529 389
expect-screen title
SETUP
}
# The captions of the screens a script names.
caption() {
  case $1 in
    team-creation) echo "Team Creation" ;;
    end-of-month) echo "End of Month" ;;
    tournament) echo "The Tournament" ;;
    match) echo "Playing!" ;;
    result) echo "Game Ends" ;;
    league-end) echo "LEAGUE ENDS!" ;;
    *) echo "Vantoro (3)" ;;
  esac
}
# Plays a driver script in the window as a player would: presses, waits
# (in real time) and the screens it expects; what only the headless game
# can do (set) is left out.
play_script() {
  local line=0 command a b pressed="" before=""
  while read -r command a b; do
    line=$((line + 1))
    case $command in
      press)
        before=$(name)
        pressed="$a $b"
        click "$a" "$b"
        ;;
      wait) sleep "$(awk -v ms="$a" 'BEGIN { printf "%.3f", ms / 1000 }')" ;;
      expect-screen)
        # A press a busy virtual display lost leaves the screen it was made
        # on: press once more, as a player would.
        if [ -n "$pressed" ] && ! caption_within 30 "$(caption "$a")" && [ "$(name)" = "$before" ]; then
          echo "${test_name:-window test}: line $line: pressed $pressed again" >&2
          # shellcheck disable=SC2086
          click $pressed
        fi
        await "$(caption "$a")" || fail "line $line"
        pressed=""
        ;;
      set | "#"* | "") ;;
      *) fail "line $line: unknown command $command" ;;
    esac
  done <"$1"
}
