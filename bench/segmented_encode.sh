#!/usr/bin/env bash
# l3enc.exe on every core against one thread and against `lame`, measured in
# one run on one generated music-like recording (SECONDS, default 600):
#   time:    l3enc.exe -br 128000 on all cores / lame -b 128   (goal <= 0.60 on 2 cores)
#            VELMORA_CODER_THREADS=1 / all cores                (goal >= 1.7 on 2 cores)
#            the same under `taskset -c 0` and `taskset -c 0,1`
#   quality: the error against the source of one thread, all cores and lame,
#            at 128 kbit/s stereo, 64 kbit/s mono and 128 kbit/s -hq
#            (goal: all cores <= 1.03 x one thread; the largest error near the
#            joins no larger than elsewhere)
#   valid:   mp3val and ffmpeg -v error -xerror on the all-cores streams
#   list:    a list job of 20 x 30 s, written by the real handler and run by
#            dosbatch, with VELMORA_CODER_THREADS=1 against all cores (goal <= 0.60)
# Runs alternate with their reference; times are medians of RUNS (default 3).
# Usage: bench/segmented_encode.sh [BUILD]   (BUILD defaults to build)
set -euo pipefail

build=$(realpath "${1:-build}")
runs=${RUNS:-3}
seconds=${SECONDS_OF_AUDIO:-600}
l3enc=$build/bin/l3enc.exe
quality=$build/bench/segment_quality

# The reference programs and checkers are a benchmark-only dependency.
"$(dirname "$0")/../scripts/install-deps.sh" lame mp3val ffmpeg

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wave=$work/input.wav
"$quality" make "$wave" "$seconds"
cores=$(nproc)
echo "machine: $cores cores; $(uptime)"

now() { date +%s.%N; }
median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
took() { # COMMAND: prints its wall time
    local start
    start=$(now)
    bash -c "$1" >/dev/null 2>&1
    echo "$(now) - $start" | bc -l
}
compare() { # NAME OURS REFERENCE
    local i a b
    : >"$work/a" && : >"$work/b"
    for ((i = 0; i < runs; i++)); do
        took "$2" >>"$work/a"
        took "$3" >>"$work/b"
    done
    a=$(median <"$work/a")
    b=$(median <"$work/b")
    printf '%-44s %8.3f s against %8.3f s  ratio %.3f\n' "$1" "$a" "$b" "$(echo "$a / $b" | bc -l)"
}

ours="'$l3enc' '$wave' '$work/a.mp3' -br 128000"
one="VELMORA_CODER_THREADS=1 $ours"
reference="lame --quiet -b 128 '$wave' '$work/b.mp3'"
compare "all cores / lame -b 128" "$ours" "$reference"
compare "all cores / one thread" "$ours" "$one"
for set in 0 0,1; do
    compare "taskset -c $set: ours / lame -b 128" "taskset -c $set $ours" "taskset -c $set $reference"
done

echo "quality (error against the source; joins of $cores threads):"
for case in "128000||-b 128" "64000|-dm|-a -b 64" "128000|-hq|-h -b 128"; do
    IFS='|' read -r bits switch lameSwitches <<<"$case"
    VELMORA_CODER_THREADS=1 "$l3enc" "$wave" "$work/one.mp3" -br "$bits" $switch >/dev/null
    "$l3enc" "$wave" "$work/all.mp3" -br "$bits" $switch >/dev/null
    lame --quiet $lameSwitches "$wave" "$work/lame.mp3"
    echo "-br $bits $switch:"
    (cd "$work" && "$quality" measure "$wave" "$cores" $((bits / 1000)) one.mp3 all.mp3 lame.mp3)
    mp3val "$work/all.mp3" | grep -v -e 'No supported tags' -e '^Analyzing' -e '^Done' -e '^INFO' || echo "  mp3val: no problem"
    ffmpeg -v error -xerror -i "$work/all.mp3" -f null - && echo "  ffmpeg -xerror: decoded without error"
done

# The list job: 20 copies of a 30 s recording, the script of the real handler.
"$quality" make "$work/thirty.wav" 30
root=$work/list
list() { # THREADS
    rm -rf "$root" && mkdir -p "$root"
    "$build/bench/write_list_script" "$root" 20 "$l3enc" 2>/dev/null
    for f in "$root"/D/Music/*.wav; do cp "$work/thirty.wav" "$f"; done
    echo "VELMORA_CODER_THREADS=$1 VELMORA_DRIVES='C=$root/C;D=$root/D' '$build/bin/dosbatch' --show=hidden '$root/C/Velmora/Encoding.bat'"
}
: >"$work/a" && : >"$work/b"
for ((i = 0; i < runs; i++)); do
    took "$(list "$cores")" >>"$work/a"
    took "$(list 1)" >>"$work/b"
done
a=$(median <"$work/a")
b=$(median <"$work/b")
echo "list job outputs: $(ls "$root/D/Out" | grep -c -i "mp3$")"
printf '%-44s %8.3f s against %8.3f s  ratio %.3f\n' "list job 20 x 30 s: all cores / one thread" "$a" "$b" "$(echo "$a / $b" | bc -l)"
