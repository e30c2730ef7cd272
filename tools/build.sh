#!/usr/bin/env bash
# usage: tools/build.sh BUILD_ROOT native|native-sanitize|win64|win32 [TARGET]
# Configures (once) and builds one flavour of the tree (or one target of it) into
# BUILD_ROOT/<flavour>.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)
BUILD_ROOT=$1
FLAVOUR=$2
DIR="$BUILD_ROOT/$FLAVOUR"

case $FLAVOUR in
    native) ARGS=(-DCMAKE_BUILD_TYPE=Debug) ;;
    native-sanitize) ARGS=(-DCMAKE_BUILD_TYPE=Debug -DSTILLVIEW_SANITIZE=ON) ;;
    win64) ARGS=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-x86_64.cmake") ;;
    win32) ARGS=(-DCMAKE_BUILD_TYPE=Release -DCMAKE_TOOLCHAIN_FILE="$ROOT/cmake/mingw-i686.cmake") ;;
    *) echo "build.sh: unknown flavour $FLAVOUR" >&2; exit 64 ;;
esac

if [ ! -f "$DIR/CMakeCache.txt" ]; then
    cmake -S "$ROOT" -B "$DIR" "${ARGS[@]}" >"$BUILD_ROOT/$FLAVOUR-configure.log" 2>&1 \
        || { cat "$BUILD_ROOT/$FLAVOUR-configure.log" >&2; exit 1; }
fi
cmake --build "$DIR" -j "$(nproc)" ${3:+--target "$3"}
