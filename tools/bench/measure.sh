#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The measuring half of tools/bench/run.sh, which builds everything, sets the
# variables below and runs this on a private desktop: the game and its floors
# (the empty window, the one-label window, the clock) take turns, round after
# round, and the figures go to $out.
# shellcheck disable=SC2154 # the settings come from run.sh
set -euo pipefail
: "${build_dir:?run tools/bench/run.sh, which sets it}"
bench=$build_dir/tools/bench
kalvora=$build_dir/ui/kalvora
work=$(mktemp -d)

results=$work/results.txt
notes=$work/notes.txt
: >"$results"
: >"$notes"

# Runs the probe once and keeps the RESULT lines of one kind of figure,
# renamed by the sed script in $rename if one is set.
rename=
probe() {
    local kinds=$1
    shift
    local output
    if ! output=$("$bench/kalvora-window-probe" --child-log "$work/program.log" "$@"); then
        echo "run.sh: the probe failed: kalvora-window-probe $*" >&2
        tail -n 20 "$work/program.log" >&2 || true
        exit 1
    fi
    grep -E "^RESULT [^ ]+ ($kinds)\." <<<"$output" | sed -e "$rename" >>"$results" || true
    grep '^#' <<<"$output" >>"$notes" || true
}

# The programs take turns, the first place passing on every round.
in_turns() {
    local round=$1
    shift
    local commands=("$@") i
    for i in "${!commands[@]}"; do
        eval "${commands[(round + i) % ${#commands[@]}]}"
    done
}

bare_clock=(--allowed timelbl -- "$bench/kalvora-bare-window" --clock)

# Other work on the machine shows in every elapsed time: it is written down.
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

echo "== Warming up the caches =="
probe none --label kalvora -- "$kalvora"
probe none --label bare -- "$bench/kalvora-bare-window"
probe none --label label -- "$bench/kalvora-bare-window" --label

echo "== Start-up and memory: $rounds rounds =="
for round in $(seq "$rounds"); do
    in_turns "$round" 'probe "startup|memory" --label kalvora -- "$kalvora"' \
        'probe "startup|memory" --label bare -- "$bench/kalvora-bare-window"' \
        'probe "startup|memory" --label label -- "$bench/kalvora-bare-window" --label'
done

echo "== Idle with the clock running: $idle_rounds rounds of $idle_seconds s =="
for round in $(seq "$idle_rounds"); do
    in_turns "$round" 'probe idle --label kalvora --kalvora --idle "$idle_seconds" -- "$kalvora"' \
        'probe idle --label bare --idle "$idle_seconds" "${bare_clock[@]}"'
done
# Below every clock: a timer that wakes the program and draws nothing.
rename='s/^RESULT bare-silent /RESULT bare /; s/idle\.cpu_ms_per_tick/idle.silent_tick_cpu_ms/; s/idle\.wakeups_per_tick/idle.silent_tick_wakeups/; /drawings_outside/d'
probe idle --label bare-silent --idle "$idle_seconds" --silent-ticks \
    -- "$bench/kalvora-bare-window" --silent-clock
rename=

echo "== Click to pixels: $clicks clicks in two rounds =="
per_round=$((clicks / 2))
for round in 1 2; do
    in_turns "$round" \
        'probe response --label kalvora --kalvora --seed "$round" --clicks "$per_round" -- "$kalvora"' \
        'probe response --label bare --clicks "$per_round" --click-at 144,196 --target 130,186,29,21 "${bare_clock[@]}"'
done

echo "== The rules alone =="
# A move that allocates fails the run, after the table has shown it.
rules_status=0
"$bench/kalvora-rules-benchmark" --results="$results" \
    --benchmark_repetitions="$rule_repetitions" --benchmark_min_time="$rule_min_time" \
    --benchmark_enable_random_interleaving=true || rules_status=$?

qt_version=$(dpkg-query -W -f='${Version}' libqt6core6 2>/dev/null || echo unknown)
{
    echo "Measured $(date -u +%Y-%m-%d) on $(nproc) cores," \
         "$(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2- | sed 's/^ *//')," \
         "$(. /etc/os-release && echo "$PRETTY_NAME"), Qt ${qt_version%%+*}, Xvfb;" \
         "$rounds start-up rounds, $idle_rounds x $idle_seconds s idle, $clicks clicks;" \
         "load average $load_before before, $(cut -d' ' -f1-3 /proc/loadavg) after."
    echo
    targets=(startup.complete_ms:ratio:1.1 startup.cpu_ms:ratio:1.2 memory.anon_mb:max:4
             memory.peak_rss_mb:plus:3 idle.wakeups_per_tick:max:3 idle.cpu_ms_per_tick:max:0.5
             idle.drawings_outside_clock:max:0 response.click_ms:max:2
             rules.move_passes_turn_ns:max:1000 rules.move_extra_turn_ns:max:1000
             rules.allocs_per_passes_turn_move:max:0 rules.allocs_per_extra_turn_move:max:0)
    limits=()
    for target in "${targets[@]}"; do limits+=(--limit "$target"); done
    "$bench/kalvora-bench-summary" --subject kalvora --baseline label --baseline bare \
        ${strict:+"$strict"} "${limits[@]}" \
        "$results" && status=0 || status=$?
    echo
    echo "Notes of the idle runs:"
    echo
    grep -E 'idle' "$notes" | sed 's/^# /    /'
} >"$out"
cp "$results" "${out%.md}.txt"
echo
cat "$out"
echo
echo "Written to $out; every sample in ${out%.md}.txt"
if (( rules_status )); then
    echo "run.sh: the rules benchmark failed with status $rules_status" >&2
    exit 1
fi
exit "${status:-0}"
