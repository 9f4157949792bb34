#!/usr/bin/env bash
# Wall-time ratios of our coders against the reference command-line programs on
# the same 60-second stereo Wave file, measured in one run:
#   encoder: l3enc.exe IN OUT -br BITS [-hq]   vs  lame --quiet -b KBPS [-h] IN OUT
#   decoder: l3dec.exe IN OUT -wav             vs  mpg123 -q -w OUT IN
# Each command runs RUNS times (default 5), alternating with its reference; the
# ratio is median(ours) / median(reference). The target is a ratio <= 1.05.
# Usage: bench/coders.sh [APP_DIR]   (APP_DIR defaults to build/bin)
set -euo pipefail

app_dir=${1:-build/bin}
runs=${RUNS:-5}

# The reference programs are a benchmark-only dependency.
"$(dirname "$0")/../scripts/install-deps.sh" lame mpg123

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wave=$work/input.wav

# 60 s of 44.1 kHz 16-bit stereo: two gliding tones over a little noise, so
# that the encoder has something like music to work on.
python3 - "$wave" <<'PY'
import math, random, struct, sys, wave
rate, seconds = 44100, 60
random.seed(7)
frames = bytearray()
for i in range(rate * seconds):
    t = i / rate
    left = 0.3 * math.sin(2 * math.pi * (220 + 110 * math.sin(t / 3)) * t) + 0.05 * random.uniform(-1, 1)
    right = 0.3 * math.sin(2 * math.pi * (330 + 50 * math.sin(t / 5)) * t) + 0.05 * random.uniform(-1, 1)
    frames += struct.pack('<hh', int(left * 32767), int(right * 32767))
with wave.open(sys.argv[1], 'wb') as w:
    w.setnchannels(2)
    w.setsampwidth(2)
    w.setframerate(rate)
    w.writeframes(bytes(frames))
PY

# Prints the wall time of one command in seconds.
seconds() {
    local start end
    start=$(date +%s.%N)
    "$@" >/dev/null 2>&1
    end=$(date +%s.%N)
    echo "$end - $start" | bc -l
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# compare NAME "OUR COMMAND" "REFERENCE COMMAND"
compare() {
    local name=$1 ours=$2 reference=$3 i
    : >"$work/ours" && : >"$work/reference"
    for ((i = 0; i < runs; i++)); do
        seconds bash -c "$ours" >>"$work/ours"
        seconds bash -c "$reference" >>"$work/reference"
    done
    local a b
    a=$(median <"$work/ours")
    b=$(median <"$work/reference")
    printf '%-28s ours %7.3f s  reference %7.3f s  ratio %.3f\n' "$name" "$a" "$b" "$(echo "$a / $b" | bc -l)"
}

mp3=$work/reference.mp3
lame --quiet -b 128 "$wave" "$mp3"

compare "encode 128 kbit/s" \
    "'$app_dir/l3enc.exe' '$wave' '$work/a.mp3' -br 128000" \
    "lame --quiet -b 128 '$wave' '$work/b.mp3'"
compare "encode 128 kbit/s -hq" \
    "'$app_dir/l3enc.exe' '$wave' '$work/a.mp3' -br 128000 -hq" \
    "lame --quiet -h -b 128 '$wave' '$work/b.mp3'"
compare "encode 64 kbit/s mono" \
    "'$app_dir/l3enc.exe' '$wave' '$work/a.mp3' -br 64000 -dm" \
    "lame --quiet -a -b 64 '$wave' '$work/b.mp3'"
compare "decode 128 kbit/s" \
    "'$app_dir/l3dec.exe' '$mp3' '$work/a.wav' -wav" \
    "mpg123 -q -w '$work/b.wav' '$mp3'"
