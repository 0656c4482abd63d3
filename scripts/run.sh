#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the program (optimised) and
# starts it. Arguments are passed to the program.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
out=build/release/out
if [[ -x "$out/Program" ]]; then
    exec "$out/Program" "$@"
fi
# Until the window exists: show what a new radio image holds.
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$out/zrx" new "$tmp/new.sin"
"$out/zrx" show "$tmp/new.sin" "$@"
