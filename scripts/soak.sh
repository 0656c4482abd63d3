#!/usr/bin/env bash
# The long runs behind the robustness claims; not a CI test.
#   scripts/soak.sh [minutes]      (default 40: the time each stage may take at most)
# 1. Each libFuzzer target until 1,000,000 runs (or the time is up), from the
#    seeds scripts/fuzz.sh uses; findings are left in build/fuzz/findings.
# 2. 1000 seeded chaos sessions of `zrx read` and `zrx write --verify`
#    against zrx-sim through the real serial code (or until the time is up).
# 3. 1000 chaos sessions of `zrx read`, and 1000 of `zrx read --verify`:
#    how many reads succeed with wrong bytes, without and with the double
#    read (the goal with it is none).
# Prints the figures at the end; exit status 0 only when every stage reached
# its count without a finding.
set -euo pipefail
cd "$(dirname "$0")/.."

minutes=${1:-40}
seconds=$((minutes * 60))
runs=1000000
sessions=1000

scripts/setup.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j 2 --target zrx_fuzz_image zrx_fuzz_channel_table \
    zrx_fuzz_channel_data_file zrx
cmake --preset dev >/dev/null
cmake --build --preset dev -j 2 --target zrx_chaos_soak zrx zrx-sim

work=build/fuzz/findings
mkdir -p "$work/seeds-image" "$work/seeds-table"
build/fuzz/out/zrx new --force "$work/seeds-image/new.sin"
build/fuzz/out/zrx export "$work/seeds-image/new.sin" >"$work/seeds-table/new.csv"
printf 'CH;Rx Freq;Tx Freq;Rx Tone\r\n1;462.0125;462.0125;D023N\r\n"2";"446,5";;关\r\n' \
    >"$work/seeds-table/semicolons.csv"
# The file fuzzer saves through the file system: a memory-backed folder
# keeps its runs fast where there is one.
scratch=$(mktemp -d "$( [[ -d /dev/shm ]] && echo /dev/shm || echo /tmp )/zrx-soak.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

status=0
summary=()
for fuzzer in zrx_fuzz_image zrx_fuzz_channel_data_file zrx_fuzz_channel_table; do
    case $fuzzer in
    zrx_fuzz_channel_table) seeds=seeds-table ;;
    *) seeds=seeds-image ;;
    esac
    mkdir -p "$work/corpus-$fuzzer"
    echo "=== $fuzzer: $runs runs or ${minutes} min"
    log=$scratch/$fuzzer.log
    started=$(date +%s)
    if (cd "$work" && TMPDIR=$scratch "../fuzz/$fuzzer" -runs=$runs -max_total_time=$seconds \
        -max_len=4096 -print_final_stats=1 "corpus-$fuzzer" "$seeds") >"$log" 2>&1; then
        result=clean
    else
        result=FINDING
        status=1
    fi
    done_runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    took=$(($(date +%s) - started))
    [[ ${done_runs:-0} -ge $runs ]] || status=1
    summary+=("$fuzzer: ${done_runs:-?} runs in ${took} s, $result")
    tail -n 3 "$log"
done

echo "=== chaos sessions: $sessions or ${minutes} min"
chaos=$scratch/chaos.log
if ZRX_OUTPUT_DIR="$PWD/build/dev/out" build/dev/bench/zrx_chaos_soak "$sessions" "$minutes" \
    | tee "$chaos"; then :; else status=1; fi
[[ $(sed -n 's/^chaos sessions: \([0-9]*\).*/\1/p' "$chaos") -ge $sessions ]] || status=1

for mode in reads verified-reads; do
    echo "=== chaos sessions, $mode: $sessions or ${minutes} min"
    log=$scratch/chaos-$mode.log
    if ZRX_OUTPUT_DIR="$PWD/build/dev/out" build/dev/bench/zrx_chaos_soak "$sessions" "$minutes" \
        "$mode" | tee "$log"; then :; else status=1; fi
    [[ $(sed -n 's/^chaos sessions: \([0-9]*\).*/\1/p' "$log") -ge $sessions ]] || status=1
done

echo
echo "=== figures"
printf '%s\n' "${summary[@]}"
cat "$chaos" "$scratch/chaos-reads.log" "$scratch/chaos-verified-reads.log"
exit $status
