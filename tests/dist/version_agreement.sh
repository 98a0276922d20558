#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The version and release date that CMakeLists.txt sets are the ones of the
# newest entry of debian/changelog, which is written by hand, and of the
# generated metainfo.
#   version_agreement.sh CHANGELOG METAINFO VERSION RELEASE_DATE
set -eu
changelog=$1 metainfo=$2 version=$3 date=$4
command -v dpkg-parsechangelog >/dev/null || { echo "SKIP: needs dpkg-dev"; exit 77; }
logged=$(dpkg-parsechangelog -l "$changelog" -S Version)
[ "$logged" = "$version" ] ||
    { echo "FAIL: $changelog is at $logged, project() at $version"; exit 1; }
logged=$(date -u -d "@$(dpkg-parsechangelog -l "$changelog" -S Timestamp)" +%F)
[ "$logged" = "$date" ] ||
    { echo "FAIL: $changelog is dated $logged, KALVORA_RELEASE_DATE is $date"; exit 1; }
grep -q "<release version=\"$version\" date=\"$date\">" "$metainfo" ||
    { echo "FAIL: $metainfo has no release $version of $date"; exit 1; }
echo "PASS: version $version of $date"
