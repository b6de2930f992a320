#!/usr/bin/env bash
# A whole play in the real window, driven with xdotool like a player, from a
# saved September to the league end (the script in whole_play.txt), and
# the most memory the game held on the way: at most 40 MB.
# Usage: whole_play_test.sh VANTORO VANTORO_HEADLESS VANTORO_SAVE
set -euo pipefail
game=$1
headless=$2
saver=$3
test_name="whole play test"
script=$(cd "$(dirname "$0")" && pwd)/whole_play.txt
limit_mb=${LIMIT_MB:-40}

if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
# shellcheck source=window_lib.sh
source "$(dirname "$0")/window_lib.sh"
take_work_folder
cd "$work"

# The slot to load: a new squad saved from the hub, then moved to the
# September of its last year, with cash for every game.
save_new_game
"$saver" set . Team.Month=9 Team.GameLengthYears=1 Team.Cash=5000 >/dev/null || fail "cannot edit the slot"

# The script holds in the headless game first, where its "set" lines make
# December rain: a fault there is quicker to read than in the window.
"$headless" "$script" || fail "the script fails in the headless game"

start_game
play_script "$script"

peak=$(peak_resident)
echo "peak resident set through a whole play: $peak MB"
awk -v p="$peak" -v l="$limit_mb" 'BEGIN { exit !(p <= l) }' || fail "the game held $peak MB, more than $limit_mb MB"
kill -INT "$pid"
await_exit "the play"
echo "whole play test passed"
