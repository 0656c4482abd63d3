#!/usr/bin/env bash
# Takes the channel-table screenshots in docs/ under a virtual X server:
# the table filled with the factory channels in English and in Chinese, the
# frequency editor open over its cell and the tone list dropped down.
# Needs: scripts/setup.sh --gui-tools, and a dev build
# (cmake --build build/dev --target zrx_programview_demo zrx_default_sin).
set -euo pipefail
cd "$(dirname "$0")/.."
demo=build/dev/tests/zrx_programview_demo
factory=build/dev/out/Default.sin

shot() {
    local name=$1
    shift
    xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
        "$0" "${@:2}" &
        pid=$!
        sleep 2
        import -window root "$1"
        kill $pid
    ' "$demo" "docs/$name.png" "$@"
    # Keep the window and what drops down from it.
    mogrify -crop 720x560+0+0 +repage "docs/$name.png"
}

shot table-english --open "$factory"
shot table-chinese --language 1 --open "$factory"
shot frequency-editor --open "$factory" --edit 4,2
shot tone-list --open "$factory" --edit 11,3 --popup
