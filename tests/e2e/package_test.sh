#!/usr/bin/env bash
# The .deb files as a packager builds them: CPack from the build tree, with
# no warning, makes two packages, the game (vantoro) and the developer tools
# (vantoro-tools); each file is in the package it belongs to and in no
# other; lintian finds neither errors nor warnings in either; the game
# depends on the faces the screens were laid out with, the tools on the game
# of the same version; the desktop entry and the metainfo as shipped are
# valid, and the metainfo rates the gambling. Usage: package_test.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
fail() { echo "package test: $*" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/log" 2>&1) ||
  fail "cpack failed: $(cat "$work/log")"
if grep -qi 'warning' "$work/log"; then fail "cpack warned: $(cat "$work/log")"; fi
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
declare -A deb
for package in vantoro vantoro-tools; do
  deb[$package]=$(find "$work/out" -maxdepth 1 -name "${package}_${version}_*.deb" | head -n 1)
  [ -n "${deb[$package]}" ] || fail "cpack made no $package package: $(ls "$work/out")"
  [ "$(dpkg-deb --field "${deb[$package]}" Section)" = games ] || fail "$package is not in section games"
  dpkg-deb --fsys-tarfile "${deb[$package]}" | tar -t | sed 's|^\./|/|' >"$work/$package.files"
done

depends=$(dpkg-deb --field "${deb[vantoro]}" Depends)
for needed in fonts-wine fonts-urw-base35 fonts-liberation2 libsdl2; do
  grep -q "$needed" <<<"$depends" || fail "the game does not depend on $needed: $depends"
done
depends=$(dpkg-deb --field "${deb[vantoro-tools]}" Depends)
grep -q "vantoro (= $version)" <<<"$depends" || fail "the tools do not depend on the game $version: $depends"

# Each file and the one package that holds it.
placed=(
  vantoro:/usr/games/vantoro vantoro:/usr/games/vantoro-save vantoro:/usr/lib/games/vantoro/vantoro
  vantoro:/usr/share/games/vantoro/assets/title.jpg vantoro:/usr/share/applications/vantoro.desktop
  vantoro:/usr/share/metainfo/org.vantoro.Vantoro.metainfo.xml
  vantoro:/usr/share/man/man6/vantoro.6.gz vantoro:/usr/share/man/man6/vantoro-save.6.gz
  vantoro:/usr/share/doc/vantoro/copyright
  vantoro-tools:/usr/games/vantoro-headless vantoro-tools:/usr/games/vantoro-lab
  vantoro-tools:/usr/share/man/man6/vantoro-headless.6.gz vantoro-tools:/usr/share/man/man6/vantoro-lab.6.gz
  vantoro-tools:/usr/share/doc/vantoro-tools/copyright
)
for size in 16 24 32 48 64 128 256; do
  placed+=("vantoro:/usr/share/icons/hicolor/${size}x${size}/apps/vantoro.png")
done
for entry in "${placed[@]}"; do
  owner=${entry%%:*} path=${entry#*:}
  for package in vantoro vantoro-tools; do
    if grep -qxF "$path" "$work/$package.files"; then found=yes; else found=no; fi
    [ "$found" = "$([ "$package" = "$owner" ] && echo yes || echo no)" ] ||
      fail "$path: in $package is '$found', it belongs to $owner"
  done
done

report=$(lintian --tag-display-limit 0 "${deb[@]}" 2>&1 | grep -v 'running with root privileges' || true)
[ -z "$report" ] || echo "$report"
if grep -q '^[EW]:' <<<"$report"; then fail "lintian found errors or warnings"; fi

# The desktop files as the game's package ships them.
dpkg-deb -x "${deb[vantoro]}" "$work/root"
desktop-file-validate "$work/root/usr/share/applications/vantoro.desktop" || fail "the desktop entry is not valid"
metainfo=$work/root/usr/share/metainfo/org.vantoro.Vantoro.metainfo.xml
# The one pedantic note let through: the component id has capitals, and is
# kept as released.
report=$(appstreamcli validate --pedantic --no-net "$metainfo" 2>&1) || fail "the metainfo is not valid: $report"
if grep '^[EWIP]:' <<<"$report" | grep -qv 'cid-contains-uppercase-letter'; then
  fail "the metainfo has notes: $report"
fi
grep -Eq '<content_attribute id="money-gambling">(mild|moderate|intense)<' "$metainfo" ||
  fail "the content rating does not declare the gambling"
echo "package test passed: $(basename "${deb[vantoro]}") $(basename "${deb[vantoro-tools]}")"
