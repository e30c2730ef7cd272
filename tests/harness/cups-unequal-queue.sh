#!/usr/bin/env bash
# usage: cups-unequal-queue.sh COMMAND ARGS...
# Inside a wine-session.sh session: adds (once) the cups-pdf queue PDF600x300, whose PPD gives
# 600 dpi across and 300 down, beside the harness's PDF queue, which stays the default; then runs
# a Windows test program, which finds the queue's name in STILLVIEW_UNEQUAL_PRINTER. Wine lists
# the system's printers when a program starts, so the queue is made first.
set -euo pipefail

harness=${STILLVIEW_HARNESS:?run inside wine-session.sh}
queue=PDF600x300
ppd_source=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

"$harness/cups-start.sh" >/dev/null
if ! lpstat -v "$queue" >/dev/null 2>&1; then
    ppd=$(mktemp --suffix .ppd)
    trap 'rm -f "$ppd"' EXIT
    sed -e 's/^\*DefaultResolution: .*/*DefaultResolution: 600x300dpi/' \
        -e 's|^\*Resolution 300dpi/300 DPI: .*|*Resolution 600x300dpi/600 x 300 DPI: "<</HWResolution[600 300]>>setpagedevice"|' \
        "$ppd_source" >"$ppd"
    # lpadmin warns that PPD drivers are deprecated; only a failure matters.
    lpadmin -p "$queue" -v cups-pdf:/ -E -P "$ppd" 2>/dev/null
fi
cupsenable "$queue"
cupsaccept "$queue"
export STILLVIEW_UNEQUAL_PRINTER=$queue
"$harness/wine-exe.sh" "$@"
