#!/usr/bin/env bash
# Real faults under a real save: vantoro-save set runs under strace, which
# makes one call fail (EIO, ENOSPC, EINTR) or kills the program (SIGKILL)
# at each invocation in turn of every call the save uses. Afterwards the
# slot must be exactly the old one or exactly the new one, and the exit
# status must say which: 0 only for the new one, a failure only for the
# old one (a killed run may leave either).
# Usage: fault_injection_test.sh VANTORO_SAVE VANTORO_HEADLESS
set -euo pipefail
save=$(readlink -f "$1")
headless=$(readlink -f "$2")
fail() { echo "fault injection: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
slot=$work/slot
mkdir "$slot"
# A real slot: a new game saved through SAVE & EXIT.
(cd "$slot" && "$headless" - >/dev/null 2>&1 <<'SCRIPT') || fail "cannot make a slot"
wait 25
press 100 100
wait 1400
press 211 499
press 599 499
wait 1600
press 50 535
press 180 115
wait 50
press 400 300
expect-screen title
SCRIPT
"$save" set "$slot" Cash=1111 || fail "cannot set the starting cash"
cash() { "$save" dump "$slot" | sed -n 's/^ *"Cash": *\(-\?[0-9]*\),\?$/\1/p' | head -n 1; }
[ "$(cash)" = 1111 ] || fail "the slot's cash reads '$(cash)'"

calls="openat read write fsync close rename unlink fstat newfstatat"
# How often the save makes each call, counted once without faults.
strace -f -qq -c -o "$work/count" -e trace="${calls// /,}" "$save" set "$slot" Cash=1111 >/dev/null 2>&1 ||
  fail "strace cannot run the save"
runs=0
for call in $calls; do
  n=$(awk -v c="$call" '$NF == c { print $4 }' "$work/count")
  [ -n "$n" ] || continue
  for ((i = 1; i <= n; i++)); do
    for fault in error=EIO error=ENOSPC error=EINTR signal=KILL; do
      runs=$((runs + 1))
      status=0
      # Through sh, so that a killed run is not announced by this shell.
      sh -c '"$@"; exit $?' sh strace -f -qq -o /dev/null -e trace="$call" -e inject="$call:$fault:when=$i" \
        "$save" set "$slot" Cash=2222 >/dev/null 2>"$work/err" || status=$?
      after=$(cash) || fail "$call #$i $fault: the slot cannot be read afterwards"
      what="$call #$i $fault (status $status, cash $after): $(head -c 300 "$work/err")"
      case "$after" in 1111 | 2222) ;; *) fail "$what: the slot is neither the old nor the new one" ;; esac
      if [ "$status" -eq 0 ] && [ "$after" != 2222 ]; then fail "$what: reported saved, but the slot is old"; fi
      if [ "$status" -ne 0 ] && [ "$status" -ne 137 ] && [ "$after" != 1111 ]; then
        fail "$what: reported failed, but the slot is new"
      fi
      leftovers=$(ls -A "$slot" | grep -vxE 'savefile[xy]\.dat' || true)
      [ -z "$leftovers" ] || fail "$what: left $leftovers"
      "$save" set "$slot" Cash=1111 || fail "cannot restore the slot after $what"
    done
  done
done
[ "$runs" -gt 40 ] || fail "only $runs runs: strace counted too few calls"
echo "fault injection passed: $runs injected faults"
