#!/usr/bin/env bash
# usage: comes-up.sh FOLDER
# Inside a wine-session.sh session of the folder's build: FOLDER's StillVerify.exe must answer a
# call without arguments with its usage (exit 2), and its StillView.exe must show its full-screen
# window on the picture beside it before the deadline. Catches an executable that cannot start.
set -euo pipefail

folder=$1
harness=${STILLVIEW_HARNESS:?run inside wine-session.sh}
failures=0
fail() { echo "comes-up.sh: $*" >&2; failures=$((failures + 1)); }

status=0
usage=$("$harness/wine-exe.sh" "$folder/StillVerify.exe" 2>&1 | tr -d '\r') || status=$?
[ $status = 2 ] && grep -qi '^usage' <<<"$usage" \
    || fail "$folder/StillVerify.exe does not start: exit $status, $usage"

screen=${STILLVIEW_SESSION_SCREEN:?}
(cd "$folder" && exec "$harness/wine-exe.sh" "$folder/StillView.exe" b-320b.bmp) >/dev/null 2>&1 &
viewer=$!
deadline=$((SECONDS + 120))
until xwininfo -root -tree 2>/dev/null | grep -q "(\"stillview.exe\" \"stillview.exe\")  ${screen}+0+0"; do
    if ! kill -0 $viewer 2>/dev/null; then
        fail "$folder/StillView.exe ended before showing its window"
        break
    fi
    if [ $SECONDS -ge $deadline ]; then
        fail "$folder/StillView.exe shows no window within 120 s"
        break
    fi
    sleep 0.2
done
[ $failures = 0 ]
