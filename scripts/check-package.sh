#!/usr/bin/env bash
# Checks the Debian package as a user meets it, without installing it into
# the system: unpacks it into a temporary root (dpkg -x), validates its desktop
# entry and AppStream metadata, checks its layout and dependencies, runs
# `zrx --help` from there, and starts the installed program offscreen as a
# user who cannot write into the program folder (nobody, when run as root).
#
# With --language (after scripts/setup.sh --gui-tools) it also changes the
# language of the installed program on a virtual X screen with the keyboard
# and checks that the choice is kept in the user's configuration folder, the
# program folder stays untouched, and the restarted program comes up.
#
# Usage: scripts/check-package.sh [--language] [PACKAGE.deb]
#        (default: the newest build/zrx-pc-encoder_*.deb)
set -euo pipefail
self=$(realpath "$0")

language=
if [[ "${1:-}" == "--language" ]]; then
    language=1
    shift
fi
deb=${1:+$(realpath "$1")}
cd "$(dirname "$self")/.."
deb=${deb:-$(ls -t build/zrx-pc-encoder_*.deb 2>/dev/null | head -n 1)}
[[ -f "$deb" ]] || { echo "FAIL: no package; run scripts/package.sh" >&2; exit 1; }
deb=$(realpath "$deb")

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    chmod -R u+w "$work" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"
root=$work/root
home=$work/home
mkdir -p "$root" "$home/runtime"
chmod 700 "$home/runtime"
dpkg -x "$deb" "$root"
program_dir=$root/usr/lib/zrx-pc-encoder

# The program folder holds everything the program looks for beside itself.
for file in Program zrx zrx-sim Eng.dll Chs.dll Cht.dll Default.sin Program.ini \
    plans/PMR446.csv plans/PMR446.txt; do
    [[ -f "$program_dir/$file" ]] || fail "$file is missing from /usr/lib/zrx-pc-encoder"
done
[[ "$(cat "$program_dir/Program.ini")" == $'[Setup]\nLanguage=Eng\nCOM=COM1' ]] ||
    fail "the default Program.ini is $(cat -A "$program_dir/Program.ini")"
[[ $(stat -c %s "$program_dir/Default.sin") == 1024 ]] || fail "Default.sin is not 1024 bytes"
for link in zrx-pc-encoder zrx zrx-sim; do
    [[ -L "$root/usr/bin/$link" && -x "$root/usr/bin/$link" ]] || fail "no launcher /usr/bin/$link"
done

# Dependencies: the Qt libraries the program links, and the dialog fonts.
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 fonts-liberation; do
    [[ ",$depends," == *", $package"[\ ,]* || "$depends" == "$package"* ]] ||
        fail "Depends lacks $package: $depends"
done

