#!/usr/bin/env bash
# Installs the Debian 12 packages the build and the tests need, only when
# one of them is missing. Runs as root, or through sudo when available.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    libchm-dev fp-utils
    qt6-base-dev qt6-serialport-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
    libgl-dev libgtest-dev libcli11-dev
    fonts-noto-cjk fonts-liberation fonts-dejavu-core fonts-urw-base35
    qt6-translations-l10n
    cups-daemon cups-client printer-driver-cups-pdf poppler-utils
    # scripts/package.sh: the Debian package and the checks of its desktop files
    dpkg-dev file desktop-file-utils appstream
    # scripts/accessibility-tree.sh and its test: the program on a virtual X
    # screen with a session bus, read as a screen reader reads it
    xvfb dbus-daemon at-spi2-core python3-pyatspi
)
case "${1:-}" in
    --gui-tools) packages+=(xvfb xauth imagemagick twm xfonts-wqy xdotool) ;;
    # scripts/build-windows.sh and scripts/test-windows.sh: the cross
    # compiler, the tools that build Qt from Debian's sources, Wine and NSIS.
    --windows) packages+=(g++-mingw-w64-x86-64-posix dpkg-dev googletest wine wine64 nsis zip unzip) ;;
esac

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
as_root=()
if [[ $(id -u) -ne 0 ]]; then
    as_root=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update
"${as_root[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
