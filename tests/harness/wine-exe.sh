#!/usr/bin/env bash
# usage: wine-exe.sh EXE ARGS...
# Runs a Windows program with the Wine loader of wine-loader.sh and exits with its exit
# code (Wine passes on only the low 8 bits). Meant for use inside
# wine-session.sh, which provides DISPLAY and WINEPREFIX.
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/wine-loader.sh"

die() { echo "wine-exe.sh: $*" >&2; exit 125; }

[ $# -ge 1 ] || { echo "usage: wine-exe.sh EXE ARGS..." >&2; exit 64; }
exe=$1
shift
[ -f "$exe" ] || die "no such file: $exe"
# A bare name would be looked up on the Windows search path instead.
case $exe in
    /*) ;;
    *) exe="$(cd "$(dirname "$exe")" && pwd -P)/$(basename "$exe")" ;;
esac

export WINEPREFIX=${WINEPREFIX:-${STILLVIEW_WINEPREFIX:-}}
[ -n "$WINEPREFIX" ] || die "WINEPREFIX is not set (run inside wine-session.sh)"
[ -d "$WINEPREFIX" ] || die "no Wine prefix at $WINEPREFIX"
[ -n "${DISPLAY:-}" ] || echo "wine-exe.sh: warning: DISPLAY is not set" >&2
export WINEDEBUG=${WINEDEBUG:--all}

exec "$WINE" "$exe" "$@"
