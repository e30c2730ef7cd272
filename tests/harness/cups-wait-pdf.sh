#!/usr/bin/env bash
# usage: cups-wait-pdf.sh [--since EPOCH_SECONDS|FILE] DIR TITLE_SUBSTRING TIMEOUT_S
# Waits until DIR holds a finished PDF whose file name contains
# TITLE_SUBSTRING (cups-pdf names files after the job title, with blanks and
# some other characters turned into "_", so either form matches) and prints
# its path. Finished means: its size has stayed the same for a few polls and
# pdfinfo reads it. With --since, only files changed at or after that time
# (or after FILE) count; without it any matching file does, so give each
# print job a unique title or remove old files first.
set -euo pipefail

die() { echo "cups-wait-pdf.sh: $*" >&2; exit 1; }
usage() { echo "usage: cups-wait-pdf.sh [--since EPOCH_SECONDS|FILE] DIR TITLE_SUBSTRING TIMEOUT_S" >&2; exit 64; }

since=0
if [ "${1:-}" = --since ]; then
    [ $# -ge 2 ] || usage
    if [[ $2 =~ ^[0-9]+(\.[0-9]+)?$ ]]; then
        since=$2
    else
        [ -e "$2" ] || die "no reference file $2"
        since=$(stat -c %.9Y "$2")
    fi
    shift 2
fi
[ $# -eq 3 ] || usage
dir=$1 title=$2 timeout=$3
[ -n "$title" ] || die "empty title"
[[ $timeout =~ ^[0-9]+$ ]] || die "bad timeout '$timeout'"
command -v pdfinfo >/dev/null || die "pdfinfo is missing (package poppler-utils)"
alt=$(printf '%s' "$title" | sed 's/[^A-Za-z0-9._-]/_/g')

# Newest matching PDF at or after $since.
newest() {
    [ -d "$dir" ] || return 0
    find "$dir" -maxdepth 1 -type f -iname '*.pdf' -printf '%T@ %p\n' 2>/dev/null |
        awk -v s="$since" -v a="$title" -v b="$alt" '
            $1 >= s {
                p = substr($0, index($0, " ") + 1); n = p; sub(/.*\//, "", n)
                if ((index(n, a) || index(n, b)) && $1 >= best) { best = $1; path = p }
            }
            END { if (path != "") print path }'
}

deadline=$((SECONDS + timeout))
last="" stable=0
while :; do
    path=$(newest)
    if [ -n "$path" ]; then
        sig=$(stat -c '%s %.9Y' "$path" 2>/dev/null || true)
        if [ -n "$sig" ] && [ "$path $sig" = "$last" ] && [ "${sig%% *}" -gt 0 ]; then
            stable=$((stable + 1))
        else
            stable=0
        fi
        last="$path $sig"
        if [ $stable -ge 3 ] && pdfinfo "$path" >/dev/null 2>&1; then
            echo "$path"
            exit 0
        fi
    fi
    if [ $SECONDS -ge $deadline ]; then
        jobs=$(lpstat -o 2>/dev/null | head -n 5 || true)
        die "no finished PDF with '$title' in its name in $dir after $timeout s${jobs:+ (jobs still queued: $jobs)}"
    fi
    sleep 0.2
done
