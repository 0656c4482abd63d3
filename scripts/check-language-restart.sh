#!/usr/bin/env bash
# Checks the change of language the way a user makes it, with the real
# program and a real restart: on a virtual X screen with a small window
# manager it starts a copy of the output folder (Language=Eng, COM=COM3),
# waits for the "ZRX PC Encoder" window, chooses Setting > Language > Chs
# with the keyboard and OK, and then checks that the first program ended, a
# new one came up with its window, and Program.ini holds Language=Chs with
# the port kept and its other lines untouched. Screenshots of both windows
# go to the folder given as the first argument (default: a temporary one).
#
# Needs: scripts/setup.sh --gui-tools, and a dev build (or OUT=folder).
set -euo pipefail
self=$(realpath "$0")
cd "$(dirname "$self")/.."

if [[ -z "${ZRX_CHECK_SESSION:-}" ]]; then
    shots=$(realpath -m "${1:-$(mktemp -d)}")
    mkdir -p "$shots"
    ZRX_CHECK_SESSION=1 exec xvfb-run -a -s '-screen 0 1024x768x24' "$self" "$shots"
fi

shots=$1
out=$(realpath "${OUT:-build/dev/out}")
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

printf 'RandomPlacement\nNoGrabServer\nDecorateTransients\n' >"$work/twmrc"
twm -f "$work/twmrc" 2>/dev/null &
pids+=($!)
sleep 1

cp -r "$out" "$work/out"
printf '; kept as it is\r\n[Setup]\r\nLanguage=Eng\r\nCOM=COM3\r\n' >"$work/out/Program.ini"

# The programs running from the copy, whoever started them.
programs_in_copy() {
    for pid in $(pgrep -x Program || true); do
        [[ "$(readlink "/proc/$pid/exe" 2>/dev/null)" == "$work/out/Program" ]] && echo "$pid"
    done
    return 0
}

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

(cd / && LANG=C.UTF-8 exec "$work/out/Program") &
first=$!
pids+=("$first")
window=$(timeout 20 xdotool search --sync --pid "$first" --name '^ZRX PC Encoder$' | head -n 1) ||
    fail "no window titled ZRX PC Encoder"
sleep 1
import -window root "$shots/before-english.png"

# Setting has no mnemonic: open Program (Alt+P), step right to Setting, down
# to Language; in the dialog the list has the focus: Down picks Chs, Return OK.
xdotool windowfocus --sync "$window"
xdotool key alt+p
sleep 0.5
xdotool key Right
sleep 0.3
xdotool key Down Return
sleep 1
import -window root "$shots/language-dialog.png" || true
xdotool key Down
sleep 0.3
xdotool key Return

for _ in $(seq 50); do
    kill -0 "$first" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$first" 2>/dev/null && fail "the first program did not end"
wait "$first" || fail "the first program ended with status $?"

second=
for _ in $(seq 50); do
    second=$(programs_in_copy | head -n 1)
    [[ -n "$second" ]] && break
    sleep 0.2
done
[[ -n "$second" ]] || fail "no new program started"
pids+=("$second")
timeout 20 xdotool search --sync --pid "$second" --name '^ZRX PC Encoder$' >/dev/null ||
    fail "the restarted program shows no window"
sleep 1
import -window root "$shots/after-chinese.png"

printf '; kept as it is\r\n[Setup]\r\nLanguage=Chs\r\nCOM=COM3\r\n' >"$work/expected.ini"
cmp -s "$work/expected.ini" "$work/out/Program.ini" ||
    fail "Program.ini is $(cat -A "$work/out/Program.ini")"

echo "OK: restarted as process $second in Chs with COM3 kept; screenshots in $shots"
