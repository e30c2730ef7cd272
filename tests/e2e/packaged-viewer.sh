#!/usr/bin/env bash
# usage: packaged-viewer.sh E2E_TESTS_EXE VIEWER_EXE EXPORT_FOLDER
# Inside a wine-session.sh session of the viewer's build: makes F: a fixed disk labelled DOVOZIZ
# on EXPORT_FOLDER and lets the test program of the same build zoom, brighten, save to F: and
# print with the packaged VIEWER_EXE, started in its own folder on the picture there.
set -euo pipefail

exe=$1 viewer=$2 folder=$3
harness=${STILLVIEW_HARNESS:?run inside wine-session.sh}
trap '"$harness/wine-drive.sh" remove f >/dev/null 2>&1 || true' EXIT
"$harness/wine-drive.sh" add f hd DOVOZIZ "$folder"
STILLVIEW_EXE=$viewer "$harness/wine-exe.sh" "$exe" --gtest_filter='PackagedViewer.*'
