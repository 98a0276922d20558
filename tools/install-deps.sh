#!/usr/bin/env bash
# Installs the Debian packages that Kalvora needs and the machine lacks.
#   tools/install-deps.sh play   what it takes to build and play
#   tools/install-deps.sh test   that, plus what the tests need
set -euo pipefail

build_packages=(cmake make g++ pkg-config qt6-base-dev libgl-dev
                fonts-liberation fonts-dejavu-core)
test_packages=(libgtest-dev libgmock-dev xvfb xauth xdotool x11-utils imagemagick
               desktop-file-utils appstream clang libclang-rt-dev valgrind libx11-dev dpkg-dev file
               dbus-daemon at-spi2-core python3-pyatspi python3-xlib
               dbus-bin qt6-base-private-dev libbenchmark-dev libxcb-damage0-dev
               libxcb-xtest0-dev)

case "${1:-play}" in
    play) wanted=("${build_packages[@]}") ;;
    test) wanted=("${build_packages[@]}" "${test_packages[@]}") ;;
    *) echo "usage: $0 [play|test]" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
