#!/usr/bin/env bash
# usage: shipping-builds.sh BUILD_ROOT
# The release zip as a user gets it, both builds: packaged from the builds under BUILD_ROOT and
# unpacked with the sample picture beside each StillView.exe into a folder made read-only. Each
# build's viewer, under its own kind of Wine (the 32-bit one emulated where the machine lacks
# 32-bit mode), zooms, brightens, saves to an export disk, prints to the PDF queue and closes;
# the still must record that view, the page must carry the record, and each build's StillVerify
# must verify the stills of both builds.
set -euo pipefail

build_root=$1
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd -P)
harness=$root/tests/harness
version=$(head -n 1 "$root/VERSION")
work=$(mktemp -d "${TMPDIR:-/tmp}/stillview-shipping.XXXXXX")
medium=$work/medium
pdfs=$("$harness/cups-start.sh")
# The end-to-end test program of each build tree.
declare -A TEST_PROGRAM=([win32]=$build_root/win32/e2e32_tests.exe [win64]=$build_root/win64/e2e_tests.exe)
# Where the zip puts each build.
declare -A FOLDER=([win32]=$medium [win64]=$medium/x64)

cleanup() {
    "$harness/read-only-folder.sh" umount "$medium" || true
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "shipping-builds.sh: $*" >&2; exit 1; }

in_session() { "$harness/build-session.sh" "$build_root" "$@"; }

# The first line package.sh prints is the zip's path.
zip=$(STILLVIEW_BUILD_ROOT=$build_root "$root/tools/package.sh" --prebuilt --out "$work/dist")
zip=${zip%%$'\n'*}
unzip -q "$zip" -d "$medium"
for build in win32 win64; do
    cp "$root/res/sample/b-320b.bmp" "${FOLDER[$build]}/"
done
"$harness/read-only-folder.sh" mount "$medium"

for build in win32 win64; do
    folder=${FOLDER[$build]}
    started=$work/started-$build
    touch "$started"
    in_session $build "$root/tests/e2e/packaged-viewer.sh" "${TEST_PROGRAM[$build]}" \
        "$folder/StillView.exe" "$work/$build"
    still=$work/$build/PLATE.JPG
    [ -f "$still" ] || fail "the $build viewer saved nothing on F:"
    record=$(identify -format %c "$still")
    grep -qxF "program: StillView $version" <<<"$record" || fail "$build: the record does not name StillView $version: $record"
    grep -qxF "source: Z:$(tr / '\\' <<<"$folder/b-320b.bmp")" <<<"$record" \
        || fail "$build: the record does not name the picture beside the viewer: $record"
    grep -qx "gamma: 0.9" <<<"$record" || fail "$build: the record does not show the brighter step: $record"
    width=$(sed -nE 's/^view in working picture: x [0-9]+ y [0-9]+ width ([0-9]+) .*/\1/p' <<<"$record")
    [ -n "$width" ] && [ "$width" -lt 640 ] || fail "$build: the record does not show a zoomed view: $record"
    page=$("$harness/cups-wait-pdf.sh" --since "$started" "$pdfs" "Varnolt Print Document" 120) \
        || fail "the $build viewer's page did not reach the PDF queue"
    text=$(pdftotext "$page" - | tr -s ' \n' ' ')
    grep -qF "program: StillView $version" <<<"$text" || fail "$build: the printed page lacks the record: $text"
    grep -qF "gamma: 0.9" <<<"$text" || fail "$build: the printed page lacks the view's gamma: $text"
done

# Each build's verifier on both builds' stills.
in_session win64 "$root/tests/e2e/verify-stills.sh" "${FOLDER[win64]}/StillVerify.exe" "$version" \
    "$work/win64/PLATE.JPG" "$work/win32/PLATE.JPG"
in_session win32 "$root/tests/e2e/verify-stills.sh" "${FOLDER[win32]}/StillVerify.exe" "$version" \
    "$work/win32/PLATE.JPG" "$work/win64/PLATE.JPG"
echo "shipping-builds.sh: both builds saved, printed and verified each other's stills"
