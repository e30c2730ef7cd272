#!/usr/bin/env bash
# usage: build-probe.sh CACHE_DIR [win64|win32]
# Builds probe.exe (64-bit by default, static) into CACHE_DIR once per version of its
# source and prints the path. STILLVIEW_PROBE_EXE, when set, is used as is.
set -euo pipefail

if [ -n "${STILLVIEW_PROBE_EXE:-}" ]; then
    [ -f "$STILLVIEW_PROBE_EXE" ] || { echo "build-probe.sh: no file $STILLVIEW_PROBE_EXE" >&2; exit 1; }
    echo "$STILLVIEW_PROBE_EXE"
    exit 0
fi
[ $# -ge 1 ] && [ $# -le 2 ] || { echo "usage: build-probe.sh CACHE_DIR [win64|win32]" >&2; exit 64; }
case ${2:-win64} in
    win64) target=x86_64-w64-mingw32 ;;
    win32) target=i686-w64-mingw32 ;;
    *) echo "build-probe.sh: unknown build '$2'" >&2; exit 64 ;;
esac

src="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd -P)/probe.cpp"
mkdir -p "$1"
out="$(cd "$1" && pwd -P)/probe-${2:-win64}-$(sha256sum "$src" | cut -c1-16).exe"
if [ ! -f "$out" ]; then
    cxx=
    for c in $target-g++-posix $target-g++; do
        command -v "$c" >/dev/null && { cxx=$c; break; }
    done
    [ -n "$cxx" ] || { echo "build-probe.sh: no mingw-w64 compiler (run tools/install-deps.sh)" >&2; exit 1; }
    exec {lockfd}>"$out.lock"
    flock -w 300 "$lockfd"
    if [ ! -f "$out" ]; then
        "$cxx" -municode -O1 -Wall -Wextra -static "$src" -o "$out.tmp.$$" \
            -lwinspool -lgdi32 -ladvapi32
        mv -f "$out.tmp.$$" "$out"
    fi
fi
echo "$out"
