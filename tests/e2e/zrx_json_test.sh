#!/usr/bin/env bash
# Every --json output of zrx, against zrx-sim through the real serial code,
# parsed with jq and held to the fields README documents: stdout is one JSON
# document and nothing else, whatever happens.
#   zrx_json_test.sh OUTPUT_DIR      (zrx and zrx-sim there)
set -uo pipefail
out=$1
work=$(mktemp -d)
sims=()
cleanup() {
    for pid in "${sims[@]}"; do kill "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
export XDG_DATA_HOME=$work/data
status=0

zrx() { timeout 60 "$out/zrx" "$@" 2>"$work/stderr"; }

# check NAME JQ-TEST JSON: JSON is exactly one document and JQ-TEST holds.
check() {
    if [[ $(jq -s 'length' <<<"$3" 2>/dev/null) != 1 ]] || ! jq -e "$2" <<<"$3" >/dev/null; then
        echo "FAILED: $1"
        echo "$3" | head -40
        echo "stderr:"
        head -20 "$work/stderr"
        status=1
    fi
}

# start_sim NAME ARGS...: a simulated radio, its device in $NAME once it is
# up (30 s at most). Called as is, never in $(...), so that `sims` keeps its
# process for the clean-up.
start_sim() {
    local name=$1
    shift
    local log=$work/sim-$name.out
    "$out/zrx-sim" --baud 0 "$@" >"$log" 2>&1 &
    sims+=($!)
    local deadline=$((SECONDS + 30))
    until [[ $(head -1 "$log" 2>/dev/null) == /* ]] || ((SECONDS > deadline)); do
        sleep 0.05
    done
    printf -v "$name" '%s' "$(head -1 "$log")"
}

"$out/zrx" new "$work/a.sin" && cp "$work/a.sin" "$work/b.sin"
"$out/zrx" set "$work/b.sin" Power=Low PCBA=AB12 >/dev/null
printf 'CH,Rx Freq,Tx Freq\r\n3,462.5625,467.5625\r\n' >"$work/t.csv"
"$out/zrx" import "$work/t.csv" "$work/b.sin" >/dev/null

is_string='type == "string"'
check "show" '.ok == true and (.file | '"$is_string"') and (.channels | length == 16)
  and all(.channels[]; (.channel | type == "number") and (.empty | type == "boolean"))
  and (.channels[2] | .empty == false and .rx_freq_mhz == "462.56250"
       and .rx_freq_10hz == 46256250 and .tx_freq_mhz == "467.56250" and .tx_freq_10hz == 46756250
       and ([.rx_tone, .tx_tone, .busy_lock, .bandwidth, .add_scan] | all('"$is_string"')))
  and (.channels[0] | keys == ["channel", "empty"])
  and (.model | (.value | '"$is_string"') and (.byte | type == "number"))
  and (.frequency_range | has("value") and has("byte"))
  and (.settings | length == 23)
  and all(.settings[]; (.key | '"$is_string"') and (.label | '"$is_string"') and has("value") and has("index"))
  and (.settings[] | select(.key == "power") | .value == "Low" and .index == 1)
  and .ptt_id_code == "" and .pcba_code == "AB12"' "$(zrx show "$work/b.sin" --json)"

check "diff of two files" '.ok == true and .same == false and .scope == "whole-image"
  and .a == {"source": "file", "path": "'"$work"'/a.sin"} and .b.source == "file"
  and (.differences | length > 0)
  and all(.differences[]; (.kind | IN("channel-field", "setting", "other-bytes"))
          and has("channel") and (.field | '"$is_string"') and (.label | '"$is_string"')
          and (.a | '"$is_string"') and (.b | '"$is_string"')
          and (.first_address | type == "number") and (.last_address | type == "number"))
  and (.differences[] | select(.field == "rx_freq") | .channel == 3 and .a_10hz == null
       and .b_10hz == 46256250 and .b == "462.56250")' \
    "$(zrx diff "$work/a.sin" "$work/b.sin" --json)"
check "diff of a missing file" '.ok == false and (.error | '"$is_string"')' \
    "$(zrx diff "$work/a.sin" "$work/missing.sin" --json)"

start_sim radio --memory "$work/a.sin"
check "diff with the radio" '.ok == true and .same == false and .scope == "written-bytes"
  and .a == {"source": "radio", "port": "'"$radio"'"} and .b.source == "file"' \
    "$(zrx diff "$work/b.sin" --port "$radio" --json)"
check "write --dry-run" '.ok == true and .dry_run == true and .same == false
  and (.differences | map(.field) | index("power") != null)' \
    "$(zrx write --dry-run --port "$radio" "$work/b.sin" --json)"
check "write" '.ok == true and .port == "'"$radio"'" and .bytes_written == 992
  and .verified == true and (.backup | '"$is_string"')' \
    "$(zrx write --port "$radio" "$work/b.sin" --verify --backup --json)"
check "read" '.ok == true and .file == "'"$work"'/r.sin" and (.backup | '"$is_string"')
  and .reads == 2 and .disputed_blocks == []' \
    "$(zrx read --port "$radio" --out "$work/r.sin" --verify --json)"
check "doctor" '.ok == true and .radio_answered == true and (.checks | length == 5)
  and all(.checks[]; (.check | '"$is_string"') and (.label | '"$is_string"')
          and (.passed | type == "boolean") and (.detail | '"$is_string"'))
  and .line.verdict == "radio" and .line.identification == "5A 52 58 34 31 32 00 01"' \
    "$(zrx doctor --port "$radio" --json)"

cp "$work/a.sin" "$work/c.sin"
printf 'CH,Rx Freq\r\n15,455.1\r\n16,455.1\r\n' >"$work/dup.csv"
"$out/zrx" import "$work/dup.csv" "$work/c.sin" >/dev/null
duplicate='any(.findings[]; .kind == "duplicate" and .channels == [15, 16] and .severity == "warning"
  and (.reason | '"$is_string"'))'
check "check" '.ok == true and .errors == 0 and .warnings == (.findings | length) and '"$duplicate" \
    "$(zrx check "$work/c.sin" --json)"
check "check --strict" '.ok == false and '"$duplicate" "$(zrx check "$work/c.sin" --strict --json)"

start_sim garbled --memory "$work/a.sin" --garble-block 0x100
check "read settled by a third read" '.ok == true and .reads == 3 and .disputed_blocks == [256]
  and (.backup | '"$is_string"')' "$(zrx read --port "$garbled" --out "$work/g.sin" --verify --json)"

start_sim silent --silent
check "read of a silent radio" '.ok == false and .error == "Communication with the radio failed"
  and (.detail | startswith("the radio did not answer the handshake"))
  and .failure.cause == "no-handshake-answer" and .failure.direction == "read"
  and .failure.port == "'"$silent"'" and .failure.part_written == false' \
    "$(zrx read --port "$silent" --out "$work/s.sin" --json)"
start_sim refusing --bad-ack-at 9
check "write refused part way" '.ok == false and .failure.cause == "block-refused"
  and .failure.block == 9 and .failure.blocks == 124 and .failure.address == 64
  and .failure.part_written == true' \
    "$(zrx write --port "$refusing" "$work/b.sin" --json)"
check "doctor of a silent radio" '.ok == false and .radio_answered == false
  and .line.verdict == "no-reply"' "$(zrx doctor --port "$silent" --json)"
check "doctor of no port" '.ok == false and .line == null and .checks[0].passed == false' \
    "$(zrx doctor --port "$work/absent" --json)"

check "ports" '.ok == true and (.ports | type == "array")
  and all(.ports[]; (.device | '"$is_string"') and (.may_open | type == "boolean")
          and has("vendor_id") and has("product_id") and has("chip") and has("description"))' \
    "$(zrx ports --json)"
check "backups" '.ok == true and (.folder | '"$is_string"') and (.backups | length >= 3)
  and all(.backups[]; (.file | '"$is_string"') and (.taken | test("^[0-9]{4}-[0-9]{2}-[0-9]{2}T"))
          and (.origin | '"$is_string"') and (.made_by | '"$is_string"') and .readable == true
          and (.channels | type == "number") and (.pcba_code | '"$is_string"'))' \
    "$(zrx backups --json)"

start_sim fleet_radio --memory "$work/a.sin"
check "fleet" '.ok == true and .programmed == 1 and .failed == 0 and (.radios | length == 1)
  and (.radios[0] | .unit == 1 and .result == "ok" and .verify == "verified"
       and .port == "'"$fleet_radio"'" and .pcba == "AB12" and (.seconds | type == "number"))' \
    "$(zrx fleet "$work/b.sin" --port "$fleet_radio" --count 1 --verify --json)"

exit $status
