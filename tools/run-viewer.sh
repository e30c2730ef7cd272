#!/usr/bin/env bash
# usage: tools/run-viewer.sh
# Installs what is missing, builds the program and runs it under Wine on the bundled sample
# picture, started with an empty command line in the sample's folder. With DISPLAY set the
# viewer shows there until it is closed; without one it runs on a virtual screen, and a
# screenshot of it is written to build/stillview-screenshot.png before it is closed.
# The viewer speaks the language of LANG (ja_JP.UTF-8, zh_TW.UTF-8 or en_US.UTF-8). For the
# screenshot, STILLVIEW_POINTER=X,Y rests the pointer there first, so its tooltip shows;
# STILLVIEW_KEYS=ctrl+s presses those keys first (here: opens the Save-As dialog);
# STILLVIEW_SCREEN=WxH sets the screen's size and STILLVIEW_DPI=144 its scale.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)
BUILD_ROOT=${STILLVIEW_BUILD_ROOT:-$ROOT/build}
HARNESS=$ROOT/tests/harness
mkdir -p "$BUILD_ROOT"

"$ROOT/tools/install-deps.sh"
"$ROOT/tools/build.sh" "$BUILD_ROOT" win64 StillView >"$BUILD_ROOT/viewer-build.log" 2>&1 \
    || { tail -n 40 "$BUILD_ROOT/viewer-build.log"; exit 1; }
EXE=$BUILD_ROOT/win64/StillView.exe
export STILLVIEW_WINEPREFIX=$BUILD_ROOT/win64/wineprefix
"$HARNESS/wine-prefix.sh" "$STILLVIEW_WINEPREFIX"

cd "$ROOT/res/sample"
if [ -n "${DISPLAY:-}" ]; then
    WINEPREFIX=$STILLVIEW_WINEPREFIX WINEDEBUG=-all /usr/lib/wine/wine64 "$EXE"
    exit 0
fi

SHOT=$BUILD_ROOT/stillview-screenshot.png
SCALE=()
if [ -n "${STILLVIEW_DPI:-}" ]; then
    # A scale stays in its prefix: the tests' own one is kept at 96 dpi.
    STILLVIEW_WINEPREFIX=$BUILD_ROOT/win64/wineprefix-dpi
    "$HARNESS/wine-prefix.sh" "$STILLVIEW_WINEPREFIX"
    SCALE=(--dpi "$STILLVIEW_DPI")
fi
POINTER=()
[ -z "${STILLVIEW_POINTER:-}" ] || IFS=, read -r -a POINTER <<<"$STILLVIEW_POINTER"
"$HARNESS/wine-session.sh" --screen "${STILLVIEW_SCREEN:-1024x768}" --lang "${LANG:-en_US.UTF-8}" \
    "${SCALE[@]}" -- \
    "$ROOT/tools/screenshot-viewer.sh" "$EXE" "$SHOT" "${POINTER[@]}"
echo "run-viewer.sh: screenshot of the viewer written to $SHOT"
