#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures Kalvora against the least a Qt window costs, on a private desktop,
# the programs taking turns round after round: start-up to the first
# complete picture and memory against an empty and a one-label window, idle
# cost per clock tick against a window with a one-second clock, click to
# pixels, then the rules and the computer player alone. Prints a Markdown
# table of medians (interquartile range) and ratios to the floors.
#
#   tools/bench/run.sh [--rounds N] [--idle SECONDS] [--clicks N] [--repetitions N] [--built DIR]
#
# Numbers are whole, --idle and --clicks at least 2. Without --built it
# first builds a Release tree into build-bench/.
set -euo pipefail
cd "$(dirname "$0")/../.."
rounds=20 idle=30 clicks=50 repetitions=5 built=
while (( $# >= 2 )) && [[ $1 =~ ^--(rounds|idle|clicks|repetitions|built)$ ]]; do
    declare "${1#--}=$2"
    shift 2
done
[[ $# == 0 && "$rounds $idle $clicks $repetitions" =~ ^[1-9][0-9]*( ([2-9]|[1-9][0-9]+)){2}\ [1-9][0-9]*$ &&
    ( -z $built || -x $built/tools/bench/kalvora-bench ) ]] ||
    { echo "run.sh: bad arguments (or --built without tools/bench/kalvora-bench); usage:" >&2; sed -n 10,12p tools/bench/run.sh >&2; exit 2; }
if [[ -z ${PRIVATE_DESKTOP:-} ]]; then
    if [[ -z $built ]]; then
        tools/install-deps.sh bench
        built=$PWD/build-bench
        cmake -S . -B "$built" -DCMAKE_BUILD_TYPE=Release -DKALVORA_BUILD_TESTS=OFF >/dev/null
        cmake --build "$built" -j "$(nproc)" --target kalvora kalvora-bench kalvora-bare-window
    fi
    exec tests/support/private-desktop -- tools/bench/run.sh --built "$(realpath "$built")" --rounds "$rounds" \
        --idle "$idle" --clicks "$clicks" --repetitions "$repetitions"
fi
bench=$built/tools/bench/kalvora-bench bare=$built/tools/bench/kalvora-bare-window game=$built/ui/kalvora
results=$(mktemp)
probe() { "$bench" "$@" >>"$results" || { echo "run.sh: failed: kalvora-bench $*" >&2; exit 1; }; }
# The programs take turns, the first place passing on every round.
in_turns() {
    local round=$1 i at
    shift
    for (( i = 0; i < $#; i++ )); do at=$(( (round + i) % $# + 1 )); eval "${!at}"; done
}
load_before=$(cut -d' ' -f1-3 /proc/loadavg)
for program in "$game" "$bare"; do "$bench" startup warm -- "$program" >/dev/null; done
for (( round = 1; round <= rounds; round++ )); do
    in_turns "$round" 'probe startup kalvora -- "$game"' 'probe startup bare -- "$bare"' \
        'probe startup label -- "$bare" --label'
done
for round in 1 2; do
    in_turns "$round" 'probe idle kalvora "$idle" --game -- "$game"' 'probe idle bare "$idle" -- "$bare" --clock'
done
# Below every clock: a timer that wakes the program and draws nothing.
probe silent-idle bare "$idle" -- "$bare" --silent-clock
for round in 1 2; do
    in_turns "$round" 'probe clicks kalvora $((clicks / 2)) --game -- "$game"' \
        'probe clicks bare $((clicks / 2)) -- "$bare" --clock'
done
status=0
"$bench" rules "$repetitions" >>"$results" || status=1
"$bench" computer "$repetitions" >>"$results" || status=1
echo "Measured $(date -u +%Y-%m-%d) at $(git rev-parse --short HEAD 2>/dev/null || echo '?') on $(nproc) cores," \
    "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//'), Xvfb; $rounds start-up rounds," \
    "2 x $idle s idle, $clicks clicks; load average $load_before before, $(cut -d' ' -f1-3 /proc/loadavg) after."
echo
# Medians and interquartile ranges, interpolated between order statistics.
awk '
    /^#/ { notes = notes "\n" $0; next }
    $1 != "RESULT" || NF != 4 || $4 !~ /^-?[0-9.]+$/ {
        printf "run.sh: %s:%d: expected RESULT LABEL METRIC NUMBER, got: %s\n", FILENAME, FNR, $0 >"/dev/stderr"
        bad = 1; exit 2 }
    !($3 in seen) { seen[$3]; names[++figures] = $3 }
    { n[$3, $2]++; v[$3, $2, n[$3, $2]] = $4 + 0 }
    function q(m, l, p,   at, lo, i, j, x) {
        for (i = 2; i <= n[m, l]; i++)
            for (j = i; j > 1 && v[m, l, j - 1] > v[m, l, j]; j--) {
                x = v[m, l, j]; v[m, l, j] = v[m, l, j - 1]; v[m, l, j - 1] = x }
        at = 1 + p * (n[m, l] - 1); lo = int(at)
        return v[m, l, lo] + (at - lo) * (v[m, l, lo + (lo < n[m, l])] - v[m, l, lo]) }
    function cell(m, l) {
        return n[m, l] ? sprintf("%.4g (%.4g–%.4g) | %d", q(m, l, .5), q(m, l, .25), q(m, l, .75), n[m, l]) : "– | " }
    END {
        if (bad) exit 2
        print "| figure | kalvora: median (IQR) | n | label: median (IQR) | n | ratio | bare: median (IQR) | n | ratio |"
        print "|---|---|---|---|---|---|---|---|---|"
        for (f = 1; f <= figures; f++) {
            m = names[f]; row = "| " m " | " cell(m, "kalvora") " |"
            for (b = 1; b <= 2; b++) {
                l = b == 1 ? "label" : "bare"; ratio = n[m, "kalvora"] && n[m, l] && q(m, l, .5) ? sprintf("%.3gx", q(m, "kalvora", .5) / q(m, l, .5)) : "–"
                row = row " " cell(m, l) " | " ratio " |"
            }
            print row
        }
        print notes
    }' "$results" || status=2
exit "$status"
