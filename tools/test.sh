#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds everything and runs every test: the plain
# build, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# and a bounded fuzzing run of the replay driver.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh test

echo "== Build and test =="
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"
ctest --preset default -j "$(nproc)"

echo "== Sanitizers =="
tools/sanitize.sh

echo "== Fuzzing the replay driver =="
tools/fuzz.sh "${KALVORA_FUZZ_SECONDS:-60}"
