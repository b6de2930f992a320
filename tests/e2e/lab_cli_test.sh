#!/usr/bin/env bash
# vantoro-lab as a player runs it: the three commands, the same output for
# the same options, a chart that is a picture, and bad usage refused.
set -euo pipefail
lab=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "lab_cli_test: $*" >&2; exit 1; }

# Output goes to files first: grep -q would stop reading early.
"$lab" --help >"$work/help"
grep -q '^usage: vantoro-lab match' "$work/help" || fail "--help shows no usage"

"$lab" match --seed 5 --tactics 2,2,1,3 --json >"$work/a.json"
"$lab" match --seed 5 --tactics 2,2,1,3 --json >"$work/b.json"
cmp -s "$work/a.json" "$work/b.json" || fail "the same match twice gave different output"
grep -q '"log"' "$work/a.json" && grep -q '"Runtime"' "$work/a.json" || fail "match --json lacks the log or the state"
"$lab" match --seed 5 --weather 3 >"$work/rain"
grep -q 'Raining' "$work/rain" || fail "match shows no weather"
"$lab" match --seed 5 >"$work/sheet"
grep -Eq '^Vantoro Team +[0-9-]+ +[0-9-]+' "$work/sheet" || fail "match shows no score sheet"

# A save slot is a start too; a missing one is a clear failure.
set +e
"$lab" match --slot "$work/nowhere" 2>"$work/err"
status=$?
set -e
[ "$status" -eq 1 ] || fail "a missing slot exited $status"
grep -q "nowhere" "$work/err" || fail "a missing slot's message does not name it: $(cat "$work/err")"

"$lab" tactics --matches 3 --threads 1 --png "$work/chart.png" >"$work/t1.txt"
"$lab" tactics --matches 3 --threads 2 >"$work/t2.txt"
cmp -s "$work/t1.txt" "$work/t2.txt" || fail "the tactics table depends on the threads"
[ "$(head -c 8 "$work/chart.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "the chart is not a PNG"
[ "$(grep -c 'Go Long' "$work/t1.txt")" -gt 0 ] || fail "the table names no tactics"

"$lab" season --leagues 4 --years 1 --policy pay,travel >"$work/season"
grep -q '^Completed the league' "$work/season" || fail "season shows no outcome"

for bad in "" "fly" "match --weather 4" "match --tactics 1,2" "match --weather 3 --tactics 3,1,1,1" \
  "match --opponent 10" "tactics --matches 0" "season --years 11" "season --policy gamble" "match --seed -1"; do
  set +e
  # shellcheck disable=SC2086
  "$lab" $bad >/dev/null 2>"$work/err"
  status=$?
  set -e
  [ "$status" -eq 2 ] || fail "'$bad' exited $status, not 2"
  grep -q "vantoro-lab:" "$work/err" || fail "'$bad' gave no reason"
done
echo "lab_cli_test: passed"
