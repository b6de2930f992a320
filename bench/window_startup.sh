#!/usr/bin/env bash
# How long the game takes from its start to its first frame in a real
# window: from the exec to the return of its first window update, read with
# uprobes on SDL, so that nothing polls the window meanwhile. Runs under a
# virtual display, N times (default 5), and prints each and the median.
# Needs perf and the right to add probes (root).
# Usage: window_startup.sh VANTORO [N]
set -euo pipefail
game=$(realpath "$1")
runs=${2:-5}
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$game" "$runs"
fi
sdl=$(ldd "$game" | awk '/libSDL2/ { print $3 }')
[ -n "$sdl" ] || { echo "$game does not load SDL" >&2; exit 1; }
for update in SDL_UpdateWindowSurface SDL_UpdateWindowSurfaceRects; do
  perf probe -q -x "$sdl" -a "${update}%return" 2>/dev/null || true
done
data=$(mktemp)
trap 'rm -f "$data"; perf probe -q -d "probe_libSDL2:SDL_UpdateWindowSurface*" 2>/dev/null || true' EXIT
times=()
for _ in $(seq "$runs"); do
  perf record -q -o "$data" -e sched:sched_process_exec -e 'probe_libSDL2:SDL_UpdateWindowSurface*' -- env --default-signal=INT "$game" 2>/dev/null &
  sleep 1.5
  pkill -INT -f "^$game" || true  # env restores the interrupt a script ignores
  wait || true
  [ -n "${DEBUG:-}" ] && perf script -i "$data" -F tid,time,event 2>/dev/null | head -8 >&2
  times+=("$(perf script -i "$data" -F time,event 2>/dev/null |
    awk '/sched_process_exec/ && !e { e = $1 + 0 } /UpdateWindowSurface/ && !r { r = $1 + 0 }
         END { printf "%.0f", (r - e) * 1000 }')")
  sleep 0.5  # the X server starts afresh when its last client leaves
done
echo "start to the first frame in the window: ${times[*]} ms; median $(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p") ms"
