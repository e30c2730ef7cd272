#!/usr/bin/env bash
# usage: tools/run-tests.sh [CTEST_ARGS...]
# Installs what is missing (the 32-bit Wine included), builds every flavour (native, native under
# AddressSanitizer and UBSan, the x86_64 program and the 32-bit shipping program) and runs all
# tests with CTest: the Windows builds first, then their tests, each build's under its own kind
# of Wine, with the native flavours built and tested beside them. Extra arguments go to every ctest run (for example
# -L unit).
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)
BUILD_ROOT=${STILLVIEW_BUILD_ROOT:-$ROOT/build}
mkdir -p "$BUILD_ROOT"

"$ROOT/tools/install-deps.sh" --wine32 || exit 1
"$ROOT/tests/harness/cups-start.sh" >/dev/null || exit 1
rm -f "$BUILD_ROOT"/*-ctest.log

# Builds one flavour; a failure or any warning fails the run.
build() {
    local flavour=$1 log="$BUILD_ROOT/$1-build.log"
    echo "== build $flavour"
    "${PRIORITY[@]}" "$ROOT/tools/build.sh" "$BUILD_ROOT" "$flavour" >"$log" 2>&1 \
        || { tail -n 60 "$log"; echo "build of $flavour failed"; return 1; }
    if grep -q 'warning:' "$log"; then
        grep 'warning:' "$log" | sort -u
        echo "build of $flavour has warnings"
        return 1
    fi
}

# usage: run_ctest NAME FLAVOUR [CTEST_ARGS...]; the output is also kept in NAME-ctest.log.
run_ctest() {
    local name=$1 flavour=$2
    shift 2
    echo "== ctest $name"
    (cd "$BUILD_ROOT/$flavour" && "${PRIORITY[@]}" ctest --output-on-failure -j 2 "$@") |
        tee "$BUILD_ROOT/$name-ctest.log"
}

# The harness's own check, with a Wine prefix of its own, then the native flavours, built and
# tested only when the processor would otherwise be idle.
beside_the_windows_tests() {
    run_ctest harness win64 -L harness "$@"
    PRIORITY=(chrt --idle 0)
    build native && build native-sanitize || return 1
    run_ctest native native "$@"
    run_ctest native-sanitize native-sanitize "$@"
}

PRIORITY=()
# The Windows tests (the package's among them) need both Windows builds.
build win64 && build win32 || exit 1

# The Windows tests mostly wait on windows, processes and the display, one session at a time,
# so the other work fits beside them instead of before them.
beside_the_windows_tests "$@" >"$BUILD_ROOT/beside.log" 2>&1 &
beside_pid=$!
# The 32-bit Wine may be emulated: its tests take a processor of their own.
run_ctest win32 win32 "$@" >"$BUILD_ROOT/win32.log" 2>&1 &
win32_pid=$!
run_ctest win64 win64 -LE harness "$@"
wait "$win32_pid"
cat "$BUILD_ROOT/win32.log"
wait "$beside_pid"
beside_status=$?
cat "$BUILD_ROOT/beside.log"
[ "$beside_status" -eq 0 ] || echo "a build beside the Windows tests failed"

passed=0
failed=0
for name in harness native native-sanitize win64 win32; do
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$BUILD_ROOT/$name-ctest.log" 2>/dev/null | tail -n 1)
    if [ -z "$summary" ]; then
        total=0
        bad=$(grep -c -E '\*\*\*(Failed|Not Run|Timeout|Exception)' "$BUILD_ROOT/$name-ctest.log" 2>/dev/null || true)
        bad=${bad:-0}
    else
        bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
        total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$summary")
    fi
    passed=$((passed + total - bad))
    failed=$((failed + bad))
done

echo "$passed passed, $failed failed"
[ "$beside_status" -eq 0 ] && [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
