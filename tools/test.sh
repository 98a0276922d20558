#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh test
cmake -S . -B build-tests -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKALVORA_BUILD_TESTS=ON
cmake --build build-tests -j "$(nproc)"
cd build-tests
ctest --output-on-failure -j "$(nproc)"
