#!/usr/bin/env bash
# usage: tools/bench/quick-check.sh BINARY_DIR
# Runs the benchmark once per row (inside a Wine session on a 1920 x 1080 screen) and checks
# that its table is complete: every row has a positive viewer and floor figure, a ratio and a
# run, and every row of a started program the dialog floor's figure and ratio too. It judges no
# timing.
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd -P)
out=$(mktemp)
trap 'rm -f "$out"' EXIT
"$HERE/run-bench.sh" "$1" --quick | tee "$out"

awk -F'|' '
    /^\| (Open|Paint|Export|Wheel|Peak|Settled)/ {
        rows++
        last = /^\| (Open|Peak|Settled)/ ? 8 : 5
        for (i = 3; i <= last; i++) if (!($i + 0 > 0)) { print "incomplete row:" $0; bad++ }
        if (!($8 + 0 > 0)) { print "no runs:" $0; bad++ }
    }
    END {
        if (rows != 14) { print "expected 14 rows, got " rows; bad++ }
        exit bad > 0
    }' "$out"
