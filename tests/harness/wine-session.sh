#!/usr/bin/env bash
# usage: wine-session.sh [--screen WxH] [--lang LANG] [--dpi N] [--keep-env-file FILE] -- COMMAND ARGS...
#
# Runs COMMAND in a private Wine session: its own Xvfb display of the given
# size (default 1024x768, 24-bit), a wineserver started fresh for the prefix
# named by STILLVIEW_WINEPREFIX, and LANG (default en_US.UTF-8). Sessions on
# one prefix never overlap. Exits with COMMAND's exit status; everything the
# session started is ended afterwards, also on SIGTERM/SIGINT/SIGHUP and, via
# a detached guardian, when this script itself is killed with SIGKILL.
#
# COMMAND sees DISPLAY, WINEPREFIX, WINEDEBUG (-all unless set), LANG,
# STILLVIEW_SESSION_SCREEN, STILLVIEW_SESSION_DPI and STILLVIEW_HARNESS (this folder).
# --dpi N sets the user's screen scale (the registry value LogPixels, which
# Wine reads when a program starts) before COMMAND runs. The value stays in
# the prefix, so sessions with --dpi need a prefix of their own.
# --keep-env-file FILE writes those variables as sourceable "export" lines
# once the display is up, so another shell can join the running session;
# the file is left behind afterwards.
#
# Environment: STILLVIEW_WINEPREFIX (required), STILLVIEW_SESSION_LOCK_TIMEOUT
# (seconds to wait for a session already running, default 1800),
# STILLVIEW_SESSION_VERBOSE=1 (timings on stderr).
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd -P)
source "$HERE/wine-loader.sh"
SELF="$HERE/$(basename "${BASH_SOURCE[0]}")"

die() { echo "wine-session.sh: $*" >&2; exit 125; }
say() { [ "${STILLVIEW_SESSION_VERBOSE:-0}" = 1 ] && echo "wine-session.sh: $*" >&2 || true; }
now() { date +%s.%N; }
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { printf "%.2f", b - a }'; }

# ---- processes of one prefix ------------------------------------------------

# Wine processes (server included) that belong to $PREFIX: the server runs in
# a folder named after the prefix's device and inode, clients carry
# WINEPREFIX in their environment.
prefix_pids() {
    local prefix=$1 tag dev ino dir pid
    read -r dev ino < <(stat -c '%D %i' "$prefix" 2>/dev/null) || return 0
    tag=$(printf 'server-%s-%x' "$dev" "$ino")
    printf '%s\n' $WINE_PROCESS_DIRS | sort -u |
        while read -r dir; do
            find /proc -mindepth 2 -maxdepth 2 -name exe -lname "$dir/*" -printf '%h\n' 2>/dev/null
        done | while read -r dir; do
            pid=${dir#/proc/}
            case $(readlink "$dir/cwd" 2>/dev/null) in
                */"$tag") echo "$pid"; continue ;;
            esac
            if grep -qzxF "WINEPREFIX=$prefix" "$dir/environ" 2>/dev/null; then
                echo "$pid"
            fi
        done
}

# Ends the prefix's wineserver and every Wine process of the prefix, and
# returns once they are gone (SIGKILL for stragglers).
end_wine() {
    local prefix=$1 deadline pids killed=0
    WINEPREFIX=$prefix timeout 10 "$WINESERVER" -k >/dev/null 2>&1 || true
    deadline=$((SECONDS + 20))
    while pids=$(prefix_pids "$prefix") && [ -n "$pids" ]; do
        if [ $SECONDS -ge $((deadline - 10)) ] && [ $killed = 0 ]; then
            echo "wine-session.sh: Wine processes still alive, killing:" $pids >&2
            kill -KILL $pids 2>/dev/null || true
            killed=1
        fi
        if [ $SECONDS -ge $deadline ]; then
            echo "wine-session.sh: Wine processes would not end:" $pids >&2
            return 1
        fi
        sleep 0.05
    done
}

