#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures Kalvora against the least a Qt window costs: start-up to the first
# complete picture, memory, the cost of an idle clock tick, click response,
# and the rules on their own. Once built, tools/bench/measure.sh measures on
# a private desktop, the game and the bare window taking turns.
#
#   tools/bench/run.sh [--quick] [--rounds N] [--idle SECONDS] [--idle-rounds N]
#                      [--clicks N] [--build-dir DIR] [--out FILE] [--strict]
#
# Prints a Markdown table (also written to --out) of medians with their
# interquartile range, the ratio to the bare window and the targets. With
# --strict a missed target makes the exit status 3.
set -euo pipefail
cd "$(dirname "$0")/../.."
source_dir=$PWD

rounds=20
idle_seconds=30
idle_rounds=2
clicks=50
rule_repetitions=10
rule_min_time=0.2
build_dir=$source_dir/build-bench
out=
strict=

fail_argument() {
    echo "run.sh: argument $1 ($2): $3" >&2
    echo "usage: tools/bench/run.sh [--quick] [--rounds N] [--idle SECONDS] [--idle-rounds N]" \
         "[--clicks N] [--build-dir DIR] [--out FILE] [--strict]" >&2
    exit 2
}

args=("$@")
i=0
# The value after the flag at index i, into REPLY.
value() {
    (( i + 1 < ${#args[@]} )) || fail_argument "$position" "$flag" "needs a value"
    i=$((i + 1))
    REPLY=${args[i]}
}
whole() {
    value
    [[ $REPLY =~ ^[0-9]+$ ]] && (( 10#$REPLY >= $1 )) ||
        fail_argument "$position" "$flag" "expected a whole number of at least $1, got '$REPLY'"
}
while (( i < ${#args[@]} )); do
    flag=${args[i]}
    position=$((i + 1))
    case $flag in
        --quick)
            rounds=5 idle_seconds=5 idle_rounds=1 clicks=10 rule_repetitions=3 rule_min_time=0.05 ;;
        --rounds) whole 1; rounds=$REPLY ;;
        --idle) whole 2; idle_seconds=$REPLY ;;
        --idle-rounds) whole 1; idle_rounds=$REPLY ;;
        --clicks) whole 2; clicks=$REPLY ;;
        --build-dir) value; build_dir=$(realpath -m "$REPLY") ;;
        --out) value; out=$(realpath -m "$REPLY") ;;
        --strict) strict=--strict ;;
        -h|--help) sed -n '2,12p' "$0"; exit 0 ;;
        *) fail_argument "$position" "$flag" "unknown option" ;;
    esac
    i=$((i + 1))
done
out=${out:-$build_dir/bench-results.md}

tools/install-deps.sh bench

echo "== Building into $build_dir =="
cmake -S . -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DKALVORA_BUILD_TESTS=OFF >/dev/null
targets=$(cmake --build "$build_dir" --target help)
if ! grep -q kalvora-bench <<<"$targets"; then
    echo "run.sh: the build has no benchmarks: tools/CMakeLists.txt needs" \
         "'add_subdirectory(bench)' inside 'if(KALVORA_BUILD_GUI)', and the libraries" \
         "that tools/bench/CMakeLists.txt names must be found" >&2
    exit 1
fi
cmake --build "$build_dir" -j "$(nproc)" --target kalvora-bench

export build_dir out rounds idle_seconds idle_rounds clicks rule_repetitions rule_min_time strict
exec tests/support/private-desktop -- tools/bench/measure.sh
