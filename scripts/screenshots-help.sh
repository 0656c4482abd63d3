#!/usr/bin/env bash
# Takes the pictures of the help window (English, Simplified Chinese) on a
# virtual X screen with a small window manager, and writes them to docs/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --gui-tools
cmake --preset dev >/dev/null
cmake --build build/dev --target zrx_help_screenshots -j 2

session=$(mktemp)
trap 'rm -f "$session" "$session.twmrc"' EXIT
cat >"$session.twmrc" <<'RC'
RandomPlacement
UsePPosition "on"
NoGrabServer
DecorateTransients
TitleFont "-*-*-medium-r-normal--16-*-*-*-*-*-*-*,-wenquanyi-*-medium-r-normal--16-*-*-*-*-*-*-*"
RC
cat >"$session" <<SESSION
LANG=C.UTF-8 LC_ALL=C.UTF-8 twm -f "$session.twmrc" &
sleep 1
ZRX_OUTPUT_DIR="$PWD/build/dev/out" build/dev/tests/zrx_help_screenshots "$PWD/docs"
SESSION
xvfb-run -a -s '-screen 0 1024x768x24' bash "$session"
ls -l docs/*-help.png
