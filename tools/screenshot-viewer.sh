#!/usr/bin/env bash
# usage: tools/screenshot-viewer.sh EXE PNG [X Y]
# Inside a Wine session: starts the viewer in the current folder, waits until its window is up
# and the screen has stopped changing, writes a screenshot, and closes the viewer with Escape.
# With a point X Y the pointer rests there first, and the screenshot waits for what that shows
# (the tooltip of a button or of the picture).
set -euo pipefail

EXE=$1
SHOT=$2
POINT=("${@:3}")
/usr/lib/wine/wine64 "$EXE" &
viewer=$!

# Wine names the X window's class after the executable.
timeout 60 xdotool search --sync --onlyvisible --classname stillview.exe >/dev/null \
    || { echo "screenshot-viewer.sh: no viewer window appeared" >&2; kill "$viewer"; exit 1; }

previous=$(mktemp --suffix=.png)
current=$(mktemp --suffix=.png)
trap 'rm -f "$previous" "$current"' EXIT

# Returns once two captures in a row are the same (or after 30 s); the last is in $current.
wait_until_still() {
    local deadline=$((SECONDS + 30))
    import -window root "$previous"
    while :; do
        import -window root "$current"
        if cmp -s "$previous" "$current" || [ $SECONDS -ge $deadline ]; then
            break
        fi
        mv "$current" "$previous"
    done
}

wait_until_still
if [ ${#POINT[@]} -eq 2 ]; then
    still=$(mktemp --suffix=.png)
    cp "$current" "$still"
    # The first move makes the viewer create its tips; the second one reaches them.
    xdotool mousemove "$((POINT[0] - 1))" "$((POINT[1] - 1))" mousemove "${POINT[0]}" "${POINT[1]}"
    # A tip shows after the system's hover delay.
    deadline=$((SECONDS + 10))
    until import -window root "$current" && ! cmp -s "$still" "$current"; do
        [ $SECONDS -lt $deadline ] || { echo "screenshot-viewer.sh: nothing showed at the point" >&2; break; }
    done
    rm -f "$still"
    wait_until_still
fi
cp "$current" "$SHOT"

xdotool key Escape
wait "$viewer"
