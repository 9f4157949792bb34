#!/usr/bin/env bash
# How "ren" with a mask grows with the folder: dosbatch renames every file of
# a folder of SMALL and of LARGE files ("ren C:\w\*.* *.mp3") and the ratio of
# the two wall times is printed next to the ratio of the file counts. A cost
# that grows with the number of files gives a time ratio near the count ratio;
# one that grows with its square, a ratio near the count ratio squared.
# Usage: bench/ren_mask.sh [APP_DIR]   (APP_DIR defaults to build/bin)
#        SMALL=300 LARGE=3000 bench/ren_mask.sh
set -euo pipefail

app_dir=$(cd "${1:-build/bin}" && pwd)
small=${SMALL:-300}
large=${LARGE:-3000}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Seconds that renaming COUNT files takes.
time_ren() {
    local count=$1
    rm -rf "$work/w"
    mkdir -p "$work/w"
    (cd "$work/w" && seq -f "Track %05g.wav" 1 "$count" | xargs -d '\n' touch)
    printf 'ren C:\\w\\*.* *.mp3\r\n' >"$work/ren.bat"
    local start end
    start=$(date +%s.%N)
    VELMORA_DRIVES="C=$work" "$app_dir/dosbatch" --show=hidden "$work/ren.bat" >/dev/null
    end=$(date +%s.%N)
    [ "$(ls "$work/w" | grep -c '\.mp3$')" -eq "$count" ] || { echo "not every file was renamed" >&2; exit 1; }
    echo "$end - $start" | bc -l
}

t_small=$(time_ren "$small")
t_large=$(time_ren "$large")
printf 'ren over %d files: %.3f s; over %d files: %.3f s\n' "$small" "$t_small" "$large" "$t_large"
printf 'file count ratio %.1f, time ratio %.1f\n' "$(echo "$large / $small" | bc -l)" \
    "$(echo "$t_large / $t_small" | bc -l)"
