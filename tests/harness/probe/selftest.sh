#!/usr/bin/env bash
# usage: selftest.sh [WORK_DIR]
# Checks the harness scripts against a real Wine: prefix, screen sizes,
# languages, drive types and labels, a full disk, printing to PDF, and that
# an interrupted or killed session leaves no process behind. Uses a fresh
# prefix in WORK_DIR (default: a new temporary folder, removed at the end).
# Printing and the full disk need root; without it those checks are skipped.
set -uo pipefail

H=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)
if [ $# -ge 1 ]; then
    mkdir -p "$1"
    WORK=$(cd "$1" && pwd -P)
    keep=1
else
    WORK=$(mktemp -d /tmp/harness-selftest.XXXXXX)
    keep=0
fi
PREFIX="$WORK/prefix"
passed=0 failed=0 skipped=0

now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }
ok() { passed=$((passed + 1)); echo "ok - $*"; }
bad() { failed=$((failed + 1)); echo "FAIL - $*"; }
skip() { skipped=$((skipped + 1)); echo "skip - $*"; }
session() { STILLVIEW_WINEPREFIX=$PREFIX "$H/wine-session.sh" "$@"; }

# Processes that still carry this prefix in their environment (zombies have
# none and do not count).
leftovers() {
    grep -lzsxF -e "WINEPREFIX=$PREFIX" -e "STILLVIEW_WINEPREFIX=$PREFIX" /proc/[0-9]*/environ 2>/dev/null |
        sed 's|/proc/\([0-9]*\)/environ|\1|' | grep -vx "$$" || true
}
wait_no_leftovers() {
    local deadline=$((SECONDS + $1)) pids
    while pids=$(leftovers) && [ -n "$pids" ]; do
        if [ $SECONDS -ge $deadline ]; then
            ps -o pid,stat,comm -p "$(echo $pids | tr ' ' ,)" 2>/dev/null | tail -n +2
            return 1
        fi
        sleep 0.1
    done
}
# Waits until a process named NAME runs with this prefix.
wait_for_process() {
    local name=$1 deadline=$((SECONDS + $2)) pid
    while :; do
        for pid in $(leftovers); do
            [ "$(cat "/proc/$pid/comm" 2>/dev/null)" = "$name" ] && return 0
        done
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.1
    done
}

finish() {
    [ -n "${full_mounted:-}" ] && "$H/full-disk.sh" umount "$WORK/full"
    [ $keep = 1 ] || rm -rf "$WORK"
    echo "$passed passed, $failed failed, $skipped skipped"
    # A bare "exit" in a trap would keep the status from before the trap.
    if [ $failed = 0 ]; then exit 0; else exit 1; fi
}
trap finish EXIT

# ---- probe and prefix --------------------------------------------------------

t=$(now)
if PROBE=$("$H/probe/build-probe.sh" "$WORK/bin"); then
    ok "probe built ($(since "$t") s)"
    export STILLVIEW_PROBE_EXE=$PROBE
else
    bad "probe did not build"
    exit 1
fi

t=$(now)
if "$H/wine-prefix.sh" "$PREFIX" 2>/dev/null && [ -f "$PREFIX/system.reg" ]; then
    ok "prefix made ($(since "$t") s)"
else
    bad "prefix not made"
    exit 1
fi
grep -q '"ShowCrashDialog"=dword:00000000' "$PREFIX/user.reg" &&
    grep -q '"winemenubuilder.exe"=""' "$PREFIX/user.reg" &&
    ok "prefix has no crash dialog and no menu builder" || bad "prefix settings missing from user.reg"
t=$(now)
"$H/wine-prefix.sh" "$PREFIX" && ok "prefix second call ($(since "$t") s)" || bad "prefix second call"

# ---- screen sizes ------------------------------------------------------------

t=$(now)
session -- true && ok "empty session ($(since "$t") s)" || bad "empty session"
session -- bash -c 'exit 7'
rc=$?
[ $rc = 7 ] && ok "session passes on the exit status" || bad "session exit status $rc, want 7"

for size in 1024x768 1600x1200; do
    t=$(now)
    got=$(session --screen "$size" -- "$H/wine-exe.sh" "$PROBE" screen | tr -d '\r')
    [ "$got" = "screen=$size" ] && ok "screen $size ($(since "$t") s)" || bad "screen $size: got '$got'"
