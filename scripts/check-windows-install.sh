#!/usr/bin/env bash
# Checks the Windows zip and installer the way a user meets them, under Wine
# on a virtual X screen, in a Wine prefix of their own:
#
#   - the zip unpacked into a folder, and the installer run silently, each
#     give the program folder with the programs, the language libraries, the
#     help files, Default.sin, Program.ini and the Qt DLLs and plugins; the
#     installer adds its Start-menu entries and an uninstaller, and the
#     uninstaller takes away what it installed;
#   - zrx.exe from there answers --help;
#   - Program.exe from there comes up with its main window, in each language
#     (English from the zip, Simplified and Traditional Chinese from the
#     installed copy), and reads the radio the way a user does: Ctrl+R, the
#     Read dialog in that language, Enter for Start. The read is proved by
#     the backup the program keeps of it, byte for byte zrx-sim's memory.
#
# Pictures of each step go to $SHOTS when it is set.
# Usage: scripts/check-windows-install.sh   (after scripts/build-windows.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$PWD
scripts/setup.sh --gui-tools

zip=$(ls -t build/windows/ZrxPcEncoder-*-windows-x64.zip 2>/dev/null | head -n 1)
installer=$(ls -t build/windows/ZrxPcEncoder-*-windows-x64-setup.exe 2>/dev/null | head -n 1)
[[ -f "$zip" && -f "$installer" ]] || { echo "FAIL: no zip or installer; run scripts/build-windows.sh" >&2; exit 1; }
[[ -x build/dev/out/zrx-sim ]] || { cmake --preset dev >/dev/null && cmake --build --preset dev --target zrx-sim; }

work=$(mktemp -d)
pids=()
# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    stop_wine
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    [[ -n "${DISPLAY:-}" ]] && import -window root "$work/failure.png" 2>/dev/null &&
        cp "$work/failure.png" "${SHOTS:-/tmp}/windows-install-failure.png" 2>/dev/null
    exit 1
}
shot() {
    [[ -n "${SHOTS:-}" ]] || return 0
    mkdir -p "$SHOTS"
    import -window root "$SHOTS/$1.png"
}

