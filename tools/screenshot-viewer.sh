#!/usr/bin/env bash
# usage: tools/screenshot-viewer.sh EXE PNG
# Inside a Wine session: starts the viewer in the current folder, waits until its window is up
# and the screen has stopped changing, writes a screenshot, and closes the viewer with Escape.
set -euo pipefail

EXE=$1
SHOT=$2
/usr/lib/wine/wine64 "$EXE" &
viewer=$!

# Wine names the X window's class after the executable.
timeout 60 xdotool search --sync --onlyvisible --classname stillview.exe >/dev/null \
    || { echo "screenshot-viewer.sh: no viewer window appeared" >&2; kill "$viewer"; exit 1; }

# Painting is done when two captures in a row are the same.
previous=$(mktemp --suffix=.png)
current=$(mktemp --suffix=.png)
deadline=$((SECONDS + 30))
import -window root "$previous"
while :; do
    import -window root "$current"
    if cmp -s "$previous" "$current" || [ $SECONDS -ge $deadline ]; then
        break
    fi
    mv "$current" "$previous"
done
mv "$current" "$SHOT"
rm -f "$previous"

xdotool key Escape
wait "$viewer"
