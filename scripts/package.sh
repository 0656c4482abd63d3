#!/usr/bin/env bash
# Builds the Debian package of the program from the optimised (release)
# build, and leaves it in build/ (build/zrx-pc-encoder_<version>_<arch>.deb;
# its path is the last line printed).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
rm -f build/release/package/*.deb
cpack --config build/release/CPackConfig.cmake -B "$PWD/build/release/package" >/dev/null
deb=$(ls build/release/package/*.deb)
cp "$deb" build/
echo "build/$(basename "$deb")"
