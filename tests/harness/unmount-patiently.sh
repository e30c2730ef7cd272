#!/usr/bin/env bash
# usage: unmount-patiently.sh DIR
# Unmounts everything mounted at DIR, retrying for ten seconds while it is busy; then detaches
# it lazily, so that a Wine process left running cannot hold up the test run.
set -euo pipefail

dir=$1
deadline=$((SECONDS + 10))
while mountpoint -q "$dir"; do
    umount "$dir" 2>/dev/null && continue
    if [ $SECONDS -ge $deadline ]; then
        echo "unmount-patiently.sh: $dir is busy, detaching it lazily" >&2
        umount -l "$dir" || { echo "unmount-patiently.sh: could not unmount $dir" >&2; exit 1; }
        break
    fi
    sleep 0.1
done