# Waits for a process that is not our child to go (zombies count as gone).
wait_gone() {
    local pid=$1 secs=$2 deadline state
    deadline=$((SECONDS + secs))
    while state=$(awk '{print $3}' "/proc/$pid/stat" 2>/dev/null) && [ "$state" != Z ]; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# Stops a process group (TERM, then KILL after a grace period).
stop_group() {
    local pgid=$1 deadline
    kill -TERM -- "-$pgid" 2>/dev/null || return 0
    deadline=$((SECONDS + 5))
    while kill -0 -- "-$pgid" 2>/dev/null; do
        if [ $SECONDS -ge $deadline ]; then
            kill -KILL -- "-$pgid" 2>/dev/null || true
            break
        fi
        # A group whose members are all zombies is done.
        pgrep -g "$pgid" -r R,S,D,T,t,I,W,P >/dev/null 2>&1 || break
        sleep 0.05
    done
}

# Xvfb of this session; the pid file lets a later session end one left over
# by a session killed before its guardian could act.
stop_xvfb() {
    local pid=$1 id=$2
    [ -n "$pid" ] && [ -n "$id" ] || return 0
    # The pid may have been reused: only an Xvfb carrying this session's id
    # is ours.
    grep -qzxF "STILLVIEW_SESSION_ID=$id" "/proc/$pid/environ" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null || true
    if ! wait_gone "$pid" 10; then
        kill -KILL "$pid" 2>/dev/null || true
        wait_gone "$pid" 5 || echo "wine-session.sh: Xvfb $pid would not end" >&2
    fi
}

# Shared by the normal end, the signal traps and the guardian.
teardown() {
    local prefix=$1 state=$2 xpid cpid
    cpid=$(cat "$state/command.pid" 2>/dev/null || true)
    [ -n "$cpid" ] && stop_group "$cpid"
    end_wine "$prefix" || true
    xpid=$(cat "$state/xvfb.pid" 2>/dev/null || true)
    stop_xvfb "$xpid" "$state"
    rm -f "$prefix/.session.xvfb"
}

# ---- guardian ----------------------------------------------------------------

if [ "${1:-}" = "--guardian" ]; then
    # Runs detached from the session (own session id, parent init), holding
    # the session lock. It wakes when the session lets go of the "alive" lock,
    # i.e. when the session ends in any way, and tears down if it did not.
    prefix=$2 state=$3
    trap '' INT HUP
    flock "$prefix/.session.alive" true 2>/dev/null || true
    if [ ! -e "$state/clean" ]; then
        echo "$(date '+%F %T') session $state ended without cleaning up; cleaning up" >&2
        teardown "$prefix" "$state"
    fi
    rm -rf "$state"
    exit 0
fi

# ---- options -----------------------------------------------------------------

screen=1024x768
lang=en_US.UTF-8
dpi=
env_file=
while [ $# -gt 0 ]; do
    case $1 in
        --screen) screen=${2:?--screen needs WxH}; shift 2 ;;
        --screen=*) screen=${1#*=}; shift ;;
        --lang) lang=${2:?--lang needs a locale name}; shift 2 ;;
        --lang=*) lang=${1#*=}; shift ;;
        --dpi) dpi=${2:?--dpi needs a number}; shift 2 ;;
        --dpi=*) dpi=${1#*=}; shift ;;
        --keep-env-file) env_file=${2:?--keep-env-file needs a file}; shift 2 ;;
        --keep-env-file=*) env_file=${1#*=}; shift ;;
        --) shift; break ;;
        *) die "unknown option '$1' (usage: wine-session.sh [--screen WxH] [--lang LANG] [--dpi N] [--keep-env-file FILE] -- COMMAND ARGS...)" ;;
    esac
