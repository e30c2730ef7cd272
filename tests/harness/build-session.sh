#!/usr/bin/env bash
# usage: build-session.sh BUILD_ROOT win64|win32 COMMAND ARGS...
# Runs COMMAND in a wine-session.sh session of that build's kind of Wine, on the prefix of that
# build's tree under BUILD_ROOT (as tools/run-tests.sh lays the trees out).
set -euo pipefail

[ $# -ge 3 ] || { echo "usage: build-session.sh BUILD_ROOT win64|win32 COMMAND ARGS..." >&2; exit 64; }
build_root=$1 build=$2
shift 2
STILLVIEW_WINE_ARCH=$build STILLVIEW_WINEPREFIX=$build_root/$build/wineprefix \
    exec "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh" -- "$@"
