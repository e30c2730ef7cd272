#!/usr/bin/env bash
# usage: with-small-disk.sh SIZE COMMAND ARGS...
# Inside a wine-session.sh session: runs a Windows test program with a tmpfs folder of SIZE
# (as tmpfs takes it) named in STILLVIEW_SMALL_DISK as a Windows path, so its saves fill it.
set -euo pipefail

size=$1
shift
harness=${STILLVIEW_HARNESS:?run inside wine-session.sh}
disk=$(mktemp -d "${TMPDIR:-/tmp}/stillview-small-disk.XXXXXX")
cleanup() {
    "$harness/full-disk.sh" umount "$disk" || true
    rmdir "$disk" 2>/dev/null || true
}
trap cleanup EXIT
"$harness/full-disk.sh" mount "$disk" "$size"
export STILLVIEW_SMALL_DISK
STILLVIEW_SMALL_DISK="Z:$(echo "$disk" | tr / '\\')"
"$harness/wine-exe.sh" "$@"
