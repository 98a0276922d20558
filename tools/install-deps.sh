#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages that Kalvora needs and the machine lacks. What
# it takes to build the game is debian/control's Build-Depends, which
# `apt-get build-dep` installs; the lists below are what comes on top.
#   tools/install-deps.sh play   what it takes to build and play
#   tools/install-deps.sh bench  that, plus what tools/bench/run.sh needs
#   tools/install-deps.sh test   that, plus what the tests need
set -euo pipefail
cd "$(dirname "$0")/.."

# dpkg-dev's dpkg-checkbuilddeps tells whether the Build-Depends are met.
play_packages=(dpkg-dev fonts-liberation fonts-dejavu-core)
bench_packages=(xvfb pkg-config libxcb-damage0-dev libxcb-xtest0-dev)
test_packages=(libgtest-dev libgmock-dev xdotool imagemagick desktop-file-utils appstream
               clang libclang-rt-dev valgrind libx11-dev file
               dbus-daemon at-spi2-core python3-pyatspi python3-xlib qt6-base-private-dev
               weston qt6-wayland xwayland
               lintian rsync binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev cpp)

case "${1:-play}" in
    play) wanted=("${play_packages[@]}") ;;
    bench) wanted=("${play_packages[@]}" "${bench_packages[@]}") ;;
    test) wanted=("${play_packages[@]}" "${bench_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: $0 [play|bench|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
build_deps_met=false
if [[ " ${missing[*]} " != *" dpkg-dev "* ]] && dpkg-checkbuilddeps 2>/dev/null; then
    build_deps_met=true
fi
[[ ${#missing[@]} -eq 0 && $build_deps_met == true ]] && exit 0

as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
if [[ $build_deps_met == false ]]; then
    echo "Installing the Build-Depends of debian/control"
    "${as_root[@]}" apt-get build-dep -y -q --no-install-recommends ./
fi
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
