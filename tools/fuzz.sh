#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the replay driver's input for a bounded time (seconds, default 60),
# starting from the committed corpus of real scripts.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp tools/fuzz/corpus/* "$work/"
build-fuzz/tools/kalvora-replay-fuzzer -max_total_time="$seconds" -max_len=4096 -timeout=10 \
    -dict=tools/fuzz/replay.dict -print_final_stats=1 "$work" 2>&1 | tail -n 15
