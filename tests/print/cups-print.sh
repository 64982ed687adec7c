#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs systemprint_test against a CUPS server of its own, started here and
# stopped on the way out, with a cups-pdf queue as the default printer.
# Exits 77 (skipped) where such a server cannot run.
set -euo pipefail
program=$1
skip() { echo "SKIPPED: $*"; exit 77; }

# cupsd runs the cups-pdf backend as root only when it runs as root itself.
[ "$(id -u)" -eq 0 ] || skip "printing on CUPS needs root (to run cupsd and its cups-pdf backend)"
for tool in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/lib/cups/backend/cups-pdf /usr/bin/pdftoppm; do
    [ -x "$tool" ] || skip "$tool is missing: ./test.sh run as root installs cups, printer-driver-cups-pdf and poppler-utils"
done

dir=$(mktemp -d /tmp/geomira-cups.XXXXXX)
chmod 755 "$dir" # the filters run as lp and read the spooled jobs
queue=geomira-test-$$
# cups-pdf reads its settings for the device cups-pdf:/NAME from /etc/cups only.
settings=/etc/cups/cups-pdf-$queue.conf
cupsd_pid=
stop() {
    local status=$?
    if [ "$status" -ne 0 ] && [ "$status" -ne 77 ] && [ -f "$dir/log/error_log" ]; then
        echo "The CUPS server's errors:"
        grep '^E' "$dir/log/error_log" | tail -n 20 || true
    fi
    [ -z "$cupsd_pid" ] || { kill "$cupsd_pid" 2>/dev/null; wait "$cupsd_pid" 2>/dev/null; } || true
    rm -rf "$settings" "$dir"
}
trap stop EXIT
trap "exit 1" INT TERM

mkdir -p "$dir"/{conf,spool,cache,state,log,out,cups-pdf}
mkdir -m 1777 "$dir/tmp"
printf '%s\n' "ServerRoot $dir/conf" "RequestRoot $dir/spool" "CacheDir $dir/cache" "StateDir $dir/state" \
    "TempDir $dir/tmp" "ServerBin /usr/lib/cups" "DataDir /usr/share/cups" "AccessLog $dir/log/access_log" \
    "ErrorLog $dir/log/error_log" "PageLog $dir/log/page_log" "SystemGroup root" >"$dir/conf/cups-files.conf"
printf '%s\n' "Listen $dir/cups.sock" "Browsing No" "LogLevel info" \
    "<Location />" "Order allow,deny" "Allow all" "</Location>" >"$dir/conf/cupsd.conf"
printf '%s\n' "Out $dir/out" "Spool $dir/cups-pdf" "Log $dir/log" >"$settings"

export CUPS_SERVER=$dir/cups.sock GEOMIRA_PRINT_OUTPUT=$dir/out
unset PRINTER LPDEST
/usr/sbin/cupsd -f -c "$dir/conf/cupsd.conf" -s "$dir/conf/cups-files.conf" &
cupsd_pid=$!
for _ in $(seq 50); do [ -S "$CUPS_SERVER" ] || sleep 0.2; done
kill -0 "$cupsd_pid" 2>/dev/null && [ -S "$CUPS_SERVER" ] ||
    skip "cupsd did not start: $(tail -n 3 "$dir/log/error_log" 2>/dev/null)"

# lpadmin warns that PPD files are deprecated; it says nothing else when it works.
added=$(lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd 2>&1) ||
    { echo "$added"; exit 1; }
lpadmin -d "$queue"
# Letter rather than A4, which Qt would choose by itself: the page must follow the printer's paper.
lpadmin -p "$queue" -o PageSize=Letter
"$program"
