#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the program (optimised) and
# starts it. Arguments are passed to the program (a .sin file opens it).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
exec build/release/out/Program "$@"
