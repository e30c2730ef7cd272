#!/usr/bin/env bash
# usage: tools/benchmark.sh [--quick | --runs N] [--open-only]
# Installs what is missing, builds both builds of the program with the benchmark's programs, and
# times the viewer against the least the imaging library must do (and its start-up also against
# the least its dialog costs the platform), in one Wine session on a 1920 x 1080 virtual screen:
# one table of medians of alternating runs (7 of each side) for the x86_64 build, then the
# open-to-first-paint rows of the 32-bit build under the 32-bit Wine (whose route, native or
# emulated, the table's first line names).
# --quick runs each row once; --runs N and --open-only as for tools/bench/run-bench.sh.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)
BUILD_ROOT=${STILLVIEW_BUILD_ROOT:-$ROOT/build}
mkdir -p "$BUILD_ROOT"

"$ROOT/tools/install-deps.sh" --wine32
for build in win64 win32; do
    for target in StillView bench_floor bench_dialog_floor stillview_bench; do
        "$ROOT/tools/build.sh" "$BUILD_ROOT" $build "$target" >"$BUILD_ROOT/$build-bench-build.log" 2>&1 \
            || { tail -n 60 "$BUILD_ROOT/$build-bench-build.log"; echo "build of $build $target failed"; exit 1; }
    done
done

# Ahead of builds running beside it, so their load disturbs the medians less; both sides of
# every row get the same priority.
priority=()
[ "$(id -u)" = 0 ] && priority=(nice -n -15)
bench() {
    local build=$1
    shift
    STILLVIEW_WINE_ARCH=$build STILLVIEW_WINEPREFIX=$BUILD_ROOT/$build/wineprefix "${priority[@]}" \
        "$ROOT/tests/harness/wine-session.sh" --screen 1920x1080 -- \
        "$ROOT/tools/bench/run-bench.sh" "$BUILD_ROOT/$build" "$@"
}
bench win64 "$@"
bench win32 --open-only "$@"
