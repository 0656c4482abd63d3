#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (preset `fuzz`) and runs each one
# for a bounded time. Usage: scripts/fuzz.sh [seconds per fuzzer, default 60]
# Findings (crash-*, leak-*, timeout-*) are left in build/fuzz/findings.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$(nproc)" --target zrx_fuzz_image zrx_fuzz_channel_table \
    zrx_fuzz_channel_data_file

bin=build/fuzz/fuzz
work=build/fuzz/findings
mkdir -p "$work"

# Seeds: a new image, and the channel table it exports.
seeds_image=$work/seeds-image
seeds_table=$work/seeds-table
mkdir -p "$seeds_image" "$seeds_table"
cmake --build --preset fuzz --target zrx >/dev/null
build/fuzz/out/zrx new --force "$seeds_image/new.sin"
build/fuzz/out/zrx export "$seeds_image/new.sin" >"$seeds_table/new.csv"
printf 'CH;Rx Freq;Tx Freq;Rx Tone\r\n1;462.0125;462.0125;D023N\r\n"2";"446,5";;关\r\n' >"$seeds_table/semicolons.csv"

status=0
for fuzzer in zrx_fuzz_image zrx_fuzz_channel_data_file zrx_fuzz_channel_table; do
    case $fuzzer in
    zrx_fuzz_image | zrx_fuzz_channel_data_file) seeds=$seeds_image ;;
    *) seeds=$seeds_table ;;
    esac
    corpus=$work/corpus-$fuzzer
    mkdir -p "$corpus"
    echo "=== $fuzzer for ${seconds}s"
    (cd "$work" && "../fuzz/$fuzzer" -max_total_time="$seconds" -max_len=4096 \
        -print_final_stats=1 "corpus-$fuzzer" "$(basename "$seeds")") || status=1
done
exit $status
