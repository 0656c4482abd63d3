#!/usr/bin/env bash
# Prints the tree a screen reader sees of the main window and each dialog:
# role, name and value of every object, in a chosen language.
#
#   scripts/accessibility-tree.sh [--lang Eng|Chs|Cht] [--only WINDOW] [--check]
#
# WINDOW is one of main, editor (the grid with a cell's editor open), option,
# sidekey, pcba, transfer, about, language, message. --check fails on any
# focusable object without a name and on any grid cell whose name lacks its
# channel and column. The program runs on a virtual X screen of its own with
# a session bus and the accessibility bus, with Qt's accessibility on; the
# whole run ends within ZRX_A11Y_TIMEOUT seconds (default 240). ZRX_BUILD_DIR
# names the build (default build/dev), which must hold
# tests/zrx_accessibility_driver.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZRX_BUILD_DIR:-$root/build/dev}
limit=${ZRX_A11Y_TIMEOUT:-240}

for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing: run scripts/setup.sh" >&2
        exit 2
    fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "pyatspi is missing: run scripts/setup.sh" >&2
    exit 2
fi
driver=$build/tests/zrx_accessibility_driver
if [[ ! -x $driver ]]; then
    echo "$driver is missing: build the dev preset" >&2
    exit 2
fi

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [[ -n $xvfb_pid ]]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A screen of its own: Xvfb picks a free display number and writes it down.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
display=
for _ in $(seq 100); do
    display=$(head -n 1 "$work/display" 2>/dev/null || true)
    if [[ -n $display ]] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
        break
    fi
    sleep 0.1
done
if [[ -z $display ]]; then
    echo "Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi

# Inside a session bus of its own: the accessibility bus, then the reader,
# which starts the program and reads it.
cat >"$work/session.sh" <<'SESSION'
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill $launcher 2>/dev/null; wait $launcher 2>/dev/null' EXIT
/usr/bin/python3 "$@"
SESSION
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export ZRX_OUTPUT_DIR=${ZRX_OUTPUT_DIR:-$build/out} NO_AT_BRIDGE=0 LC_ALL=C.UTF-8
export XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
# The driver answers each window within its own deadline; the whole run
# ends at this one.
export ZRX_MODAL_DEADLINE_MS=$(((limit + 30) * 1000))
timeout --kill-after=10 "$((limit + 20))" dbus-run-session -- bash "$work/session.sh" \
    "$root/scripts/accessibility_tree.py" --driver "$driver" --timeout "$limit" "$@"
