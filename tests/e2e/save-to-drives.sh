#!/usr/bin/env bash
# usage: save-to-drives.sh E2E_TESTS_EXE [GTEST_FILTER]
# Inside a wine-session.sh session: makes the drives the save test expects (a floppy, a CD-ROM,
# export and non-export fixed disks, a full disk, a floppy without its folder), runs the test
# program's SaveToDrives tests (or those the filter names), and removes the drives again.
set -euo pipefail

exe=$1
filter=${2:-SaveToDrives.*}
harness=${STILLVIEW_HARNESS:?run inside wine-session.sh}
work=$(mktemp -d "${TMPDIR:-/tmp}/stillview-drives.XXXXXX")
letters=(a e f g k m)

cleanup() {
    for l in "${letters[@]}"; do
        "$harness/wine-drive.sh" remove "$l" >/dev/null 2>&1 || true
    done
    "$harness/full-disk.sh" umount "$work/full" || true
    rm -rf "$work"
}
trap cleanup EXIT

"$harness/wine-drive.sh" add a floppy "" "$work/a"
"$harness/wine-drive.sh" add e cdrom PICS "$work/e"
"$harness/wine-drive.sh" add f hd DOVOZIZ "$work/f"
"$harness/wine-drive.sh" add g hd dovoziz "$work/g"
"$harness/full-disk.sh" mount "$work/full" 48k
"$harness/wine-drive.sh" add k hd DOVOZIZ "$work/full"
# The file the full disk's save is to replace; a saved picture is several times larger than
# the space left beside it.
head -c 3000 /dev/urandom >"$work/full/OLD.JPG"
"$harness/wine-drive.sh" add m floppy "" "$work/m"
rmdir "$work/m"
mkdir -p "$work/start"

export STILLVIEW_SAVE_START
STILLVIEW_SAVE_START="Z:$(echo "$work/start" | tr / '\\')"
"$harness/wine-exe.sh" "$exe" --gtest_filter="$filter"
