#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds everything with AddressSanitizer and UndefinedBehaviorSanitizer (no
# recovery) and runs the whole test suite under them.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset sanitizers >/dev/null
cmake --build --preset sanitizers -j "$(nproc)"
ctest --preset sanitizers -j "$(nproc)"
