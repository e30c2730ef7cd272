#!/usr/bin/env bash
# usage: slow-source.sh E2E_TESTS_EXE
# Inside a wine-session.sh session: puts the sample picture on a slow medium (the picture reads
# at full speed, the 4 MB after it are held), runs the test program's SlowSource tests, and
# removes the medium again.
set -euo pipefail

exe=$1
harness=${STILLVIEW_HARNESS:?run inside wine-session.sh}
source_dir=${STILLVIEW_SOURCE_DIR:?}
work=$(mktemp -d "${TMPDIR:-/tmp}/stillview-slow.XXXXXX")

cleanup() {
    "$harness/slow-tail-mount.sh" umount "$work/medium" || true
    rm -rf "$work"
}
trap cleanup EXIT

"$harness/slow-tail-mount.sh" mount "$source_dir/res/sample/b-320b.bmp" $((4 << 20)) \
    "$work/held-reads.log" "$work/medium"

windows_path() { echo "Z:$(echo "$1" | tr / '\\')"; }
export STILLVIEW_SLOW_PICTURE STILLVIEW_SLOW_LOG
STILLVIEW_SLOW_PICTURE=$(windows_path "$work/medium/b-320b.bmp")
STILLVIEW_SLOW_LOG=$(windows_path "$work/held-reads.log")
"$harness/wine-exe.sh" "$exe" --gtest_filter='SlowSource.*'
