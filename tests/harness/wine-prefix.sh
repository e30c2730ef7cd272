#!/usr/bin/env bash
# usage: wine-prefix.sh PREFIX_DIR
# Makes a Wine prefix (64-bit, or 32-bit with STILLVIEW_WINE_ARCH=win32) once and sets it up for unattended test runs.
# Safe to call from several processes at once; returns at once when the
# prefix is already made. Needs no display (a private Xvfb is used).
set -euo pipefail

source "$(dirname "${BASH_SOURCE[0]}")/wine-loader.sh"
# Bump when the configuration below changes, so old prefixes are redone.
STAMP_VERSION=2

die() { echo "wine-prefix.sh: $*" >&2; exit 1; }

[ $# -eq 1 ] || { echo "usage: wine-prefix.sh PREFIX_DIR" >&2; exit 64; }
mkdir -p "$1"
PREFIX=$(cd "$1" && pwd -P)
STAMP="$PREFIX/.stillview-prefix"

stamp_ok() { [ -f "$STAMP" ] && [ "$(cat "$STAMP" 2>/dev/null)" = "$STAMP_VERSION" ]; }
stamp_ok && exit 0

exec {lockfd}>"$PREFIX/.prefix.lock"
flock -w "${STILLVIEW_PREFIX_LOCK_TIMEOUT:-600}" "$lockfd" \
    || die "timed out waiting for another process making $PREFIX"
stamp_ok && exit 0
# Keep sessions of wine-session.sh off the prefix while it is (re)made.
exec {sessionfd}>"$PREFIX/.session.lock"
flock -w "${STILLVIEW_PREFIX_LOCK_TIMEOUT:-600}" "$sessionfd" \
    || die "timed out waiting for a session on $PREFIX to end"

started=$(date +%s.%N)
work=$(mktemp -d)
xvfb_pid=
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 143' TERM
trap 'exit 130' INT

# wineboot may open windows (progress, Mono/Gecko prompts), so it gets a
# throw-away display of its own.
exec {dfd}>"$work/display"
Xvfb -displayfd "$dfd" -screen 0 1024x768x24 -nolisten tcp -noreset \
    {lockfd}>&- {sessionfd}>&- >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec {dfd}>&-
deadline=$((SECONDS + 30))
until grep -qE '^[0-9]+$' "$work/display" 2>/dev/null; do
    kill -0 "$xvfb_pid" 2>/dev/null || die "Xvfb exited: $(cat "$work/xvfb.log")"
    [ $SECONDS -lt $deadline ] || die "Xvfb did not report a display within 30 s"
    sleep 0.05
done

DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
export WINEPREFIX="$PREFIX"
export WINEDEBUG=-all
# No menu entries on the host, no Mono/Gecko install prompts while booting.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=d;mshtml=d"
export WINEARCH=$WINE_ARCH

run_wine() {
    timeout 300 "$WINE" "$@" {lockfd}>&- {sessionfd}>&- </dev/null >>"$work/wine.log" 2>&1 \
        || die "'$WINE $*' failed ($?): $(tail -n 20 "$work/wine.log")"
}

# A server left over from an earlier, failed attempt would carry a dead
# display; start from nothing.
"$WINESERVER" -k >/dev/null 2>&1 || true
timeout 30 "$WINESERVER" -w || die "the old wineserver of $PREFIX did not end"

run_wine wineboot -i

cat >"$work/quiet.reg" <<'EOF'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

; Without a window manager, a window the X11 driver manages makes every DestroyWindow wait
; two seconds for a withdrawal that never comes.
[HKEY_CURRENT_USER\Software\Wine\X11 Driver]
"Managed"="N"

[HKEY_CURRENT_USER\Software\Wine\DllOverrides]
"winemenubuilder.exe"=""
"mscoree"=""
"mshtml"=""
EOF
run_wine regedit /S "$(echo "Z:$work/quiet.reg" | tr / '\\')"

# The registry reaches the disk only when the server shuts down; the stamp
# must not claim a prefix whose settings are still in memory.
timeout 120 "$WINESERVER" -w || die "wineserver did not go idle within 120 s"

grep -q '"ShowCrashDialog"=dword:00000000' "$PREFIX/user.reg" \
    || die "settings did not reach $PREFIX/user.reg"

echo "$STAMP_VERSION" >"$STAMP"
awk -v a="$started" -v b="$(date +%s.%N)" -v p="$PREFIX" \
    'BEGIN { printf "wine-prefix.sh: made %s in %.1f s\n", p, b - a }' >&2
