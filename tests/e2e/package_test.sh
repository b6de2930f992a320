#!/usr/bin/env bash
# The .deb as a packager builds it: CPack from the build tree, then lintian,
# which must find no errors; the package depends on the faces the screens
# were laid out with. Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
fail() { echo "package test: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/log" 2>&1) ||
  fail "cpack failed: $(cat "$work/log")"
deb=$(find "$work/out" -maxdepth 1 -name 'vantoro_*.deb' | head -n 1)
[ -n "$deb" ] || fail "cpack made no .deb: $(cat "$work/log")"

depends=$(dpkg-deb --field "$deb" Depends)
for needed in fonts-wine fonts-urw-base35 fonts-liberation2 libsdl2; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done
[ "$(dpkg-deb --field "$deb" Section)" = games ] || fail "the package is not in section games"

report=$(lintian --tag-display-limit 0 "$deb" 2>&1 | grep -v 'running with root privileges' || true)
[ -z "$report" ] || echo "$report"
if grep -q '^E:' <<<"$report"; then fail "lintian found errors"; fi
echo "package test passed: $(basename "$deb")"
