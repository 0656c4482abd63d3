#!/usr/bin/env bash
# Takes the pictures of a read from zrx-sim in progress and of the Port menu,
# in the three languages, on a virtual X screen, into docs/.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh --gui-tools
cmake --preset dev >/dev/null
cmake --build build/dev --target zrx_transfer_screenshots zrx_languages zrx-sim -j 2

work=$(mktemp -d)
trap 'kill "$sim" 2>/dev/null || true; rm -rf "$work"' EXIT
# A runtime folder of its own: the Port menu lists this simulator and no
# other that happens to run on the machine.
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
# A radio at the real line speed, so the bar can be caught half way.
build/dev/out/zrx-sim --memory build/dev/out/Default.sin >"$work/sim.out" &
sim=$!
for _ in $(seq 50); do [[ -s "$work/sim.out" ]] && break; sleep 0.1; done
device=$(head -n 1 "$work/sim.out")

cat >"$work/twmrc" <<'RC'
RandomPlacement
UsePPosition "on"
NoGrabServer
DecorateTransients
TitleFont "-*-*-medium-r-normal--16-*-*-*-*-*-*-*,-wenquanyi-*-medium-r-normal--16-*-*-*-*-*-*-*"
RC
cat >"$work/session" <<SESSION
LANG=C.UTF-8 LC_ALL=C.UTF-8 twm -f "$work/twmrc" &
sleep 1
XDG_DATA_HOME="$work" XDG_RUNTIME_DIR="$XDG_RUNTIME_DIR" ZRX_OUTPUT_DIR="$PWD/build/dev/out" build/dev/tests/zrx_transfer_screenshots "$PWD/docs" "$device"
SESSION
xvfb-run -a -s '-screen 0 1024x768x24' bash "$work/session"
ls -l docs/*-transfer.png docs/*-port-menu.png