done
[ $# -ge 1 ] || die "no command given (usage: wine-session.sh [options] -- COMMAND ARGS...)"
[[ $screen =~ ^([0-9]+)x([0-9]+)$ ]] || die "--screen must look like 1024x768, not '$screen'"
[ "${BASH_REMATCH[1]}" -ge 320 ] && [ "${BASH_REMATCH[2]}" -ge 200 ] || die "screen $screen is too small"
[ -z "$dpi" ] || [[ $dpi =~ ^[1-9][0-9]{1,2}$ ]] || die "--dpi must be a number like 144, not '$dpi'"
[ -n "${STILLVIEW_WINEPREFIX:-}" ] || die "STILLVIEW_WINEPREFIX is not set"
[ -x "$WINE" ] || die "no Wine loader at $WINE"

t0=$(now)

# ---- locale --------------------------------------------------------------------

# Wine takes the user's language from the C library's locale: a LANG that
# the system does not have silently falls back to English (0x0409).
ensure_locale() {
    local want=$1 norm name charset
    case $want in C | POSIX | C.UTF-8 | C.utf8) return 0 ;; esac
    norm=$(echo "$want" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
    locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qxF "$norm" && return 0
    [[ $want =~ ^([a-z]{2,3}_[A-Z]{2})\.([A-Za-z0-9-]+)$ ]] \
        || die "locale $want is not installed and not of the form ll_CC.CHARSET"
    name=${BASH_REMATCH[1]} charset=${BASH_REMATCH[2]}
    command -v localedef >/dev/null || die "locale $want is missing and localedef is not installed (package 'locales')"
    [ "$(id -u)" = 0 ] || die "locale $want is missing; run tools/install-deps.sh as root"
    echo "wine-session.sh: generating locale $want" >&2
    (
        flock -w 120 9 || exit 1
        locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qxF "$norm" && exit 0
        # localedef fails on mere warnings; the check below is what counts.
        localedef -i "$name" -f "$charset" "$want" || true
    ) 9>/tmp/.stillview-localedef.lock
    locale -a 2>/dev/null | tr 'A-Z' 'a-z' | grep -qxF "$norm" || die "could not generate locale $want"
}
ensure_locale "$lang"

# ---- prefix and lock -------------------------------------------------------------

"$HERE/wine-prefix.sh" "$STILLVIEW_WINEPREFIX"
PREFIX=$(cd "$STILLVIEW_WINEPREFIX" && pwd -P)

exec {lockfd}>"$PREFIX/.session.lock"
if ! flock -n "$lockfd"; then
    say "waiting for another session on $PREFIX"
    flock -w "${STILLVIEW_SESSION_LOCK_TIMEOUT:-1800}" "$lockfd" \
        || die "timed out waiting for another session on $PREFIX"
fi
exec {alivefd}>"$PREFIX/.session.alive"
flock -w 30 "$alivefd" || die "could not take $PREFIX/.session.alive"

state=$(mktemp -d "${TMPDIR:-/tmp}/wine-session.XXXXXX")
cleaned=0
cleanup() {
    [ $cleaned = 1 ] && return 0
    cleaned=1
    local t_down
    t_down=$(now)
    teardown "$PREFIX" "$state"
    touch "$state/clean"
    say "teardown took $(since "$t_down") s; session ended after $(since "$t0") s"
}
on_signal() {
    trap '' INT TERM HUP
    echo "wine-session.sh: got SIG$1, ending the session" >&2
    cleanup
    exit $((128 + $2))
}
trap 'cleanup' EXIT
trap 'on_signal INT 2' INT
trap 'on_signal TERM 15' TERM
trap 'on_signal HUP 1' HUP

# Leftovers of a session that was killed outright.
if [ -f "$PREFIX/.session.xvfb" ] && read -r old_pid old_id <"$PREFIX/.session.xvfb"; then
    stop_xvfb "$old_pid" "$old_id"
fi
t_end=$(now)
end_wine "$PREFIX" || die "could not end the Wine processes of $PREFIX"
say "old server gone in $(since "$t_end") s"

# The guardian must not hold the "alive" lock, or it would wait for itself.
(
    exec {alivefd}>&-
    # Not on our stdout/stderr: ctest waits for those pipes to close.
    setsid "$SELF" --guardian "$PREFIX" "$state" </dev/null >/dev/null \
        2>>"$PREFIX/.session-guardian.log" &
)

# ---- display -------------------------------------------------------------------

t_x=$(now)
exec {dfd}>"$state/display"
STILLVIEW_SESSION_ID=$state Xvfb -displayfd "$dfd" -screen 0 "${screen}x24" -nolisten tcp -noreset \
    {lockfd}>&- {alivefd}>&- </dev/null >"$state/xvfb.log" 2>&1 &
echo $! >"$state/xvfb.pid"
echo "$! $state" >"$PREFIX/.session.xvfb"
exec {dfd}>&-
deadline=$((SECONDS + 30))
until grep -qE '^[0-9]+$' "$state/display" 2>/dev/null; do
    kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null || die "Xvfb exited: $(cat "$state/xvfb.log")"
    [ $SECONDS -lt $deadline ] || die "Xvfb did not report a display within 30 s"
    sleep 0.02
done
say "Xvfb up in $(since "$t_x") s"

DISPLAY=":$(head -n1 "$state/display")"
export DISPLAY
export WINEPREFIX=$PREFIX
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe=d}
unset LC_ALL LANGUAGE LC_CTYPE LC_MESSAGES LC_NUMERIC LC_TIME LC_COLLATE \
    LC_MONETARY LC_PAPER LC_NAME LC_ADDRESS LC_TELEPHONE LC_MEASUREMENT \
    LC_IDENTIFICATION XAUTHORITY
export LANG=$lang
export STILLVIEW_SESSION_SCREEN=$screen
export STILLVIEW_SESSION_DPI=${dpi:-96}
export STILLVIEW_HARNESS=$HERE

if [ -n "$dpi" ]; then
    "$WINE" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null 2>&1 || die "could not set LogPixels to $dpi"
fi

if [ -n "$env_file" ]; then
    {
        for v in DISPLAY WINEPREFIX WINEDEBUG WINEDLLOVERRIDES LANG \
            STILLVIEW_WINEPREFIX STILLVIEW_SESSION_SCREEN STILLVIEW_SESSION_DPI STILLVIEW_HARNESS; do
            printf 'export %s=%q\n' "$v" "${!v}"
        done
    } >"$env_file"
fi
say "ready after $(since "$t0") s on $DISPLAY ($screen, $LANG)"

# ---- the command -----------------------------------------------------------------

# Its own process group, so a signal can end everything it started. Bash
# gives background jobs /dev/null as input unless told otherwise.
if [ -e "/proc/$$/fd/0" ]; then
    setsid "$@" <&0 {lockfd}>&- {alivefd}>&- &
else
    setsid "$@" </dev/null {lockfd}>&- {alivefd}>&- &
fi
echo $! >"$state/command.pid"
rc=0
wait "$(cat "$state/command.pid")" || rc=$?
cleanup
exit "$rc"
