#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows version block compiles with MinGW's resource compiler, and every
# value in it came through configuration: an unknown @NAME@ would leave an
# empty string that compiles without a word.
#   windows_version_block_test.sh VERSION_RC VERSION
set -eu
rc=$1 version=$2
windres=x86_64-w64-mingw32-windres
headers=/usr/x86_64-w64-mingw32/include
if ! command -v $windres >/dev/null || ! command -v cpp >/dev/null || [ ! -f $headers/winver.h ]; then
    echo "SKIP: needs binutils-mingw-w64-x86-64, cpp and mingw-w64-x86-64-dev"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The host's preprocessor stands in for MinGW's compiler, so it is told the
# target itself.
$windres --preprocessor=cpp --preprocessor-arg=-DRC_INVOKED --preprocessor-arg=-D_WIN32 \
    -I $headers -i "$rc" -O res -o "$work/version.res"
$windres -i "$work/version.res" -O rc -o "$work/decompiled.rc"
if grep -n '", ""' "$work/decompiled.rc"; then
    echo "FAIL: empty value in the version block"
    exit 1
fi
numbers=$(echo "$version" | sed 's/\./, /g')
grep -qx " FILEVERSION $numbers" "$work/decompiled.rc" || { echo "FAIL: FILEVERSION is not $numbers"; exit 1; }
grep -qx " PRODUCTVERSION $numbers" "$work/decompiled.rc" || { echo "FAIL: PRODUCTVERSION is not $numbers"; exit 1; }
echo "PASS: version block compiles"
