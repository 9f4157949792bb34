#!/usr/bin/env bash
# Installs the Debian packages that building and testing Velmora needs.
# The widget tests measure text in DejaVu Sans, so that font is listed too;
# Liberation and Dancing Script stand in for the windows' fonts. The install
# test checks the desktop entry with desktop-file-validate.
# Idempotent: when every package is present it only asks dpkg and returns.
set -euo pipefail

packages=(
    cmake make ninja-build g++ pkg-config clang-format
    qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation2 fonts-dancingscript
    libmp3lame-dev libmpg123-dev
    libgtest-dev desktop-file-utils
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
