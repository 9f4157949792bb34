#!/usr/bin/env bash
# Installs Debian packages that are missing:
#   scripts/install-deps.sh              what building and testing Velmora needs
#   scripts/install-deps.sh PACKAGE...   the packages named (the benchmarks' and
#                                        the screenshots' own tools)
# The widget tests measure text in DejaVu Sans, so that font is listed too;
# Liberation and Dancing Script stand in for the windows' fonts. The install
# test checks the desktop entry with desktop-file-validate, and CI checks the
# formatting with clang-format.
# Idempotent: when every package is present it only asks dpkg and returns.
set -euo pipefail

if [ $# -gt 0 ]; then
    packages=("$@")
else
    packages=(
        cmake make ninja-build g++ pkg-config clang-format
        qt6-base-dev libgl-dev fonts-dejavu-core fonts-liberation2 fonts-dancingscript
        libmp3lame-dev libmpg123-dev
        libgtest-dev desktop-file-utils
    )
fi

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
