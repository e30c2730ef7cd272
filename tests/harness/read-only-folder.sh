#!/usr/bin/env bash
# usage: read-only-folder.sh mount DIR
#        read-only-folder.sh umount DIR
# Makes DIR read-only in place, like a finished CD-R or a write-protected stick: it is bound
# onto itself and remounted read-only (root ignores file modes, so only a mount keeps a
# program from writing there). Needs root. Unmounting a folder that is not mounted is fine.
set -euo pipefail

die() { echo "read-only-folder.sh: $*" >&2; exit 1; }
usage() { echo "usage: read-only-folder.sh mount DIR | umount DIR" >&2; exit 64; }

[ $# -eq 2 ] || usage
dir=$2
[ -d "$dir" ] || { [ "$1" = umount ] && exit 0; die "no folder $dir"; }
dir=$(cd "$dir" && pwd -P)
case $1 in
mount)
    [ "$(id -u)" = 0 ] || die "mounting needs root"
    mountpoint -q "$dir" && die "$dir is a mount point already"
    mount --bind "$dir" "$dir"
    mount -o remount,bind,ro "$dir" || { umount "$dir"; die "could not make $dir read-only"; }
    [ "$(findmnt -n -o OPTIONS --mountpoint "$dir" | tail -n 1 | cut -d, -f1)" = ro ] \
        || { umount "$dir"; die "$dir is still writable"; }
    ;;
umount)
    "$(dirname "${BASH_SOURCE[0]}")/unmount-patiently.sh" "$dir"
    ;;
*)
    usage
    ;;
esac
