#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds everything twice (the normal
# debug build and the AddressSanitizer + UndefinedBehaviorSanitizer build)
# and runs every test of both under ctest. Before the tests it builds the
# Debian package from the release preset and checks it unpacked
# (scripts/check-package.sh). Last, it builds for Windows and runs that
# build's tests under Wine (scripts/test-windows.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
jobs=$(nproc)
for preset in dev asan; do
    echo "=== $preset: configure and build"
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" -j "$jobs"
done
status=0
echo "=== package: build and check the .deb"
if ! { scripts/package.sh && scripts/check-package.sh; }; then
    echo "=== package: FAILED"
    status=1
fi
for preset in dev asan; do
    echo "=== $preset: tests"
    ctest --preset "$preset" -j "$jobs" || status=1
done
echo "=== windows: build, and tests under Wine"
scripts/test-windows.sh || status=1
exit $status
