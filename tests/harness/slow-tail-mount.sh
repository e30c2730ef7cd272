#!/usr/bin/env bash
# usage: slow-tail-mount.sh mount SOURCE TAIL_BYTES LOG DIR
#        slow-tail-mount.sh umount DIR
# A slow medium at DIR (FUSE, needs root): it holds one file named as SOURCE, a copy of it
# followed by TAIL_BYTES of zeros. The copy reads at full speed; a read that reaches into the
# tail is logged to LOG and then held until its reader is interrupted or killed (two minutes at
# most). Unmounting an unmounted DIR is fine.
set -euo pipefail

HERE=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd -P)
HOLD_SECONDS=120

die() { echo "slow-tail-mount.sh: $*" >&2; exit 1; }
usage() { echo "usage: slow-tail-mount.sh mount SOURCE TAIL_BYTES LOG DIR | umount DIR" >&2; exit 64; }

is_ours() { [ "$(findmnt -n -o SOURCE --mountpoint "$1" 2>/dev/null | tail -n1)" = slow_tail_fs ]; }

[ $# -ge 2 ] || usage
case $1 in
mount)
    [ $# -eq 5 ] || usage
    source=$2 tail=$3 log=$4 dir=$5
    [ "$(id -u)" = 0 ] || die "mounting needs root"
    [ -f "$source" ] || die "no such file: $source"
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd -P)
    fs="$dir.fs"
    cc -O2 -Wall -Wextra "$HERE/slow_tail_fs.c" $(pkg-config --cflags --libs fuse3) -o "$fs" \
        || die "cannot build the file system (fuse3 and libfuse3-dev installed?)"
    : >"$log"
    # Detached from the caller's output: the caller's pipes must not wait for it.
    "$fs" "$source" "$tail" "$HOLD_SECONDS" "$log" "$dir" -o ro,fsname=slow_tail_fs \
        </dev/null >/dev/null 2>&1
    deadline=$((SECONDS + 10))
    until is_ours "$dir"; do
        [ $SECONDS -lt $deadline ] || die "mounting $dir failed"
        sleep 0.1
    done
    ;;
umount)
    [ $# -eq 2 ] || usage
    [ -d "$2" ] || exit 0
    dir=$(cd "$2" && pwd -P)
    if is_ours "$dir"; then
        # Lazily: a reader still held must not keep the test run waiting.
        fusermount3 -u -z "$dir" || umount -l "$dir"
    fi
    rm -f "$dir.fs"
    ;;
*)
    usage
    ;;
esac
