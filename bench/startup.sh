#!/usr/bin/env bash
# Start-up to the first painted main window, against an empty Qt Widgets
# window built the same way: RUNS interleaved starts of each, median wall
# times and their ratio (goal: at most 2.0). Then the processor share of the
# two job monitors while two jobs run (goal: under 1 % of one core).
#   bench/startup.sh [BUILD_DIR]    (default build; RUNS=21 for more samples)
set -euo pipefail
build=${1:-build}
runs=${RUNS:-15}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
program=$build/bench/velmora_startup_probe
empty=$build/bench/empty_startup_probe

elapsed() { # milliseconds of one run of $1
    local start end
    start=$(date +%s%N)
    "$1" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

"$program" >/dev/null 2>&1 && "$empty" >/dev/null 2>&1 # warm the caches
ours=() reference=()
for ((i = 0; i < runs; i++)); do
    ours+=("$(elapsed "$program")")
    reference+=("$(elapsed "$empty")")
done
m_ours=$(printf '%s\n' "${ours[@]}" | median)
m_reference=$(printf '%s\n' "${reference[@]}" | median)
echo "start-up to the first paint ($runs runs, $QT_QPA_PLATFORM): velmora ${m_ours} ms," \
     "empty Qt Widgets window ${m_reference} ms, ratio $(echo "scale=2; $m_ours / $m_reference" | bc)"
"$build/bench/monitor_load" "${SECONDS_PER_LOAD:-5}"
