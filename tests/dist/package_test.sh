#!/bin/sh
# Builds the Debian package from the build tree and checks what it holds: the
# game, its menu entry and metainfo, the icon in every hicolor size, and
# dependencies taken from the libraries the game links.
#   package_test.sh BUILD_DIR APP_ID VERSION
set -eu
build=$1 app_id=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" 2>&1 ||
    { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$work"/kalvora_*.deb)
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/files"
for file in ./usr/bin/kalvora ./usr/share/applications/$app_id.desktop \
    ./usr/share/metainfo/$app_id.metainfo.xml; do
    grep -qx "$file" "$work/files" || { echo "FAIL: $file missing"; exit 1; }
done
for size in 16 32 48 64 128 256; do
    grep -qx "./usr/share/icons/hicolor/${size}x$size/apps/$app_id.png" "$work/files" ||
        { echo "FAIL: no ${size}px icon"; exit 1; }
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || { echo "FAIL: version"; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
for library in libqt6widgets6 libqt6gui6 libc6 fonts-liberation; do
    echo "$depends" | grep -q "$library" || { echo "FAIL: no dependency on $library"; exit 1; }
done
echo "PASS: $(basename "$deb")"
