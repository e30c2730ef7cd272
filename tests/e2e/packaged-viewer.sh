#!/usr/bin/env bash
# usage: packaged-viewer.sh E2E_TESTS_EXE BUILD_ROOT
# Inside a wine-session.sh session: packages the builds under BUILD_ROOT as a user receives
# them, unpacks the zip with the sample picture beside x64/StillView.exe into a folder made
# read-only, and lets the test program save a view from that viewer to F:, a fixed disk
# labelled DOVOZIZ. The saved still must name this version and that picture, and the
# package's own x64/StillVerify.exe must verify it and report the same version.
set -euo pipefail

exe=$1
build_root=$2
harness=${STILLVIEW_HARNESS:?run inside wine-session.sh}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd -P)
version=$(head -n 1 "$root/VERSION")
work=$(mktemp -d "${TMPDIR:-/tmp}/stillview-package-run.XXXXXX")
medium=$work/medium

cleanup() {
    "$harness/wine-drive.sh" remove f >/dev/null 2>&1 || true
    "$harness/read-only-folder.sh" umount "$medium" || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "packaged-viewer.sh: $*" >&2; exit 1; }
windows_path() { echo "Z:$1" | tr / '\\'; }

# The first line package.sh prints is the zip's path.
zip=$(STILLVIEW_BUILD_ROOT=$build_root "$root/tools/package.sh" --prebuilt --out "$work/dist")
zip=${zip%%$'\n'*}
unzip -q "$zip" -d "$medium"
cp "$root/res/sample/b-320b.bmp" "$medium/x64/"
"$harness/read-only-folder.sh" mount "$medium"
"$harness/wine-drive.sh" add f hd DOVOZIZ "$work/f"

STILLVIEW_EXE=$medium/x64/StillView.exe "$harness/wine-exe.sh" "$exe" --gtest_filter='PackagedViewer.*'

still=$work/f/PLATE.JPG
[ -f "$still" ] || fail "nothing was saved on F:"
record=$(identify -format %c "$still")
grep -qxF "program: StillView $version" <<<"$record" || fail "the record does not name StillView $version: $record"
grep -qxF "source: $(windows_path "$medium/x64/b-320b.bmp")" <<<"$record" \
    || fail "the record does not name the picture beside the viewer: $record"

status=0
report=$("$harness/wine-exe.sh" "$medium/x64/StillVerify.exe" 'F:\PLATE.JPG' | tr -d '\r') || status=$?
echo "$report"
[ $status = 0 ] || fail "StillVerify exits with $status"
grep -qx "VERIFIED: identical image data" <<<"$report" || fail "StillVerify does not say the still is verified"
grep -q "^checked by: StillView $version " <<<"$report" || fail "StillVerify does not report version $version"
