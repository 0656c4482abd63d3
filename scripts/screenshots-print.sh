#!/usr/bin/env bash
# Takes the printing pictures in docs/: the Print Preview window of the real
# program on a virtual X screen, and the page the program printed through a
# CUPS queue (a private cupsd with a cups-pdf printer, as the end-to-end test
# uses), turned into PNG by pdftoppm; in English and Simplified Chinese.
# Needs root (the private cupsd), scripts/setup.sh --gui-tools and a dev
# build (cmake --build build/dev --target Program zrx_languages zrx_default_sin).
set -euo pipefail
cd "$(dirname "$0")/.."
out=$PWD/build/dev/out
work=$(mktemp -d /tmp/zrx-shots-XXXXXX)
chmod 755 "$work"
cupsd_pid=
cleanup() {
    [[ -n $cupsd_pid ]] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A module folder per language, with the factory channels to print.
for code in Eng Chs; do
    mkdir -p "$work/$code"
    cp "$out"/{Program,Eng.dll,Chs.dll,Cht.dll,Default.sin} "$work/$code/"
    printf '[Setup]\nLanguage=%s\nCOM=COM1\n' "$code" >"$work/$code/Program.ini"
done

# The private print system: settings, socket, spool and PDF output in $work.
mkdir -p "$work"/{spool,cache,state,log,pdf,pdf-spool}
cat >"$work/cups-files.conf" <<CONF
ServerRoot $work
RequestRoot $work/spool
CacheDir $work/cache
StateDir $work/state
ErrorLog $work/log/error_log
AccessLog $work/log/access_log
PageLog $work/log/page_log
User lp
Group lp
SystemGroup root
FileDevice No
CONF
cat >"$work/cupsd.conf" <<CONF
Listen $work/cups.sock
Browsing No
WebInterface No
DefaultAuthType None
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
CONF
printf 'Out %s/pdf\nAnonDirName %s/pdf\nSpool %s/pdf-spool\nLog %s/log\nGrp lp\n' \
    "$work" "$work" "$work" "$work" >"$work/cups-pdf.conf"
unshare --mount --propagation private sh -c \
    "mount --bind '$work/cups-pdf.conf' /etc/cups/cups-pdf.conf &&
     exec /usr/sbin/cupsd -f -c '$work/cupsd.conf' -s '$work/cups-files.conf'" \
    >"$work/log/cupsd.out" 2>&1 &
cupsd_pid=$!
export CUPS_SERVER=$work/cups.sock
for _ in $(seq 100); do
    [[ -S $CUPS_SERVER ]] && lpstat -r 2>/dev/null | grep -q "is running" && break
    sleep 0.1
done
lpadmin -p zrx-pdf -E -v cups-pdf:/ -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd \
    -o pdftops-renderer-default=pdftocairo -o PageSize=A4

# The printed pages.
for code in Eng Chs; do
    rm -f "$work"/pdf/*
    (cd "$work" && env -u DISPLAY -u QT_QPA_PLATFORM "$code/Program" /pt "$code/Default.sin" zrx-pdf)
    for _ in $(seq 100); do
        [[ -z $(lpstat -o) ]] && compgen -G "$work/pdf/*.pdf" >/dev/null && break
        sleep 0.2
    done
    lower=${code,,}
    pdftoppm -png -r 80 -singlefile "$work"/pdf/*.pdf "docs/$lower-printed"
done

# The preview windows, opened from the File menu as a user does.
for code in Eng Chs; do
    lower=${code,,}
    xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
        twm >/dev/null 2>&1 &
        sleep 1
        "$0/Program" "$0/Default.sin" &
        pid=$!
        sleep 3
        xdotool key alt+f
        sleep 0.5
        xdotool key v
        sleep 2
        win=$(xdotool search --name "Default.sin" | head -n 1)
        xdotool windowmove "$win" 40 20 windowsize "$win" 900 720
        sleep 2
        import -window "$win" -frame "$1"
        kill $pid
    ' "$work/$code" "docs/$lower-preview.png"
done
ls -l docs/*-printed.png docs/*-preview.png
