#!/usr/bin/env bash
# Screenshots of every window on a real X server (Xvfb), driven by keyboard
# as a user would: the main window at start and with a job running, the open
# dialog, the settings dialog, the about box, a message dialog and the process
# list. Taken at 100 % and at 200 % scale (QT_SCALE_FACTOR=2) and saved as PNG
# files in BUILD/screenshots/100/ and BUILD/screenshots/200/.
#   scripts/screenshots.sh [BUILD_DIR]   (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
app=$build/bin
out=$build/screenshots

./scripts/install-deps.sh xvfb xdotool x11-utils imagemagick

mkdir -p "$out"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
# A long sample, so that the job is still running for its screenshot.
"$build/tools/velmora_make_sample" "$work/Long take.wav" 600

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1280x960x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=$display
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

keys() { xdotool key --delay 80 "$@"; }

# The windows at one scale, into $out/SCALE/.
run() {
    local scale=$1 folder=$out/$1
    mkdir -p "$folder"
    shot() { # NAME: the window that has the keyboard focus
        sleep "${2:-0.7}"
        import -window "$(xdotool getwindowfocus)" "$folder/$1.png"
        echo "$folder/$1.png"
    }
    QT_SCALE_FACTOR=$((scale / 100)) "$app/velmora" "$work/Long take.wav" &
    local program=$!
    xdotool search --sync --name "Velmora for Windows 95" >/dev/null
    shot main-window 1.5

    keys alt+i F4
    shot open-dialog 1.5
    keys Escape

    keys alt+o ctrl+a; xdotool type --delay 5 "$(printf 'Z:%s\\Long take %s.mp3' "${work//\//\\}" "$scale")"
    keys alt+e
    shot job-running 1.5

    keys alt+s s
    shot settings-dialog
    keys alt+c

    keys alt+s a
    shot about-box
    keys Escape

    keys alt+i ctrl+a
    xdotool type --delay 5 'Z:\no such folder\missing.wav'
    keys alt+e
    shot message-dialog
    # The busy job and the missing file: one message each.
    for _ in 1 2 3; do
        xdotool search --onlyvisible --name '^Error$' >/dev/null 2>&1 || break
        keys Return
        sleep 0.3
    done

    # Without a window manager nobody hands the focus back after two messages in a row.
    xdotool windowfocus --sync "$(xdotool search --onlyvisible --name '^Velmora for Windows 95$' | head -1)"
    keys alt+t
    shot process-list
    keys alt+c
    sleep 0.5
    kill "$program" 2>/dev/null || true
    wait "$program" 2>/dev/null || true
    # The job deletes its script when it ends; the next run starts its own.
    for _ in $(seq 1200); do [ -e "$app/Encoding.bat" ] || break; sleep 0.1; done
}

run 100
run 200
