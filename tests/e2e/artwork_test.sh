#!/usr/bin/env bash
# The build's pictures are the same each time they are drawn: the artwork
# generator, run again in a process of its own, writes every picture
# byte for byte as the build did (so a recipe that reads memory it never
# set, or keeps state from one drawing to the next, shows here).
# Usage: artwork_test.sh VANTORO_ARTGEN BUILT_ASSETS_FOLDER
set -euo pipefail
artgen=$1
built=$2
fail() { echo "artwork test: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$artgen" "$work" >/dev/null || fail "the generator failed"
count=0
differ=()
for picture in "$work"/*.jpg; do
  name=$(basename "$picture")
  [ -e "$built/$name" ] || fail "the build has no $name"
  cmp -s "$picture" "$built/$name" || differ+=("$name")
  count=$((count + 1))
done
[ "$count" -gt 100 ] || fail "only $count pictures drawn"
[ ${#differ[@]} -eq 0 ] || fail "drawn again, these differ from the build's: ${differ[*]}"
echo "artwork test: $count pictures, each the same when drawn again"
