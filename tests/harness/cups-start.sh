#!/usr/bin/env bash
# usage: cups-start.sh
# Makes sure the CUPS scheduler runs (started as a daemon when not; there is
# no service manager in CI) with an enabled, accepting cups-pdf queue "PDF"
# as the default printer, then prints the folder where the PDFs of jobs from
# the current user land. Needs root to start cupsd or add the queue.
set -euo pipefail

QUEUE=${STILLVIEW_PRINTER:-PDF}
PPD=lsb/usr/cups-pdf/CUPS-PDF_opt.ppd
CONF=/etc/cups/cups-pdf.conf

die() { echo "cups-start.sh: $*" >&2; exit 1; }

# Waits until COMMAND succeeds, for at most SECONDS.
wait_until() {
    local secs=$1 what=$2 deadline
    shift 2
    deadline=$((SECONDS + secs))
    until "$@" >/dev/null 2>&1; do
        [ $SECONDS -lt $deadline ] || die "$what: not so after $secs s"
        sleep 0.1
    done
}

scheduler_up() { [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ]; }
queue_ready() {
    lpstat -p "$QUEUE" 2>/dev/null | grep -q 'enabled' &&
        lpstat -a "$QUEUE" 2>/dev/null | grep -q "^$QUEUE accepting"
}
is_default() { [ "$(lpstat -d 2>/dev/null)" = "system default destination: $QUEUE" ]; }

command -v lpstat >/dev/null || die "CUPS is not installed (run tools/install-deps.sh)"
if ! scheduler_up; then
    [ "$(id -u)" = 0 ] || die "the CUPS scheduler is not running and starting it needs root"
    [ -x /usr/lib/cups/backend/cups-pdf ] || die "cups-pdf is missing (package printer-driver-cups-pdf)"
    mkdir -p /run/cups
    # Without -f cupsd goes to the background once it listens.
    cupsd || die "cupsd failed to start"
    wait_until 30 "CUPS scheduler running" scheduler_up
fi

if ! lpstat -v "$QUEUE" >/dev/null 2>&1; then
    # lpadmin warns that PPD drivers are deprecated; only a failure matters.
    err=$(lpadmin -p "$QUEUE" -v cups-pdf:/ -E -m "$PPD" 2>&1) || die "could not add the queue $QUEUE: $err"
fi
# A queue that once failed a job is stopped by CUPS; later jobs would wait
# there for ever.
cupsenable "$QUEUE"
cupsaccept "$QUEUE"
wait_until 30 "queue $QUEUE enabled and accepting" queue_ready
is_default || lpadmin -d "$QUEUE"
wait_until 10 "queue $QUEUE the default" is_default

# cups-pdf writes to its "Out" folder, with ${HOME} and ${USER} of the user
# who printed.
out=$(awk '$1 == "Out" { $1 = ""; sub(/^ +/, ""); v = $0 } END { print v }' "$CONF" 2>/dev/null || true)
[ -n "$out" ] || out='/var/spool/cups-pdf/${USER}'
user=$(id -un)
home=$(getent passwd "$user" | cut -d: -f6)
out=${out//'${HOME}'/$home}
out=${out//'${USER}'/$user}
echo "$out"
