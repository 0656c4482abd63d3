# Wine for the Windows build's tests, sourced by scripts/test-windows.sh and
# scripts/check-windows-install.sh. Everything is 64-bit: there is no 32-bit
# Wine here, and a 32-bit program under the 64-bit loader would "pass" by
# doing nothing.

wine64=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver
export WINEDEBUG=-all
# No Mono or Gecko installer prompts when the prefix is made, and no
# debugger waiting for someone to read its window when a program crashes: a
# crash ends the program, and the test fails at once.
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"

screen_pid=
# A virtual X screen for the Windows programs' windows: Wine draws them with
# its X11 driver, and Qt uses its Windows platform with the system's fonts.
# Large enough for the main window at twice the scale (Windows keeps a
# window within the screen, which would cut it short).
start_screen() {
    local number
    for number in $(seq 70 99); do
        [[ -e /tmp/.X$number-lock ]] && continue
        # -noreset: the server stays when its last client leaves.
        Xvfb ":$number" -noreset -screen 0 2560x1600x24 >/dev/null 2>&1 &
        screen_pid=$!
        for _ in $(seq 50); do
            [[ -e /tmp/.X11-unix/X$number ]] && break
            sleep 0.1
        done
        if kill -0 "$screen_pid" 2>/dev/null; then
            export DISPLAY=":$number"
            # A window manager, as every desktop has: it activates the
            # windows that ask for it, which tests of dialogs wait for.
            # It places new windows itself instead of waiting for a click.
            printf 'RandomPlacement\nUsePPosition "on"\nNoGrabServer\n' >"/tmp/.zrx-twmrc-$number"
            twm -display ":$number" -f "/tmp/.zrx-twmrc-$number" >/dev/null 2>&1 &
            return 0
        fi
    done
    echo "no X screen could be started" >&2
    return 1
}

# The prefix at $1 (made afresh with --fresh), with its server running.
start_wine() {
    export WINEPREFIX=$1
    "$wineserver" -k >/dev/null 2>&1 || true
    if [[ "${2:-}" == --fresh ]]; then
        rm -rf "$WINEPREFIX"
    fi
    mkdir -p "$WINEPREFIX"
    # The server and the services it starts keep the output they were
    # started with. Started here with it thrown away, they cannot hold a
    # test's output pipe open, which would keep ctest waiting.
    "$wineserver" -p >/dev/null 2>&1
    "$wine64" cmd /c exit >/dev/null 2>&1
    # Windows has Arial, Times New Roman and Courier New; Wine has not. Their
    # metric twins stand in, so that a text measures what it measures on
    # Windows (fonts-liberation, which the Linux build needs as well).
    local font
    for font in "Arial=Liberation Sans" "Times New Roman=Liberation Serif" \
        "Courier New=Liberation Mono"; do
        "$wine64" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "${font%%=*}" \
            /d "${font#*=}" /f >/dev/null 2>&1
    done
}

stop_wine() {
    "$wineserver" -k >/dev/null 2>&1 || true
    if [[ -n "$screen_pid" ]]; then
        kill "$screen_pid" 2>/dev/null || true
        screen_pid=
    fi
}

wine_run() {
    "$wine64" "$@"
}

# The Windows name of a Linux path: Wine's drive Z: is the root folder.
win_path() {
    local path=${1//\//\\}
    echo "Z:$path"
}
