#!/usr/bin/env bash
# Regenerates the language catalogues lang/Eng.ts, lang/Chs.ts and
# lang/Cht.ts from the sources with Qt 6's lupdate, keeping every
# translation they hold.
#
#   scripts/update-translations.sh                  update lang/*.ts in place
#   scripts/update-translations.sh --into DIR       write updated copies to DIR
#   scripts/update-translations.sh --drop-vanished  also delete the entries whose
#                                                   text is no longer in the sources
#
# A text the sources gained arrives in Chs.ts and Cht.ts as unfinished, for a
# translator to fill in; in Eng.ts it gets itself as its translation, since the
# English library answers with the program's own English set. A text the
# sources lost stays, marked vanished, until --drop-vanished. The check in
# tests/lang keeps the committed catalogues equal to what this script makes,
# and the two Chinese ones complete. LUPDATE names the lupdate to use.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

out="$root/lang"
drop_vanished=()
while (($#)); do
    case "$1" in
    --into)
        out=${2:?--into needs a folder}
        shift 2
        ;;
    --drop-vanished)
        drop_vanished=(-no-obsolete)
        shift
        ;;
    *)
        echo "usage: $0 [--into DIR] [--drop-vanished]" >&2
        exit 2
        ;;
    esac
done

# Qt 5's lupdate may come first on the PATH; only Qt 6's writes these files.
find_lupdate() {
    local candidate
    for candidate in "${LUPDATE:-}" /usr/lib/qt6/bin/lupdate \
        "$(qtpaths6 --query QT_HOST_BINS 2>/dev/null)/lupdate" \
        "$(command -v lupdate 2>/dev/null)"; do
        if [[ -n "$candidate" && -x "$candidate" ]] &&
            "$candidate" -version 2>/dev/null | grep -q 'version 6\.'; then
            echo "$candidate"
            return
        fi
    done
    echo "Qt 6 lupdate not found: install qt6-l10n-tools, or set LUPDATE" >&2
    exit 1
}
lupdate=$(find_lupdate)

# Every top-level folder of the program's sources (tests, tools and the like
# look nothing up in the language libraries), and the list of texts the
# libraries carry for no code.
sources=()
for dir in "$root"/*/; do
    case "$(basename "$dir")" in
    bench | build* | cmake | core | dist | docs | fuzz | lang | scripts | tests | tools) ;;
    *) sources+=("${dir%/}") ;;
    esac
done
sources+=("$root/lang/library_only_texts.h")

catalogues=()
for code in Eng Chs Cht; do
    if [[ "$out" != "$root/lang" ]]; then
        mkdir -p "$out"
        cp "$root/lang/$code.ts" "$out/$code.ts"
    fi
    catalogues+=("$out/$code.ts")
done

# res() is the program's name for QCoreApplication::translate. No source
# locations: they would change the catalogues with every edit of the code.
"$lupdate" -locations none -tr-function-alias translate+=res "${drop_vanished[@]}" \
    "${sources[@]}" -ts "${catalogues[@]}"

# In Eng.ts a new text translates to itself.
english="$out/Eng.ts"
awk '
    /<source>/ { source = ""; inside = 1 }
    inside {
        source = source (source == "" ? "" : "\n") $0
        if (/<\/source>/) {
            inside = 0
            sub(/^[^<]*<source>/, "", source)
            sub(/<\/source>.*$/, "", source)
        }
    }
    {
        empty = "<translation type=\"unfinished\"></translation>"
        at = index($0, empty)
        if (at > 0) {
            $0 = substr($0, 1, at - 1) "<translation>" source "</translation>" \
                 substr($0, at + length(empty))
        }
        print
    }
' "$english" >"$english.new"
mv "$english.new" "$english"
