#!/usr/bin/env bash
# Replays: the real game, driven like a player with real timing, records
# its session in the player's data folder; played back headless, the
# recording agrees with the game at every press and ends in a save slot
# byte for byte the real game's. The window plays it back too, following
# the recorded screens, until its window is closed.
# Usage: replay_test.sh VANTORO VANTORO_HEADLESS CLOSE_WINDOW
set -euo pipefail
game=$1
headless=$2
closer=$3
test_name="replay test"
script=$(cd "$(dirname "$0")" && pwd)/replay_play.txt

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
# shellcheck source=window_lib.sh
source "$(dirname "$0")/window_lib.sh"
take_work_folder
export XDG_DATA_HOME=$work/data
mkdir "$work/real" "$work/back"
cd "$work/real"

started=$(date +%s.%N)
start_game
play_script "$script"
"$closer" "$window" # the title's close ends the game
await_exit "the title's window closed"
seconds=$(awk -v s="$started" -v e="$(date +%s.%N)" 'BEGIN { printf "%.1f", e - s }')
recordings=("$XDG_DATA_HOME"/vantoro/replays/*.vtr)
if [ "${#recordings[@]}" -ne 1 ] || [ ! -s "${recordings[0]}" ]; then fail "no recording in $XDG_DATA_HOME/vantoro/replays"; fi
recording=${recordings[0]}
bytes=$(stat -c %s "$recording")
echo "recorded $seconds s of play in $bytes bytes ($(awk -v b="$bytes" -v s="$seconds" 'BEGIN { printf "%.0f", b / s * 3600 / 1024 }') KB an hour at this pace)"

cd "$work/back"
"$headless" --replay "$recording" --dump end.json --screenshot-at 1000 creation.png ||
  fail "the recording does not play back"
for file in savefilex.dat savefiley.dat; do
  cmp -s "$work/real/$file" "$file" || fail "the playback saved another $file than the game"
done
grep -q '"screen": "title"' end.json || fail "the playback does not end on the title"
[ -s creation.png ] || fail "no screenshot"
# Played in the player's data folder, the session's save would overwrite
# the player's game: refused.
status=0
(cd "$XDG_DATA_HOME/vantoro" && "$headless" --replay "$recording" 2>/dev/null) || status=$?
[ "$status" -eq 2 ] || fail "a playback in the player's data folder gave status $status, expected 2"

# In the window, at the speed it was played: it reaches team creation as
# the player did, and ends when its window is closed.
"$game" --replay "$recording" 2>"$work/window.err" &
pid=$!
window=$(timeout 20 xdotool search --sync --name '^Vantoro \(3\)$' | head -n 1) || fail "no window for the playback"
await "Team Creation"
"$closer" "$window"
await_exit "the playback's window closed"
[ ! -e "$work/back/savefilex.dat.new" ] || fail "the playback left a temporary file"
echo "replay test passed"
