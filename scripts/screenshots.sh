#!/usr/bin/env bash
# Screenshots of every window on a real X server (Xvfb), driven by keyboard
# as a user would: the main window at start and with a job running, the
# settings dialog, the about box, a message dialog and the process list.
# Saved as PNG files in BUILD/screenshots/.
#   scripts/screenshots.sh [BUILD_DIR]   (default build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
app=$build/bin
out=$build/screenshots

need=()
for p in xvfb xdotool imagemagick; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || need+=("$p")
done
if [ ${#need[@]} -gt 0 ]; then
    SUDO=$([ "$(id -u)" -eq 0 ] || echo sudo)
    $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

mkdir -p "$out"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
# A long sample, so that the job is still running for its screenshot.
"$build/tools/velmora_make_sample" "$work/Long take.wav" 600

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 640x480x24 -nolisten tcp >/dev/null 2>&1 &
export DISPLAY=$display
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

shot() { # NAME: the window that has the keyboard focus
    sleep "${2:-0.7}"
    import -window "$(xdotool getwindowfocus)" "$out/$1.png"
    echo "$out/$1.png"
}
keys() { xdotool key --delay 80 "$@"; }

"$app/velmora" "$work/Long take.wav" &
xdotool search --sync --name "Velmora for Windows 95" >/dev/null
shot main-window 1.5

keys ctrl+a; xdotool type --delay 5 "$(printf 'Z:%s\\Long take.mp3' "${work//\//\\}")"
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
keys Return

keys alt+t
shot process-list
keys alt+c

# The long job deletes its script when it ends; its files live in the work folder.
for _ in $(seq 600); do [ -e "$app/Encoding.bat" ] || break; sleep 0.1; done
