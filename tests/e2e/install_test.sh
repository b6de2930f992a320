#!/usr/bin/env bash
# The installed game, as a packager and a player meet it: install into a
# scratch root, check the files and validate the desktop entry and the
# metainfo, run the installed tools from another folder, then start the
# launcher from / as an unprivileged player with a fresh home under a
# virtual display: the save must land in that player's data folder and load
# again. Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1

if [ -z "${DISPLAY:-}" ]; then
  # -ac: the player runs as another user and has no access cookie.
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -ac" bash "$0" "$@"
fi

fail() { echo "install test: $*" >&2; exit 1; }

work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
chmod 755 "$work"

DESTDIR="$work/root" cmake --install "$build" --prefix /usr >/dev/null || fail "cmake --install failed"
usr=$work/root/usr
for f in games/vantoro games/vantoro-save games/vantoro-headless games/vantoro-lab lib/games/vantoro/vantoro \
  share/games/vantoro/assets/title.jpg share/games/vantoro/assets/icon.jpg \
  share/applications/vantoro.desktop share/metainfo/org.vantoro.Vantoro.metainfo.xml \
  share/icons/hicolor/64x64/apps/vantoro.png share/icons/hicolor/128x128/apps/vantoro.png \
  share/icons/hicolor/256x256/apps/vantoro.png share/man/man6/vantoro.6.gz \
  share/man/man6/vantoro-save.6.gz share/man/man6/vantoro-headless.6.gz share/man/man6/vantoro-lab.6.gz \
  share/doc/vantoro/copyright share/doc/vantoro/changelog.gz; do
  [ -e "$usr/$f" ] || fail "not installed: /usr/$f"
done
for size in 16 24 32 48 64 128 256; do
  icon=$usr/share/icons/hicolor/${size}x${size}/apps/vantoro.png
  [ "$(file -b "$icon" 2>&1 | cut -d, -f1-2)" = "PNG image data, $size x $size" ] ||
    fail "the $size px icon is '$(file -b "$icon" 2>&1)'"
done

# The tools answer for themselves, before they look for a script, a slot or
# their pictures.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
for tool in vantoro-save vantoro-headless vantoro-lab; do
  out=$("$usr/games/$tool" --version) || fail "$tool --version failed"
  [ "$out" = "$tool $version" ] || fail "$tool --version says '$out'"
  out=$("$usr/games/$tool" --help) || fail "$tool --help failed"
  [ "$(head -n 1 <<<"$out" | cut -d' ' -f1-2)" = "usage: $tool" ] || fail "$tool --help begins '$(head -n 1 <<<"$out")'"
done

desktop-file-validate "$usr/share/applications/vantoro.desktop" || fail "the desktop entry is not valid"
report=$(appstreamcli validate --no-net "$usr/share/metainfo/org.vantoro.Vantoro.metainfo.xml" 2>&1) ||
  fail "the metainfo is not valid: $report"
if grep -q '^[EW]:' <<<"$report"; then fail "the metainfo has errors or warnings: $report"; fi

# The launcher answers for itself.
[ "$("$usr/games/vantoro" --version)" = "vantoro $(sed -n 's/^vantoro (\([^)]*\)).*/\1/p;q' "$(dirname "$0")/../../packaging/changelog")" ] ||
  fail "--version says '$("$usr/games/vantoro" --version)'"
"$usr/games/vantoro" --help | grep -q '.local/share/vantoro' || fail "--help does not say where the saves are"
status=0
"$usr/games/vantoro" --bogus 2>/dev/null || status=$?
[ "$status" -eq 2 ] || fail "an unknown option gives status $status, expected 2"

# The installed driver finds its pictures from anywhere and saves where it runs.
mkdir "$work/elsewhere"
(cd "$work/elsewhere" && "$usr/games/vantoro-headless" - <<'SCRIPT') || fail "the installed driver failed"
wait 25
press 100 100
wait 1400
press 211 499
press 599 499
expect-screen hub
wait 1600
press 50 535
press 180 115
wait 50
press 400 300
expect-screen title
wait 25
press 100 100
press 400 490
expect-screen hub
SCRIPT
[ -s "$work/elsewhere/savefilex.dat" ] || fail "the driver's save is not in its working folder"

# The player: unprivileged (when the test runs as root), a fresh home, and
# started from / as a desktop menu would.
home=$work/home
mkdir "$home"
as_player=()
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$home"
  as_player=(setpriv --reuid=65534 --regid=65534 --clear-groups)
fi
start_game() {
  (cd / && env -u XDG_DATA_HOME HOME="$home" \
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
    "${as_player[@]}" "$usr/games/vantoro") 2>>"$work/err" &
  pid=$!
  window=$(timeout 20 xdotool search --sync --name '^Vantoro \(3\)$' | head -n 1) || fail "no title window"
  sleep 0.5
}
await() {
  for _ in $(seq 100); do
    [ "$(xdotool getwindowname "$window")" = "$1" ] && return 0
    sleep 0.1
  done
  fail "caption is '$(xdotool getwindowname "$window")', expected '$1'"
}
click() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
  xdotool mousemove --window "$window" $((WIDTH / 2 - 400 + $1)) $((HEIGHT / 2 - 300 + $2)) click 1
  sleep 0.3
}

start_game
click 200 200
await "Team Creation"
sleep 1.8      # the intro
click 250 490  # CREATE
click 560 490  # COMMIT
await "Vantoro (3)"
sleep 2        # the hub's opening
click 50 535   # ADMIN
click 180 115  # its save page
click 400 300  # SAVE & EXIT
data=$home/.local/share/vantoro
for _ in $(seq 50); do
  [ -s "$data/savefiley.dat" ] && break
  sleep 0.1
done
if [ ! -s "$data/savefilex.dat" ] || [ ! -s "$data/savefiley.dat" ]; then fail "no save in $data ($(cat "$work/err"))"; fi
[ ! -e /savefilex.dat ] || fail "a save landed in /"
kill "$pid"
wait "$pid" 2>/dev/null || true

start_game
click 200 200
await "Team Creation"
sleep 1.8
click 400 490  # LOAD GAME
await "Vantoro (3)"
[ ! -s "$work/err" ] || fail "the game reported: $(cat "$work/err")"
kill "$pid"
wait "$pid" 2>/dev/null || true

# A home where the player's data folder cannot be made: started from the
# menu, the player reads why in the game's box, not on a hidden terminal.
locked=$work/locked
mkdir "$locked"
chmod 555 "$locked"
(cd / && env -u XDG_DATA_HOME HOME="$locked" ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
  "${as_player[@]}" "$usr/games/vantoro") 2>"$work/locked.err" &
pid=$!
said="Cannot make the folder for the saved game, $locked/.local/share/vantoro: Permission denied"
for _ in $(seq 100); do
  grep -qF "$said" "$work/locked.err" && xwininfo -root -tree | grep -q '"Vantoro": ()' && break
  sleep 0.1
done
grep -qF "$said" "$work/locked.err" || fail "the folder that cannot be made is not named: $(cat "$work/locked.err")"
xwininfo -root -tree | grep -q '"Vantoro": ()' || fail "no box says the folder cannot be made"
kill "$pid"
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 1 ] || fail "status $status when the data folder cannot be made, expected 1"
echo "install test passed"
