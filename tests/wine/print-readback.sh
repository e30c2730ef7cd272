#!/usr/bin/env bash
# usage: print-readback.sh prepare|read|job|reject|accept WORK_DIR [DPI]
# The Unix side of the print tests, started from inside Wine. A Windows program can neither wait
# for a Unix program nor get its exit status, so each command writes what it found to
# WORK_DIR/result.txt, which appears only when the command has ended: key=value lines with
# "done=1" on success, "done=0" and "error=<why>" on failure.
#   prepare  CUPS running and accepting, no job pending, old printouts removed
#   read     waits for the printout; its title and page count, page 1 rendered at DPI as
#            WORK_DIR/page.ppm and its text as WORK_DIR/page.txt; the printout is removed
#   job      the newest job id of the queue, finished or not
#   reject   the queue refuses new jobs
#   accept   the queue takes jobs again
set -uo pipefail
export PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin

HARNESS=$(cd "$(dirname "${BASH_SOURCE[0]}")/../harness" && pwd -P)
QUEUE=${STILLVIEW_PRINTER:-PDF}
TITLE="Varnolt Print Document"
command=$1 work=$2 dpi=${3:-300}

mkdir -p "$work"
rm -f "$work/page.ppm" "$work/page.txt"
exec 2>"$work/error.txt"
result=$(mktemp "$work/result.XXXXXX")

say() { echo "$1=$2" >>"$result"; }
finish() {
    say done "$1"
    mv "$result" "$work/result.txt"
    exit 0
}
fail() {
    say error "$* ($(tr '\n' ' ' <"$work/error.txt"))"
    finish 0
}

out_dir() { "$HARNESS/cups-start.sh" 2>>"$work/error.txt"; }
pending() { [ -n "$(lpstat -o "$QUEUE" 2>/dev/null)" ]; }
newest_job() { lpstat -W all -o "$QUEUE" 2>/dev/null | awk '{ sub(/.*-/, "", $1); print $1 }' | sort -n | tail -n 1; }

case $command in
prepare)
    dir=$(out_dir) || fail "cups-start.sh failed"
    # A job still on its way would land after the old printouts are removed.
    deadline=$((SECONDS + 120))
    while pending; do
        [ $SECONDS -lt $deadline ] || fail "jobs still pending on $QUEUE after 120 s"
        sleep 0.1
    done
    rm -f "$dir"/*"${TITLE// /_}"*.pdf
    ;;
read)
    dir=$(out_dir) || fail "cups-start.sh failed"
    pdf=$("$HARNESS/cups-wait-pdf.sh" "$dir" "$TITLE" 120) || fail "no printout"
    info=$(pdfinfo "$pdf") || fail "pdfinfo could not read $pdf"
    say title "$(sed -n 's/^Title: *//p' <<<"$info")"
    say pages "$(sed -n 's/^Pages: *//p' <<<"$info")"
    say size "$(sed -n 's/^Page size: *//p' <<<"$info")"
    pdftoppm -r "$dpi" -f 1 -l 1 -singlefile "$pdf" "$work/page" || fail "pdftoppm failed on $pdf"
    pdftotext -enc UTF-8 -f 1 -l 1 "$pdf" "$work/page.txt" || fail "pdftotext failed on $pdf"
    rm -f "$pdf"
    ;;
job)
    say job "$(newest_job)"
    ;;
reject)
    cupsreject "$QUEUE" || fail "cupsreject failed"
    lpstat -a "$QUEUE" | grep -q "^$QUEUE not accepting" || fail "$QUEUE still accepts jobs"
    ;;
accept)
    out_dir >/dev/null || fail "cups-start.sh failed"
    ;;
*)
    fail "unknown command $command"
    ;;
esac
finish 1
