#!/usr/bin/env bash
# usage: tools/run-tests.sh [CTEST_ARGS...]
# Installs what is missing, builds every flavour (native, native under AddressSanitizer and
# UBSan, the x86_64 program that runs here under Wine, and the 32-bit shipping program), then
# runs all tests with CTest. Extra arguments go to every ctest run (for example -L unit).
set -uo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)
BUILD_ROOT=${STILLVIEW_BUILD_ROOT:-$ROOT/build}
mkdir -p "$BUILD_ROOT"

"$ROOT/tools/install-deps.sh" || exit 1
"$ROOT/tests/harness/cups-start.sh" >/dev/null || exit 1

for flavour in native native-sanitize win64 win32; do
    echo "== build $flavour"
    "$ROOT/tools/build.sh" "$BUILD_ROOT" "$flavour" >"$BUILD_ROOT/$flavour-build.log" 2>&1 \
        || { tail -n 60 "$BUILD_ROOT/$flavour-build.log"; echo "build of $flavour failed"; exit 1; }
    if grep -q 'warning:' "$BUILD_ROOT/$flavour-build.log"; then
        grep 'warning:' "$BUILD_ROOT/$flavour-build.log" | sort -u
        echo "build of $flavour has warnings"
        exit 1
    fi
done

passed=0
failed=0
for flavour in native native-sanitize win64; do
    echo "== ctest $flavour"
    (cd "$BUILD_ROOT/$flavour" && ctest --output-on-failure -j 2 "$@") | tee "$BUILD_ROOT/$flavour-ctest.log"
    summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests failed out of [0-9]+' "$BUILD_ROOT/$flavour-ctest.log" | tail -n 1)
    if [ -z "$summary" ]; then
        total=0
        bad=$(grep -c -E '\*\*\*(Failed|Not Run|Timeout|Exception)' "$BUILD_ROOT/$flavour-ctest.log" || true)
    else
        bad=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\1/' <<<"$summary")
        total=$(sed -E 's/.* ([0-9]+) tests failed out of ([0-9]+).*/\2/' <<<"$summary")
    fi
    passed=$((passed + total - bad))
    failed=$((failed + bad))
done

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ "$passed" -gt 0 ]
