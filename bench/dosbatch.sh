#!/usr/bin/env bash
# Ratios of the dosbatch interpreter against bash, each measured in one run:
#   list:     a list job script written by the real handler for N sources of
#             one folder, run by dosbatch, against a bash loop doing the same
#             work (the same stand-in coder, then the three renames and the
#             move of the script, with mv); goal <= 1.10, flat in N. A second
#             ratio is against the least a loop can do: the coder alone,
#             writing straight to the output name.
#   start-up: dosbatch --show=hidden on a one-line script against bash -c true;
#             goal <= 1.5
#   if exist: "if exist" on a missing file in a folder of 1,000 entries against
#             one of 5, as one line per run and as 1,000 lines in one script;
#             goal <= 2
# Runs alternate with their reference; a ratio is median(ours) / median(reference).
# Usage: bench/dosbatch.sh [BUILD]   (BUILD defaults to build)
#   RUNS=5 takes more samples (default 3); SIZES="100 1000 3000 10000" picks
#   the list sizes (default "100 1000 3000"). CODER=build/bin/l3enc.exe with
#   WAVE=a-short.wav runs the lists with the real encoder on copies of WAVE.
set -euo pipefail

build=$(realpath "${1:-build}")
runs=${RUNS:-3}
sizes=${SIZES:-100 1000 3000}
dosbatch=$build/bin/dosbatch
coder=$(realpath "${CODER:-$build/tests/helpers/velmora_test_coder}")
wave=${WAVE:+$(realpath "$WAVE")}
writer=$build/bench/write_list_script

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

now() { date +%s.%N; }

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

report() { # NAME OURS_FILE REFERENCE_FILE
    local a b
    a=$(median <"$2")
    b=$(median <"$3")
    printf '%-40s ours %8.4f s  reference %8.4f s  ratio %.3f\n' "$1" "$a" "$b" "$(echo "$a / $b" | bc -l)"
}

# The reference: what the list script does for each source, in bash.
bash_list() { # ROOT
    local music=$1/D/Music out=$1/D/Out/ temp=$1/C/Velmora/Temp/LE src name f
    mkdir -p "$temp" "$out"
    rm -rf "${temp:?}"/*
    for src in "$music"/*.wav; do
        name=${src##*/}
        "$1/C/Coders/l3enc.exe" "$src" "$temp/$name" -br 112000
        mv "$temp/$name" "$temp/x.wav"
        mv "$temp/x.wav" "$temp/$name"
        for f in "$temp"/*; do mv "$f" "${f%.*}.mp3"; done
        mv "$temp"/*.mp3 "$out"
    done
}

bash_coder_alone() { # ROOT
    local out=$1/D/Out/ src name
    mkdir -p "$out"
    for src in "$1"/D/Music/*.wav; do
        name=${src##*/}
        "$1/C/Coders/l3enc.exe" "$src" "$out/${name%.*}.mp3" -br 112000
    done
}

for n in $sizes; do
    : >"$work/ours" && : >"$work/reference" && : >"$work/floor"
    for ((i = 0; i < runs; i++)); do
        root=$work/list
        rm -rf "$root" && mkdir -p "$root"
        "$writer" "$root" "$n" "$coder" 2>/dev/null
        if [ -n "$wave" ]; then
            for f in "$root"/D/Music/*.wav; do cp "$wave" "$f"; done
        fi
        start=$(now)
        VELMORA_DRIVES="C=$root/C;D=$root/D" "$dosbatch" --show=hidden "$root/C/Velmora/Encoding.bat" >/dev/null 2>&1 || true
        echo "$(now) - $start" | bc -l >>"$work/ours"
        rm -rf "$root/D/Out"
        start=$(now)
        bash_list "$root" >/dev/null 2>&1
        echo "$(now) - $start" | bc -l >>"$work/reference"
        rm -rf "$root/D/Out"
        start=$(now)
        bash_coder_alone "$root" >/dev/null 2>&1
        echo "$(now) - $start" | bc -l >>"$work/floor"
    done
    report "list of $n entries, bash same steps" "$work/ours" "$work/reference"
    report "list of $n entries, bash coder alone" "$work/ours" "$work/floor"
done

# NAME COUNT COMMAND... : seconds for COUNT runs of COMMAND.
repeat() {
    local count=$1 start j
    shift
    start=$(now)
    for ((j = 0; j < count; j++)); do "$@" >/dev/null 2>&1 || true; done
    echo "$(now) - $start" | bc -l
}

mkdir -p "$work/drive/Big" "$work/drive/Small"
for ((j = 0; j < 1000; j++)); do : >"$work/drive/Big/Recording $j.wav"; done
for ((j = 0; j < 5; j++)); do : >"$work/drive/Small/Recording $j.wav"; done
printf '@Echo Off\r\n' >"$work/one.bat"
for folder in Big Small; do
    printf 'if exist D:\\%s\\missing.wav Echo found\r\n' "$folder" >"$work/$folder-once.bat"
    for ((j = 0; j < 1000; j++)); do
        printf 'if exist D:\\%s\\missing%d.wav Echo found\r\n' "$folder" "$j"
    done >"$work/$folder-many.bat"
done
export VELMORA_DRIVES="D=$work/drive"

: >"$work/ours" && : >"$work/reference"
for ((i = 0; i < runs * 3; i++)); do
    repeat 100 "$dosbatch" --show=hidden "$work/one.bat" >>"$work/ours"
    repeat 100 bash -c true >>"$work/reference"
done
report "start-up, 100 runs" "$work/ours" "$work/reference"

for shape in once many; do
    : >"$work/ours" && : >"$work/reference"
    for ((i = 0; i < runs * 3; i++)); do
        repeat 20 "$dosbatch" --show=hidden "$work/Big-$shape.bat" >>"$work/ours"
        repeat 20 "$dosbatch" --show=hidden "$work/Small-$shape.bat" >>"$work/reference"
    done
    report "if exist, 1000 vs 5 entries, $shape" "$work/ours" "$work/reference"
done
