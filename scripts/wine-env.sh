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
# Wine keeps the QT_* variables from Windows programs; WINEQT_* come through
# without the prefix.
export WINEQT_QPA_PLATFORM=offscreen

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
    # Programs draw offscreen; Wine itself needs no display.
    "$wine64" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
}

stop_wine() {
    "$wineserver" -k >/dev/null 2>&1 || true
}

wine_run() {
    "$wine64" "$@"
}

# The Windows name of a Linux path: Wine's drive Z: is the root folder.
win_path() {
    local path=${1//\//\\}
    echo "Z:$path"
}