# The X screen, and a prefix whose programs draw on it.
start_screen
start_wine "$repo/build/windows/wine-install" --fresh
drive_c=$WINEPREFIX/drive_c
local_app_data=$(ls -d "$drive_c"/users/*/AppData/Local | head -n 1)
backups=$local_app_data/zrx-pc-encoder/backups

# The program folder holds everything the program looks for beside itself.
check_folder() { # folder
    local file
    for file in Program.exe zrx.exe zrx-chm-unpack.exe Eng.dll Chs.dll Cht.dll Default.sin \
        Program.ini eng.chm chs.chm cht.chm Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
        Qt6PrintSupport.dll libwinpthread-1.dll platforms/qwindows.dll \
        styles/qwindowsvistastyle.dll; do
        [[ -f "$1/$file" ]] || fail "$file is missing from $1"
    done
    [[ $(stat -c %s "$1/Default.sin") == 1024 ]] || fail "Default.sin is not 1024 bytes"
    wine_run "$1/zrx.exe" --help >"$work/help.out" 2>&1 || fail "zrx.exe --help ended with status $?"
    grep -q "Subcommands" "$work/help.out" || fail "zrx.exe --help: $(cat "$work/help.out")"
}

# zrx-sim with a memory of its own, on Wine's COM3.
"$repo/build/dev/out/zrx-sim" --baud 0 --memory "$repo/build/dev/out/Default.sin" \
    >"$work/sim.out" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [[ -s "$work/sim.out" ]] && break; sleep 0.1; done
ln -sfn "$(head -n 1 "$work/sim.out")" "$WINEPREFIX/dosdevices/com3"

# A window whose title is exactly $1, within $2 seconds.
wait_window() {
    local title=$1 seconds=$2 id
    for _ in $(seq $((seconds * 5))); do
        id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1) || true
        [[ -n "$id" ]] && { echo "$id"; return 0; }
        sleep 0.2
    done
    return 1
}

# Starts the program in `folder` in `language`, reads from the radio and
# checks the backup of the read; `caption` is the Read dialog's caption.
read_with_program() { # folder language caption name
    local folder=$1 language=$2 caption=$3 name=$4
    printf '[Setup]\r\nLanguage=%s\r\nCOM=COM3\r\n' "$language" >"$folder/Program.ini"
    rm -rf "$backups"
    (cd "$folder" && exec "$wine64" Program.exe) >"$work/program.out" 2>&1 &
    local program=$!
    pids+=("$program")
    local main
    main=$(wait_window "ZRX PC Encoder" 60) || fail "$name: no main window ($(cat "$work/program.out"))"
    sleep 1
    shot "windows-$name-main"
    xdotool windowfocus --sync "$main" 2>/dev/null || true
    xdotool key --clearmodifiers ctrl+r
    local dialog
    dialog=$(wait_window "$caption" 20) || fail "$name: Ctrl+R showed no \"$caption\" dialog"
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    shot "windows-$name-read-dialog"
    xdotool key --clearmodifiers Return
    local backup=""
    for _ in $(seq 100); do
        backup=$(ls "$backups"/*.sin 2>/dev/null | head -n 1) || true
        [[ -n "$backup" ]] && break
        sleep 0.2
    done
    [[ -n "$backup" ]] || fail "$name: the read kept no backup"
    cmp -s "$backup" "$repo/build/dev/out/Default.sin" || fail "$name: the read differs from the radio"
    sleep 1
    shot "windows-$name-after-read"
    kill "$program" 2>/dev/null || true
    "$wineserver" -k >/dev/null 2>&1 || true
    wait "$program" 2>/dev/null || true
    "$wineserver" -p >/dev/null 2>&1
}

# The zip, unpacked as a user would.
unpacked=$drive_c/unpacked
mkdir -p "$unpacked"
unzip -q "$zip" -d "$unpacked"
zip_folder=$(ls -d "$unpacked"/ZrxPcEncoder-*)
check_folder "$zip_folder"
read_with_program "$zip_folder" Eng "Read Data" zip-english

# The installer, silently, then what it left.
wine_run "$installer" /S >"$work/install.out" 2>&1 || fail "the installer ended with status $?"
installed="$drive_c/Program Files/ZRX PC Encoder"
check_folder "$installed"
[[ -f "$installed/Uninstall.exe" ]] || fail "no uninstaller"
menu=$(find "$drive_c" -path "*Start Menu/Programs/ZRX PC Encoder/ZRX PC Encoder.lnk" | head -n 1)
[[ -n "$menu" ]] || fail "no Start-menu entry"
read_with_program "$installed" Chs "读数据" installed-chinese-simplified
read_with_program "$installed" Cht "讀數據" installed-chinese-traditional

# Uninstalling leaves a file of the user's in the folder, and nothing else.
# The uninstaller runs from a copy of itself in the temporary folder and
# returns at once: wait for it to finish.
echo user >"$installed/mine.sin"
wine_run "$installed/Uninstall.exe" /S >/dev/null 2>&1 || fail "the uninstaller ended with status $?"
for _ in $(seq 150); do
    [[ ! -e "$installed/Uninstall.exe" ]] && break
    sleep 0.2
done
left=$(cd "$installed" && find . -type f ! -name mine.sin | sort)
[[ -z "$left" ]] || fail "the uninstaller left: $left"
[[ -f "$installed/mine.sin" ]] || fail "the uninstaller removed a file of the user's"
[[ ! -e "$menu" ]] || fail "the uninstaller left the Start-menu entry"

echo "OK: $(basename "$zip") and $(basename "$installer"): program folder, zrx.exe --help; the" \
    "program came up in English, Simplified and Traditional Chinese and read zrx-sim's memory" \
    "through COM3; the uninstaller removed what was installed"
