#!/usr/bin/env bash
# usage: full-disk.sh mount DIR SIZE    (SIZE as tmpfs takes it: 40k, 1m)
#        full-disk.sh umount DIR
# A tiny tmpfs at DIR that a test fills up to see how a program copes with a
# full disk (link it as a drive with wine-drive.sh; a label it writes takes
# one 4 KiB block). Needs root. Mounting an already mounted DIR only resizes
# it; unmounting an unmounted DIR is fine.
set -euo pipefail

die() { echo "full-disk.sh: $*" >&2; exit 1; }
usage() { echo "usage: full-disk.sh mount DIR SIZE | umount DIR" >&2; exit 64; }

is_tmpfs() { [ "$(findmnt -n -o FSTYPE --mountpoint "$1" 2>/dev/null | tail -n1)" = tmpfs ]; }

[ $# -ge 2 ] || usage
dir=$2
case $1 in
mount)
    [ $# -eq 3 ] || usage
    size=$3
    [[ $size =~ ^[0-9]+[kKmMgG%]?$ ]] || die "bad size '$size'"
    [ "$(id -u)" = 0 ] || die "mounting needs root"
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd -P)
    if is_tmpfs "$dir"; then
        mount -o "remount,size=$size" "$dir"
    else
        mountpoint -q "$dir" && die "$dir is already a mount point of another kind"
        mount -t tmpfs -o "size=$size,mode=1777" stillview-full "$dir"
    fi
    is_tmpfs "$dir" || die "mounting $dir failed"
    ;;
umount)
    [ $# -eq 2 ] || usage
    [ -d "$dir" ] || exit 0
    dir=$(cd "$dir" && pwd -P)
    is_tmpfs "$dir" || exit 0
    "$(dirname "${BASH_SOURCE[0]}")/unmount-patiently.sh" "$dir"
    ;;
*)
    usage
    ;;
esac
