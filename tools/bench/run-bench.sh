#!/usr/bin/env bash
# usage: tools/bench/run-bench.sh BINARY_DIR [--quick | --runs N] [--open-only]
# Runs the benchmark of the build in BINARY_DIR, under the Wine of STILLVIEW_WINE_ARCH (see
# tests/harness/wine-loader.sh), and prints its table. Meant for use
# inside tests/harness/wine-session.sh on a 1920 x 1080 screen. The large JPEGs it needs are
# written to BINARY_DIR/bench the first time. --quick runs each row once, --runs N N times;
# --open-only measures only the open-to-first-paint rows.
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd -P)
ROOT=$(cd "$HERE/../.." && pwd -P)
BIN=$(cd "${1:?usage: run-bench.sh BINARY_DIR [--quick]}" && pwd -P)
shift
runs=7
open_only=()
while [ $# -gt 0 ]; do
    case $1 in
        --quick) runs=1; shift ;;
        --runs) runs=${2:?--runs needs a count}; shift 2 ;;
        --open-only) open_only=(--open-only); shift ;;
        *) echo "run-bench.sh: unknown option $1" >&2; exit 64 ;;
    esac
done

windows_path() { echo "Z:$1" | tr / '\\'; }

mkdir -p "$BIN/bench"
source "$ROOT/tests/harness/wine-loader.sh"
echo "Machine: $(nproc) cores, $WINE_ARCH build, $("$WINE" --version) ($WINE_ROUTE), Xvfb ${STILLVIEW_SESSION_SCREEN:-?}," \
    "load average $(cut -d' ' -f1-3 /proc/loadavg) at the start"
"$ROOT/tests/harness/wine-exe.sh" "$BIN/stillview_bench.exe" --runs "$runs" "${open_only[@]}" \
    "$(windows_path "$BIN/StillView.exe")" "$(windows_path "$BIN/bench_floor.exe")" \
    "$(windows_path "$BIN/bench_dialog_floor.exe")" \
    "$(windows_path "$ROOT/res/sample/b-320b.bmp")" "$(windows_path "$BIN/bench")"