done
got=$(session -- "$H/wine-exe.sh" "$PROBE" screen | tr -d '\r')
[ "$got" = "screen=1024x768" ] && ok "default screen 1024x768" || bad "default screen: got '$got'"

wait_no_leftovers 5 && ok "nothing left after the sessions" || bad "processes left after ended sessions"

# ---- languages ----------------------------------------------------------------

for pair in ja_JP.UTF-8=0x0411 zh_TW.UTF-8=0x0404 en_US.UTF-8=0x0409; do
    lang=${pair%=*} want=${pair#*=}
    got=$(LC_ALL=C session --lang "$lang" -- "$H/wine-exe.sh" "$PROBE" lang | tr -d '\r' | grep '^langid=')
    [ "$got" = "langid=$want" ] && ok "language $lang is $want" || bad "language $lang: got '$got', want $want"
done

# ---- drives ---------------------------------------------------------------------

cat >"$WORK/drives.sh" <<'EOF'
set -u
H=$1 PROBE=$2 D=$3
view() { "$H/wine-exe.sh" "$PROBE" drive "$1" | tr -d '\r' | grep -E '^(type|label)=' | tr '\n' ' '; }
"$H/wine-drive.sh" add a floppy PICS "$D/floppy" && echo "a: $(view a)"
"$H/wine-drive.sh" add e cdrom "" "$D/cd" && echo "e: $(view e)"
"$H/wine-drive.sh" add h hd DOVOZIZ "$D/hd" && echo "h: $(view h)"
"$H/wine-drive.sh" add g none "" "$D/plain" && echo "g: $(view g)"
"$H/wine-drive.sh" add h hd dovoziz "$D/hd" && echo "h2: $(view h)"
for l in a e h g; do "$H/wine-drive.sh" remove "$l" && echo "$l-: $(view "$l")"; done
EOF
t=$(now)
out=$(session -- bash "$WORK/drives.sh" "$H" "$PROBE" "$WORK/drives")
echo "$out" | sed 's/^/    /'
check_drive() {
    # Not through a pipe: grep -q leaves early, and under pipefail echo's broken pipe would fail.
    grep -qxF "$1" <<<"$out" && ok "drive $1" || bad "drive: no line '$1'"
}
check_drive "a: type=2 label=PICS "
check_drive "e: type=5 label= "
check_drive "h: type=3 label=DOVOZIZ "
check_drive "g: type=3 label= "
check_drive "h2: type=3 label=dovoziz "
for l in a e h g; do check_drive "$l-: type=1 "; done
echo "    (drive session $(since "$t") s)"
[ ! -e "$PREFIX/dosdevices/a:" ] && [ ! -e "$WORK/drives/floppy/.windows-label" ] &&
    ! grep -q '^"a:"=' "$PREFIX/system.reg" && ok "removed drive is gone from link, label and registry" ||
    bad "removed drive left something behind"

# ---- full disk --------------------------------------------------------------------

if [ "$(id -u)" = 0 ]; then
    if "$H/full-disk.sh" mount "$WORK/full" 40k && "$H/full-disk.sh" mount "$WORK/full" 40k; then
        full_mounted=1
        out=$(session -- bash -c '
            "$1/wine-drive.sh" add f hd FULL "$3" || exit 1
            "$1/wine-exe.sh" "$2" write "F:\\small.bin" 1000
            echo "small rc=$?"
            "$1/wine-exe.sh" "$2" write "F:\\big.bin" 1000000
            echo "big rc=$?"
            "$1/wine-drive.sh" remove f' _ "$H" "$PROBE" "$WORK/full" | tr -d '\r')
        grep -qx 'small rc=0' <<<"$out" && ok "small write to the 40k disk works" || bad "small write failed: $out"
        grep -qx 'write_error=112' <<<"$out" && grep -qx 'big rc=2' <<<"$out" &&
            ok "large write fails with ERROR_DISK_FULL (112)" || bad "large write: $out"
        "$H/full-disk.sh" umount "$WORK/full" && "$H/full-disk.sh" umount "$WORK/full" &&
            ! mountpoint -q "$WORK/full" && { full_mounted=; ok "full disk unmounted (twice)"; } ||
            bad "full disk unmount"
    else
        bad "full disk mount"
    fi
else
    skip "full disk (needs root)"
fi

# ---- printing ----------------------------------------------------------------------

if [ "$(id -u)" = 0 ] && command -v cupsd >/dev/null; then
    t=$(now)
    if pdfdir=$("$H/cups-start.sh" 2>/dev/null); then
        ok "CUPS ready, PDFs in $pdfdir ($(since "$t") s)"
        title="Harness selftest $$ $RANDOM"
        start=$(date +%s)
        t=$(now)
        session -- "$H/wine-exe.sh" "$PROBE" print "$title" >/dev/null &&
            ok "page printed from Wine" || bad "printing from Wine failed"
        if pdf=$("$H/cups-wait-pdf.sh" --since "$start" "$pdfdir" "$title" 60); then
            ok "PDF arrived: $(basename "$pdf") ($(since "$t") s)"
            pdfinfo "$pdf" | grep -q "^Title: *$title\$" && ok "PDF title is the document name" ||
                bad "PDF title: $(pdfinfo "$pdf" | grep ^Title)"
            if pdftoppm -png -r 20 "$pdf" "$WORK/page" && [ -s "$WORK/page-1.png" ]; then
                ok "pdftoppm renders the PDF"
            else
                bad "pdftoppm could not render $pdf"
            fi
            rm -f "$pdf"
        else
            bad "no PDF for '$title'"
        fi
    else
        bad "cups-start.sh failed"
    fi
else
    skip "printing (needs root and CUPS)"
fi

# ---- overlapping sessions -----------------------------------------------------------

log="$WORK/overlap.log"
: >"$log"
for _ in 1 2; do
    session -- bash -c 'echo "$(date +%s.%N) start"; "$1" "$2" screen >/dev/null; echo "$(date +%s.%N) end"' \
        _ "$H/wine-exe.sh" "$PROBE" >>"$log" &
done
wait
# Sorted by time, the marks of serialized sessions alternate start/end.
order=$(sort -n "$log" | awk '{print $2}' | tr '\n' ' ')
[ "$order" = "start end start end " ] && ok "parallel sessions take turns" || bad "sessions overlapped: $order"

# ---- interrupted sessions -------------------------------------------------------------

# SIGTERM, as a ctest timeout with TIMEOUT_SIGNAL_NAME or a Ctrl-C gives.
envf="$WORK/session.env"
# Started directly, so that $! is the session script itself.
STILLVIEW_WINEPREFIX=$PREFIX "$H/wine-session.sh" --screen 800x600 --keep-env-file "$envf" \
    -- /usr/lib/wine/wine64 notepad &
spid=$!
if wait_for_process notepad.exe 60; then
    # shellcheck source=/dev/null
    got=$(. "$envf" && "$H/wine-exe.sh" "$PROBE" screen | tr -d '\r')
    [ "$got" = "screen=800x600" ] && ok "env file joins the running session" || bad "env file: got '$got'"
    t=$(now)
    kill -TERM "$spid"
    wait "$spid"
    rc=$?
    [ $rc = 143 ] && ok "SIGTERM ends the session with 143 ($(since "$t") s)" || bad "SIGTERM: exit $rc"
    # The guardian may take a moment to notice the session has ended.
    wait_no_leftovers 5 && ok "nothing left after SIGTERM" || bad "processes left after SIGTERM"
else
    bad "notepad did not start"
    kill -TERM "$spid"
    wait "$spid"
fi
wait_no_leftovers 30 >/dev/null

# SIGKILL of the whole process tree, as CTest does on a timeout.
STILLVIEW_WINEPREFIX=$PREFIX "$H/wine-session.sh" -- /usr/lib/wine/wine64 notepad &
spid=$!
if wait_for_process notepad.exe 60; then
    tree() {
        echo "$1"
        local c
        for c in $(pgrep -P "$1"); do tree "$c"; done
    }
    pids=$(tree "$spid")
    kill -STOP $pids 2>/dev/null
    kill -KILL $pids 2>/dev/null
    wait "$spid" 2>/dev/null
    t=$(now)
    wait_no_leftovers 30 && ok "guardian cleans up after SIGKILL ($(since "$t") s)" ||
        bad "processes left 30 s after SIGKILL"
    t=$(now)
    got=$(session -- "$H/wine-exe.sh" "$PROBE" screen | tr -d '\r')
    [ "$got" = "screen=1024x768" ] && ok "next session runs after a killed one ($(since "$t") s)" ||
        bad "session after SIGKILL: '$got'"
else
    bad "notepad did not start"
    kill -TERM "$spid"
    wait "$spid"
fi
