#!/usr/bin/env bash
# Measures Kalvora against the least a Qt window costs: start-up to the first
# complete picture, memory, the cost of an idle clock tick, click response,
# and the rules on their own. Everything runs on a private Xvfb display, the
# game and the bare window taking turns, round after round.
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
strict=()

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
        --strict) strict=(--strict) ;;
        -h|--help) sed -n '2,12p' "$0"; exit 0 ;;
        *) fail_argument "$position" "$flag" "unknown option" ;;
    esac
    i=$((i + 1))
done
out=${out:-$build_dir/bench-results.md}

# ---- what it needs --------------------------------------------------------------
tools/install-deps.sh play
missing=()
for package in libbenchmark-dev libxcb-damage0-dev libxcb-xtest0-dev xvfb; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
if (( ${#missing[@]} )); then
    echo "Installing: ${missing[*]}"
    as_root=()
    [[ $(id -u) -eq 0 ]] || as_root=(sudo)
    export DEBIAN_FRONTEND=noninteractive
    "${as_root[@]}" apt-get update -q
    "${as_root[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

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
bench=$build_dir/tools/bench
kalvora=$build_dir/ui/kalvora

# ---- a private X server ------------------------------------------------------------
work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# Xvfb picks a free display number itself and writes it to the descriptor.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" \
    2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || { cat "$work/xvfb.log" >&2; exit 1; }
    sleep 0.05
done
[[ -s $work/display ]] || { echo "run.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(cat "$work/display")
export QT_QPA_PLATFORM=xcb
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# The toolkit's own defaults are what is measured.
unset WAYLAND_DISPLAY QT_XCB_NO_MITSHM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS

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

# The two programs take turns, the first place swapping every round.
in_turns() {
    local round=$1 first=$2 second=$3
    if (( round % 2 )); then eval "$first"; eval "$second"; else eval "$second"; eval "$first"; fi
}

bare_clock=(--allowed 168,144,59,16 -- "$bench/kalvora-bare-window" --clock)

# Other work on the machine shows in every elapsed time: it is written down.
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

echo "== Warming up the caches =="
probe none --label kalvora -- "$kalvora"
probe none --label bare -- "$bench/kalvora-bare-window"

echo "== Start-up and memory: $rounds rounds =="
for round in $(seq "$rounds"); do
    in_turns "$round" 'probe "startup|memory" --label kalvora -- "$kalvora"' \
        'probe "startup|memory" --label bare -- "$bench/kalvora-bare-window"'
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
    "$bench/kalvora-bench-summary" --subject kalvora --baseline bare "${strict[@]}" \
        --limit startup.complete_ms:ratio:1.2 \
        --limit memory.anon_mb:max:6 \
        --limit memory.peak_rss_mb:plus:8 \
        --limit idle.wakeups_per_tick:max:3 \
        --limit idle.cpu_ms_per_tick:max:0.5 \
        --limit idle.drawings_outside_clock:max:0 \
        --limit response.click_ms:max:2 \
        --limit rules.move_passes_turn_ns:max:1000 \
        --limit rules.move_extra_turn_ns:max:1000 \
        --limit rules.allocs_per_passes_turn_move:max:0 \
        --limit rules.allocs_per_extra_turn_move:max:0 \
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
