#!/usr/bin/env bash
# The processor share of the real program and of the X server while two jobs
# run, on Xvfb: the program is started in a fresh application folder whose
# coders wait instead of coding, an encoding and a decoding job are started
# by keyboard, and both 10 ms monitors follow their scripts. Prints the share
# of one core taken by the program and by Xvfb over SECONDS, beside their
# share with the same window open and no job (goal: program and X server
# together at most 1 % while the jobs run).
#   bench/monitor_xvfb.sh [BUILD_DIR [SECONDS]]   (default build, 10)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
seconds=${2:-10}
./scripts/install-deps.sh xvfb xdotool x11-utils

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
app=$work/app
mkdir -p "$app" "$work/in"
cp "$build/bin/velmora" "$build/bin/dosbatch" "$app/"
cp /bin/true "$app/Message.exe"
# Coders that hold their job open for the whole measurement.
printf '#!/bin/sh\nsleep %d\n' $((3 * seconds + 30)) > "$app/l3enc.exe"
cp "$app/l3enc.exe" "$app/l3dec.exe"
chmod +x "$app/l3enc.exe" "$app/l3dec.exe"
dos() { printf 'Z:%s' "${1//\//\\}"; }
printf '%s\r\n%s\r\n' "$(dos "$app/l3enc.exe")" "$(dos "$app/l3dec.exe")" > "$app/Settings.ini"
touch "$work/in/a.wav" "$work/in/b.mp3"

display=:$((300 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; } # user + system clock ticks
share() { # PID...: the share of one core of each over SECONDS, in per cent
    local before=() after=() pid i=0
    for pid in "$@"; do before+=("$(ticks "$pid")"); done
    sleep "$seconds"
    for pid in "$@"; do after+=("$(ticks "$pid")"); done
    for pid in "$@"; do
        echo "scale=2; 100 * (${after[i]} - ${before[i]}) / $(getconf CLK_TCK) / $seconds" | bc
        i=$((i + 1))
    done
}
keys() { xdotool key --delay 60 "$@"; }

"$app/velmora" "$work/in/a.wav" &
program=$!
xdotool search --sync --name "Velmora for Windows 95" >/dev/null
sleep 1
read -r idle_program idle_x < <(share "$program" "$xvfb" | paste -sd' ')

# The output field starts with the input's folder: it is replaced, not added to.
keys ctrl+a
xdotool type --delay 5 "$(dos "$work/out/a.mp3")"
keys alt+e
keys alt+i ctrl+a
xdotool type --delay 5 "$(dos "$work/in/b.mp3")"
keys Tab ctrl+a
xdotool type --delay 5 "$(dos "$work/out/b.wav")"
keys alt+d
sleep 1
[ -e "$app/Encoding.bat" ] && [ -e "$app/Decoding.bat" ] || { echo "the jobs did not start" >&2; exit 1; }
read -r busy_program busy_x < <(share "$program" "$xvfb" | paste -sd' ')
echo "two monitors on Xvfb over ${seconds} s: program ${busy_program} %, X server ${busy_x} %," \
     "together $(echo "$busy_program + $busy_x" | bc) % of one core (goal: at most 1 %);" \
     "no job: program ${idle_program} %, X server ${idle_x} %"
