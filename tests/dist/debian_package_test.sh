#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian source and binary packages from a clean copy of the source
# tree, with the rules' tests run inside the build, lints them (pedantic tags
# too), builds the binary packages again without the tests and checks that
# they come out byte for byte the same, unpacks the game into a scratch
# root and checks that it is stripped and that every file its menu entry and
# its metainfo name is there.
#   debian_package_test.sh SOURCE_DIR
set -eu
source_dir=$1
for tool in dpkg-buildpackage dh lintian rsync; do
    command -v $tool >/dev/null || { echo "SKIP: needs $tool"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# The sources without what .gitignore names: no build folder goes along.
tree=$work/kalvora
copy_sources() { rsync -a --exclude=/.git --filter=':- .gitignore' "$source_dir/" "$1/"; }
copy_sources "$tree"
(cd "$tree" && dpkg-buildpackage -us -uc -jauto) >"$work/build.log" 2>&1 ||
    { tail -n 40 "$work/build.log"; fail "dpkg-buildpackage"; }
grep -q '^\[  PASSED  \]' "$work/build.log" || fail "the rules' tests did not run in the build"
lintian --pedantic -I --fail-on error,warning,info,pedantic "$work"/kalvora_*.changes ||
    fail "lintian --pedantic"

# The same sources built again in the same place, this time without the
# tests: the packages must come out byte for byte the same.
mkdir "$work/first"
mv "$work"/*.deb "$work/first/"
rm -rf "$tree"
copy_sources "$tree"
(cd "$tree" && DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b -jauto) \
    >"$work/again.log" 2>&1 || { tail -n 40 "$work/again.log"; fail "dpkg-buildpackage nocheck"; }
! grep -q '^\[  PASSED  \]' "$work/again.log" || fail "nocheck ran the rules' tests"
for deb in "$work"/first/*.deb; do
    cmp "$deb" "$work/${deb##*/}" || fail "${deb##*/} differs from one build to the next"
done

root=$work/root
dpkg -x "$work"/kalvora_*.deb "$root"
in_path() { [ -x "$root/usr/games/$1" ] || [ -x "$root/usr/bin/$1" ]; }
desktop=$(ls "$root"/usr/share/applications/*.desktop)
# The entry and its actions all start the installed program.
program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop" | sort -u)
in_path "$program" || fail "Exec=$program is not installed"
icon=$(sed -n 's/^Icon=//p' "$desktop")
ls "$root"/usr/share/icons/hicolor/*/apps/"$icon".png >/dev/null || fail "no icon $icon"

metainfo=$(ls "$root"/usr/share/metainfo/*.metainfo.xml)
id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
[ "$metainfo" = "$root/usr/share/metainfo/$id.metainfo.xml" ] || fail "$metainfo is not named after $id"
for entry in $(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo"); do
    [ -f "$root/usr/share/applications/$entry" ] || fail "launchable $entry is not installed"
done
for binary in $(sed -n 's:.*<binary>\(.*\)</binary>.*:\1:p' "$metainfo"); do
    in_path "$binary" || fail "binary $binary is not installed"
done
for program in "$root"/usr/games/* "$root"/usr/bin/*; do
    [ -f "$program" ] || continue
    ! readelf -S "$program" | grep -q '\.symtab' || fail "${program#"$root"} is not stripped"
done
echo "PASS: $(basename "$work"/kalvora_*.deb)"
