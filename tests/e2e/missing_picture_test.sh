#!/usr/bin/env bash
# A missing or damaged picture, or no display at all, stops the game at
# start-up with a message that names the cause, and exit status 1: never a
# crash, and never a game running where nobody can see it.
# Usage: missing_picture_test.sh VANTORO ASSET_FOLDER
set -euo pipefail
game=$1
assets=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/app"
cp "$game" "$work/app/vantoro"
cp -r "$assets" "$work/assets"

fail() { echo "missing picture test: $*" >&2; exit 1; }

# Runs the copy without a display; prints its standard error.
run() {
  local status=0
  (cd "$work" && timeout 20 env -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER ./app/vantoro) 2>"$work/err" >/dev/null || status=$?
  [ "$status" -eq 1 ] || fail "exit status $status, expected 1 ($(cat "$work/err"))"
  cat "$work/err"
}

rm "$work/assets/hub.jpg"
run | grep -q "hub.jpg: No such file or directory" || fail "no message naming hub.jpg and the reason"

cp "$assets/hub.jpg" "$work/assets/hub.jpg"
head -c 300 "$assets/title.jpg" >"$work/assets/title.jpg"
run | grep -q "title.jpg: " || fail "no message naming the damaged title.jpg"

printf 'not a picture at all' >"$work/assets/title.jpg"
run | grep -q "title.jpg: " || fail "no message naming the corrupt title.jpg"
# A picture of another size than the screens place it by.
cp "$assets/icon.jpg" "$work/assets/title.jpg"
run | grep -q "title.jpg: the picture is 64 x 64, expected " || fail "a wrongly sized title.jpg was not refused"

cp "$assets/title.jpg" "$work/assets/title.jpg"
# A picture whose header is sound but whose body is cut off is found by the
# decoding that goes on behind the title; it is still reported at start-up.
head -c 20000 "$assets/hub.jpg" >"$work/assets/hub.jpg"
run | grep -q "hub.jpg: the picture data ends early" || fail "no message naming the cut-off hub.jpg"
cp "$assets/hub.jpg" "$work/assets/hub.jpg"

# A FIFO in a picture's place must not block start-up.
rm "$work/assets/hub.jpg"
mkfifo "$work/assets/hub.jpg"
run | grep -q "hub.jpg: it is not a regular file" || fail "no message naming the FIFO hub.jpg"
rm "$work/assets/hub.jpg"
mkdir "$work/assets/hub.jpg"
run | grep -q "hub.jpg: Is a directory" || fail "no message naming the folder hub.jpg"
rmdir "$work/assets/hub.jpg"
cp "$assets/hub.jpg" "$work/assets/hub.jpg"

# Without a display the game's own message comes first, naming what it
# looked for; with one named that does not answer, it names that one.
run | head -n 1 | grep -q "^Vantoro: Cannot open a display: .*neither DISPLAY nor WAYLAND_DISPLAY is set" ||
  fail "no first message saying there is no display: $(run | head -n 3)"
status=0
(cd "$work" && timeout 20 env -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER DISPLAY=:97 ./app/vantoro) 2>"$work/err" >/dev/null ||
  status=$?
[ "$status" -eq 1 ] || fail "exit status $status with an absent display, expected 1"
head -n 1 "$work/err" | grep -q "^Vantoro: Cannot open the display DISPLAY=:97: " ||
  fail "the absent display is not named first: $(head -n 3 "$work/err")"
echo "missing picture test passed"
