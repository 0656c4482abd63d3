#!/usr/bin/env bash
# Takes the pictures that README shows (main window, menus, About box, the
# language and radio settings dialogs in the three languages) on a virtual X
# screen with a small window manager, and writes them to docs/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --gui-tools
cmake --preset dev >/dev/null
cmake --build build/dev --target zrx_screenshots zrx_languages -j 2

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
ZRX_OUTPUT_DIR="$PWD/build/dev/out" build/dev/tests/zrx_screenshots "$PWD/docs"
# The main window again at 144 dpi (a screen scaled by 1.5).
mkdir -p "$session.scaled"
QT_SCALE_FACTOR=1.5 ZRX_OUTPUT_DIR="$PWD/build/dev/out" build/dev/tests/zrx_screenshots "$session.scaled"
for code in eng chs cht; do cp "$session.scaled/\$code-main.png" "docs/\$code-main-144dpi.png"; done
rm -rf "$session.scaled"
SESSION
xvfb-run -a -s '-screen 0 1600x1200x24' bash "$session"
ls -l docs/*.png
