#!/usr/bin/env bash
# Builds the Windows programs (scripts/build-windows.sh) and tests them under
# Wine, headless, in a Wine prefix of their own (build/windows/wine):
#
#   1. every test of the Windows build, through ctest: core, command line
#      and the program's windows (on a virtual X screen, through Wine's
#      graphics driver);
#   2. zrx.exe's read and write through Wine's COM ports against zrx-sim on a
#      pseudo-terminal: the same bytes on the line and in the files as the
#      Linux zrx, and a silent radio given up within its time-outs;
#   3. the zip and the installer: each installs and starts the program with
#      its main window and language libraries, and it reads from zrx-sim
#      (scripts/check-windows-install.sh).
#
# Needs the Linux build's zrx and zrx-sim (build/dev, built when missing).
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD

scripts/build-windows.sh
scripts/setup.sh --gui-tools
if [[ ! -x build/dev/out/zrx || ! -x build/dev/out/zrx-sim ]]; then
    cmake --preset dev >/dev/null
    cmake --build --preset dev --target zrx zrx-sim
fi
native=$repo/build/dev/out
windows=$repo/build/windows/out

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
start_screen
start_wine "$repo/build/windows/wine" --fresh

status=0
echo "=== windows: tests under Wine"
rm -f build/windows/tests/*.txt
# One at a time: the windows of two GUI tests on one screen would take the
# activation from each other.
if ! ctest --preset windows; then
    status=1
    # Qt Test reports go to files under Wine: show those that failed.
    for report in $(grep -l "^FAIL!" build/windows/tests/*.txt 2>/dev/null); do
        echo "--- $report"
        grep -B2 -A6 "^FAIL!" "$report"
    done
fi

echo "=== windows: zrx.exe through Wine's COM ports against zrx-sim"
work=$(mktemp -d)
sims=()
cleanup() {
    stop_sims
    stop_wine
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    status=1
}

# Starts zrx-sim with the given options, links Wine's COM<n> to it and
# leaves its device in $device. Never called in a $( ) subshell: the
# simulator's pid must reach `sims` here, or nothing would stop it.
device=
start_sim() { # name com-number options...
    local name=$1 com=$2
    shift 2
    "$native/zrx-sim" --log "$work/$name.log" "$@" >"$work/$name.out" 2>&1 &
    sims+=($!)
    for _ in $(seq 100); do
        [[ -s "$work/$name.out" ]] && break
        sleep 0.05
    done
    device=$(head -n 1 "$work/$name.out")
    [[ -c "$device" ]] || { fail "zrx-sim did not start: $device"; return 1; }
    ln -sfn "$device" "$WINEPREFIX/dosdevices/com$com"
}
stop_sims() {
    for pid in "${sims[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    sims=()
}

# A radio memory unlike a new radio's, so that a byte out of place shows.
"$native/zrx" new "$work/radio.sin"
"$native/zrx" set "$work/radio.sin" "TOT (s)=60" Beep=Off "PTT ID Code=12A#" >/dev/null
head -c 1024 /dev/urandom >"$work/noise"
# The channel area takes any bytes: fill it with noise to prove every byte.
dd if="$work/noise" of="$work/radio.sin" bs=1 count=256 conv=notrunc status=none

# Read: Linux zrx on the device, zrx.exe on COM12 (above COM9, which opens
# only through the device namespace), same wire bytes, same file.
start_sim native-read 12 --memory "$work/radio.sin"
"$native/zrx" read --port "$device" --out "$work/native-read.sin" >/dev/null
stop_sims
start_sim wine-read 12 --memory "$work/radio.sin"
wine_run "$windows/zrx.exe" read --port COM12 --out "$(win_path "$work/wine-read.sin")" >/dev/null ||
    fail "zrx.exe read ended with status $?"
stop_sims
cmp -s "$work/native-read.sin" "$work/wine-read.sin" || fail "zrx.exe read a different file"
cmp -s "$work/native-read.sin" "$work/radio.sin" || fail "the native read differs from the radio"
cmp -s "$work/native-read.log" "$work/wine-read.log" || fail "zrx.exe read with other bytes on the line"

# Write on COM5: same bytes on the line, same memory in the radio (--force:
# noise in the channel area is no memory the checks before a write pass).
"$native/zrx" new "$work/blank.sin"
for side in native wine; do
    start_sim "$side-write" 5 --memory "$work/blank.sin" --save "$work/$side-saved.sin"
    if [[ $side == native ]]; then
        "$native/zrx" write --force --port "$device" "$work/radio.sin" >/dev/null
    else
        wine_run "$windows/zrx.exe" write --force --port COM5 "$(win_path "$work/radio.sin")" >/dev/null ||
            fail "zrx.exe write ended with status $?"
    fi
    stop_sims
done
cmp -s "$work/native-saved.sin" "$work/wine-saved.sin" || fail "zrx.exe wrote a different memory"
cmp -s "$work/native-write.log" "$work/wine-write.log" || fail "zrx.exe wrote other bytes on the line"

# A radio that never answers: given up within the handshake's time-outs,
# as a failure with its message.
start_sim silent 5 --silent
started=$(date +%s)
if wine_run "$windows/zrx.exe" read --port COM5 --out "$(win_path "$work/silent.sin")" \
    >"$work/silent.stdout" 2>"$work/silent.stderr"; then
    fail "zrx.exe read from a silent radio reported success"
fi
took=$(($(date +%s) - started))
stop_sims
((took <= 5)) || fail "zrx.exe took ${took} s to give up on a silent radio"
grep -qx "zrx: Communication with the radio failed" "$work/silent.stderr" ||
    fail "zrx.exe said for a silent radio: $(cat "$work/silent.stderr")"
[[ ! -e "$work/silent.sin" ]] || fail "zrx.exe left a file after a failed read"

# A line another program left dirty: XON/XOFF both ways, CTS flow control,
# 2 stop bits. Wine keeps a COM port's flow control in the terminal settings
# of the device behind it, so these are what the port reads back as the
# driver's. (Wine has no "discard null bytes", error character or DSR
# sensitivity to leave on.) A memory of nothing but 0x00, 0x11 and 0x13 must
# arrive exact, through zrx.exe as through the Linux zrx, and the line must
# be left binary.
perl -e 'srand(18); print map { chr((0x00, 0x11, 0x13)[int rand 3]) } 1..1024' >"$work/flow.sin"
dirty=(ixon ixoff crtscts cstopb)
start_sim native-dirty 7 --memory "$work/flow.sin"
stty -F "$device" "${dirty[@]}"
"$native/zrx" read --port "$device" --out "$work/native-dirty.sin" >/dev/null ||
    fail "zrx read over a dirty line ended with status $?"
stop_sims
start_sim wine-dirty 7 --memory "$work/flow.sin"
stty -F "$device" "${dirty[@]}"
wine_run "$windows/zrx.exe" read --port COM7 --out "$(win_path "$work/wine-dirty.sin")" >/dev/null ||
    fail "zrx.exe read over a dirty line ended with status $?"
line=$(stty -F "$device" -a)
stop_sims
for side in native wine; do
    cmp -s "$work/$side-dirty.sin" "$work/flow.sin" ||
        fail "$side read over a dirty line differs from the radio's 0x00/0x11/0x13 memory"
done
for setting in -ixon -ixoff -crtscts -cstopb; do
    tr -s ' ;\n' '\n' <<<"$line" | grep -qx -- "$setting" ||
        fail "zrx.exe left the line without $setting"
done
((status == 0)) && echo "OK: read on COM12 and write on COM5 match the Linux zrx on the line and in" \
    "the files; a silent radio was given up after ${took} s; a memory of 0x00, 0x11 and 0x13" \
    "read exact over a line left with XON/XOFF and CTS flow control"

echo "=== windows: the zip and the installer"
stop_wine
scripts/check-windows-install.sh || status=1
exit $status
