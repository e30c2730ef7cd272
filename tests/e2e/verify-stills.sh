#!/usr/bin/env bash
# usage: verify-stills.sh STILLVERIFY_EXE VERSION STILL...
# Inside a wine-session.sh session of the verifier's build: each still (a Unix path) must be
# verified, every byte, by the packaged verifier of VERSION in this session's build, whichever
# build saved it.
set -euo pipefail

verifier=$1 version=$2
shift 2
harness=${STILLVIEW_HARNESS:?run inside wine-session.sh}
bits=64
[ "${STILLVIEW_WINE_ARCH:-win64}" = win32 ] && bits=32
failures=0
for still in "$@"; do
    status=0
    report=$("$harness/wine-exe.sh" "$verifier" "Z:$(tr / '\\' <<<"$still")" | tr -d '\r') || status=$?
    echo "$report"
    if [ $status != 0 ] || ! grep -qx "VERIFIED: identical file" <<<"$report" ||
        ! grep -q "^checked by: StillVerify $version, $bits-bit build, " <<<"$report"; then
        echo "verify-stills.sh: $verifier ($STILLVIEW_WINE_ARCH) does not verify $still: exit $status" >&2
        failures=$((failures + 1))
    fi
done
[ $failures = 0 ]
