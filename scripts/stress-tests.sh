#!/usr/bin/env bash
# Runs the window suites and the transfer suites over and over, several at a
# time, while busy loops keep every core loaded, as on a crowded CI machine.
# A suite that hangs or fails only now and then shows up here.
#
# Usage: scripts/stress-tests.sh [-n RUNS] [-j AT_ONCE] [-t SECONDS] [-p PRESET] [REGEX]
#   -n RUNS     runs of each suite (default 30)
#   -j AT_ONCE  runs at the same time (default: the number of cores)
#   -t SECONDS  a run taking longer counts as a hang and is stopped (default 240)
#   -p PRESET   the build to test (default dev; built first)
#   REGEX       which suites (default: the window suites and the transfer suites)
#
# Prints, per suite, the runs, failures, hangs and the slowest run; the output
# of every run that failed or hung is kept in build/<preset>/stress/. The exit
# status is 1 when any run failed or hung.
set -euo pipefail
cd "$(dirname "$0")/.."

runs=30
at_once=$(nproc)
limit=240
preset=dev
while getopts "n:j:t:p:" option; do
    case "$option" in
        n) runs=$OPTARG ;;
        j) at_once=$OPTARG ;;
        t) limit=$OPTARG ;;
        p) preset=$OPTARG ;;
        *) sed -n '2,16p' "$0" >&2; exit 2 ;;
    esac
done
shift $((OPTIND - 1))
pattern=${1:-'^zrx_(gui_|modal_answers|programview|msflexgrid|print_commands|channel_table_print|help_viewer)|transfer'}

cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" -j "$(nproc)" >/dev/null
build=build/$preset
out=$build/stress
rm -rf "$out"
mkdir -p "$out"

# Each suite's command, folder and environment, as ctest would run it: one
# line per suite, "name<TAB>folder<TAB>command...<TAB>--<TAB>NAME=VALUE...".
ctest --test-dir "$build" --show-only=json-v1 | python3 -c '
import json, re, sys
pattern = re.compile(sys.argv[1])
for test in json.load(sys.stdin)["tests"]:
    if not pattern.search(test["name"]) or "command" not in test:
        continue
    props = {p["name"]: p["value"] for p in test.get("properties", [])}
    env = props.get("ENVIRONMENT", [])
    folder = props.get("WORKING_DIRECTORY", ".")
    print("\t".join([test["name"], folder] + test["command"] + ["--"] + env))
' "$pattern" >"$out/suites.tsv"
if [[ ! -s $out/suites.tsv ]]; then
    echo "no suite matches $pattern" >&2
    exit 2
fi

# Busy loops on every core, for as long as the runs last.
busy=()
for ((i = 0; i < $(nproc); i++)); do
    (while :; do :; done) &
    busy+=($!)
done
trap 'kill "${busy[@]}" 2>/dev/null || true' EXIT

# One run: prints "name status seconds" with status pass, fail or hang.
run_one() {
    local line=$1 index=$2
    local -a fields command environment
    IFS=$'\t' read -r -a fields <<<"$line"
    local name=${fields[0]} folder=${fields[1]} i=2
    while [[ ${fields[$i]} != -- ]]; do
        command+=("${fields[$i]}")
        i=$((i + 1))
    done
    environment=("${fields[@]:$((i + 1))}")
    local log=$out/$name.$index.log start status
    start=$EPOCHREALTIME
    if (cd "$folder" && timeout --kill-after=10 "$limit" env "${environment[@]}" "${command[@]}") \
        >"$log" 2>&1; then
        status=pass
        rm -f "$log"
    else
        case $? in
            124 | 137) status=hang ;;
            *) status=fail ;;
        esac
    fi
    awk -v name="$name" -v status="$status" -v start="$start" -v end="$EPOCHREALTIME" \
        'BEGIN { printf "%s %s %.1f\n", name, status, end - start }'
}
export -f run_one
export out limit

echo "=== stress: $(wc -l <"$out/suites.tsv") suites, $runs runs each, $at_once at a time," \
    "$(nproc) busy loops beside them"
for ((r = 1; r <= runs; r++)); do
    while IFS= read -r line; do
        printf '%s\0%s\0' "$line" "$r"
    done <"$out/suites.tsv"
done | xargs -0 -n 2 -P "$at_once" bash -c 'run_one "$0" "$1"' >"$out/results.txt"

printf '%-40s %5s %9s %6s %9s\n' suite runs failures hangs slowest
awk '
    { runs[$1]++; if ($2 == "fail") fails[$1]++; if ($2 == "hang") hangs[$1]++;
      if ($3 > slowest[$1]) slowest[$1] = $3 }
    END {
        for (s in runs) {
            printf "%-40s %5d %9d %6d %7.1f s\n", s, runs[s], fails[s], hangs[s], slowest[s]
        }
    }' "$out/results.txt" | sort
total=$(wc -l <"$out/results.txt")
bad=$(grep -c -v ' pass ' "$out/results.txt" || true)
echo "$total runs, $bad failed or hung"
if ((bad > 0)); then
    echo "Logs of the runs that failed or hung: $out/" >&2
    exit 1
fi
