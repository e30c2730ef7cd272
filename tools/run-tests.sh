#!/usr/bin/env bash
# usage: tools/run-tests.sh [CTEST_ARGS...]
# Installs what is missing, builds every flavour (native, native under AddressSanitizer and
# UBSan, the x86_64 program that runs here under Wine, and the 32-bit shipping program) and
# runs all tests with CTest: the Windows builds first, then their tests, with the native
# flavours built and tested beside them. Extra arguments go to every ctest run (for example
# -L unit).
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)
BUILD_ROOT=${STILLVIEW_BUILD_ROOT:-$ROOT/build}
mkdir -p "$BUILD_ROOT"

"$ROOT/tools/install-deps.sh" || exit 1
"$ROOT/tests/harness/cups-start.sh" >/dev/null || exit 1
rm -f "$BUILD_ROOT"/*-ctest.log

# Builds one flavour; a failure or any warning fails the run.
build() {
    local flavour=$1 log="$BUILD_ROOT/$1-build.log"
    echo "== build $flavour"
    "$ROOT/tools/build.sh" "$BUILD_ROOT" "$flavour" >"$log" 2>&1 \
        || { tail -n 60 "$log"; echo "build of $flavour failed"; return 1; }
    if grep -q 'warning:' "$log"; then
        grep 'warning:' "$log" | sort -u
        echo "build of $flavour has warnings"
        return 1
    fi
}

run_ctest() {
    local flavour=$1
    shift
    echo "== ctest $flavour"
    (cd "$BUILD_ROOT/$flavour" && ctest --output-on-failure -j 2 "$@") | tee "$BUILD_ROOT/$flavour-ctest.log"
}

native_flavours() {
    build native && build native-sanitize || return 1
    run_ctest native "$@"
    run_ctest native-sanitize "$@"
}

# The Windows tests (the package's among them) need both Windows builds.
build win64 && build win32 || exit 1

# The Windows tests mostly wait on windows, processes and the display, so the native work fits
# beside them, at the lowest priority, instead of before them.
(
    renice -n 19 -p "$BASHPID" >/dev/null
    native_flavours "$@"
) >"$BUILD_ROOT/native-flavours.log" 2>&1 &
native_pid=$!
run_ctest win64 "$@"
wait "$native_pid"
native_status=$?
cat "$BUILD_ROOT/native-flavours.log"
[ "$native_status" -eq 0 ] || echo "native flavours failed"

passed=0
failed=0
for flavour in native native-sanitize win64; do
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$BUILD_ROOT/$flavour-ctest.log" 2>/dev/null | tail -n 1)
    if [ -z "$summary" ]; then
        total=0
        bad=$(grep -c -E '\*\*\*(Failed|Not Run|Timeout|Exception)' "$BUILD_ROOT/$flavour-ctest.log" 2>/dev/null || true)
        bad=${bad:-0}
    else
        bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
        total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$summary")
    fi
    passed=$((passed + total - bad))
    failed=$((failed + bad))
done

echo "$passed passed, $failed failed"
[ "$native_status" -eq 0 ] && [ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