# The desktop's view of it: menu entry, icons, software-centre metadata.
desktop=$(ls "$root"/usr/share/applications/*.desktop)
id=$(basename "$desktop" .desktop)
desktop-file-validate "$desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" >"$work/appstream.out" ||
    { cat "$work/appstream.out"; fail "appstreamcli validate"; }
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry's icon is not $id"
grep -qx "Exec=zrx-pc-encoder %f" "$desktop" || fail "the desktop entry does not start zrx-pc-encoder"
for icon in scalable/apps/$id.svg 48x48/apps/$id.png; do
    [[ -s "$root/usr/share/icons/hicolor/$icon" ]] || fail "no icon $icon"
done
[[ -s "$root/usr/share/doc/zrx-pc-encoder/README.Debian" ]] || fail "no README.Debian"
grep -qx "License: GPL-3.0-or-later" "$root/usr/share/doc/zrx-pc-encoder/copyright" ||
    fail "the copyright file does not name GPL-3.0-or-later"
grep -q "<project_license>GPL-3.0-or-later</project_license>" \
    "$root/usr/share/metainfo/$id.metainfo.xml" || fail "AppStream names no project licence"

# From here on the unpacked package is what a system folder is to a user:
# read-only. Run as root, the programs run as nobody, for whom even a
# folder's write bits would not stop root.
chmod -R a-w "$root"
as_user=()
if [[ $(id -u) -eq 0 ]]; then
    chown -R nobody "$home"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
# Runs a command as that user with a clean environment and the home folder
# as working directory. It replaces the shell it runs in, so call it in a
# subshell: `(run ...)`, `$(run ...)` or `run ... &` (then $! is the command).
run() {
    cd "$home"
    exec env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" \
        XDG_RUNTIME_DIR="$home/runtime" LANG=C.UTF-8 "${as_user[@]}" "$@"
}
before=$(cd "$root" && find . -printf '%p %s %T@\n' | sort | md5sum)

(run "$root/usr/bin/zrx" --help) >"$work/zrx-help.out" || fail "zrx --help ended with status $?"
grep -q "new" "$work/zrx-help.out" || fail "zrx --help lists no commands"
# zrx finds the plans of its own folder through the launcher's link.
(run "$root/usr/bin/zrx" plans) >"$work/zrx-plans.out" || fail "zrx plans ended with status $?"
grep -q "^PMR446 (shipped)" "$work/zrx-plans.out" ||
    { cat "$work/zrx-plans.out"; fail "zrx plans does not list the shipped PMR446 plan"; }

# The program must come up and stay up until ended. Offscreen, the only
# sign that start-up got as far as raising the main window (and not, for
# instance, to the message that no language library loads) is the offscreen
# platform's note that it cannot raise a window.
run env QT_QPA_PLATFORM=offscreen "$root/usr/bin/zrx-pc-encoder" >"$work/program.out" 2>&1 &
program=$!
pids+=("$program")
for _ in $(seq 50); do
    grep -q "does not support raise" "$work/program.out" && break
    kill -0 "$program" 2>/dev/null || break
    sleep 0.1
done
sleep 1
kill -0 "$program" 2>/dev/null || { cat "$work/program.out"; fail "the installed program ended by itself"; }
grep -q "does not support raise" "$work/program.out" ||
    { cat "$work/program.out"; fail "the installed program did not show its main window"; }
kill -TERM "$program"
timeout 10 tail --pid="$program" -f /dev/null || fail "the installed program did not end"
[[ -z "$(find "$home" -name Program.ini)" ]] || fail "start-up wrote a settings file"
[[ "$(cd "$root" && find . -printf '%p %s %T@\n' | sort | md5sum)" == "$before" ]] ||
    fail "something was written into the unpacked package"

echo "OK: $(basename "$deb"): layout, Depends, desktop entry, AppStream, icons, licence; zrx --help;" \
    "zrx plans; the program came up offscreen from a read-only folder as $(run id -un)"
[[ -n "$language" ]] || exit 0

# The change of language, made as a user makes it, on a virtual X screen with
# a small window manager; screenshots go to $SHOTS when it is set.
chmod 777 "$work" # the session's own files, written as the user
mkdir -m 777 "$work/shots"
cat >"$work/session" <<'SESSION'
set -euo pipefail
program_dir=$1 launcher=$2 work=$3 shots=$4
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
shoot() {
    [[ -z "$shots" ]] || import -window root "$shots/$1.png"
}
printf 'RandomPlacement\nNoGrabServer\nDecorateTransients\n' >"$work/twmrc"
twm -f "$work/twmrc" 2>/dev/null &
sleep 1
# The programs running from the package, whoever started them.
installed_programs() {
    for pid in $(pgrep -u "$(id -u)" . || true); do
        [[ "$(readlink "/proc/$pid/exe" 2>/dev/null)" == "$program_dir/Program" ]] && echo "$pid"
    done
    return 0
}
"$launcher" &
first=$!
window=$(timeout 20 xdotool search --sync --pid "$first" --name '^ZRX PC Encoder$' | head -n 1) ||
    fail "no window titled ZRX PC Encoder"
sleep 1
shoot installed-english
# Setting has no mnemonic: open Program (Alt+P), step right to Setting, down
# to Language; in the dialog the list has the focus: Down picks Chs, Return OK.
xdotool windowfocus --sync "$window"
xdotool key alt+p
sleep 0.5
xdotool key Right
sleep 0.3
xdotool key Down Return
sleep 1
shoot installed-language-dialog
xdotool key Down
sleep 0.3
xdotool key Return
for _ in $(seq 50); do
    kill -0 "$first" 2>/dev/null || break
    sleep 0.2
done
kill -0 "$first" 2>/dev/null && fail "the first program did not end"
second=
for _ in $(seq 50); do
    second=$(installed_programs | head -n 1)
    [[ -n "$second" ]] && break
    sleep 0.2
done
[[ -n "$second" ]] || fail "no new program started"
timeout 20 xdotool search --sync --pid "$second" --name '^ZRX PC Encoder$' >/dev/null ||
    fail "the restarted program shows no window"
sleep 1
shoot installed-chinese
kill "$second"
SESSION
(run xvfb-run -a -s '-screen 0 1024x768x24' bash "$work/session" "$program_dir" \
    "$root/usr/bin/zrx-pc-encoder" "$work" "${SHOTS:+$work/shots}") || fail "the change of language"
if [[ -n "${SHOTS:-}" ]]; then
    mkdir -p "$SHOTS"
    cp "$work"/shots/*.png "$SHOTS"/
fi
copy=$home/.config/zrx-pc-encoder/Program.ini
[[ "$(cat "$copy" 2>/dev/null)" == $'[Setup]\nLanguage=Chs\nCOM=COM1' ]] ||
    fail "the per-user Program.ini is $(cat -A "$copy" 2>&1)"
[[ "$(cd "$root" && find . -printf '%p %s %T@\n' | sort | md5sum)" == "$before" ]] ||
    fail "something was written into the unpacked package"
echo "OK: the language change went to ${copy#"$home"/} in the user's home;" \
    "the restarted program came up; the package folder is untouched"
