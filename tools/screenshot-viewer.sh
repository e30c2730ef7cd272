#!/usr/bin/env bash
# usage: tools/screenshot-viewer.sh EXE PNG [X Y]
# Inside a Wine session: starts the viewer in the current folder, waits until its window is up
# and the screen has stopped changing, writes a screenshot, and closes the viewer with Escape.
# With a point X Y the pointer rests there first, and the screenshot waits for what that shows
# (the tooltip of a button or of the picture). With STILLVIEW_KEYS (xdotool key names, such as
# ctrl+s) those keys are pressed first, and the screenshot waits for what they open.
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

# Returns once the screen differs from the capture in $current (or after 10 s).
wait_for_change() {
    local still deadline=$((SECONDS + 10))
    still=$(mktemp --suffix=.png)
    cp "$current" "$still"
    until import -window root "$current" && ! cmp -s "$still" "$current"; do
        [ $SECONDS -lt $deadline ] || { echo "screenshot-viewer.sh: nothing changed" >&2; break; }
    done
    rm -f "$still"
}

wait_until_still
if [ -n "${STILLVIEW_KEYS:-}" ]; then
    xdotool key $STILLVIEW_KEYS
    wait_for_change
    wait_until_still
fi
if [ ${#POINT[@]} -eq 2 ]; then
    # The first move makes the viewer create its tips; the second one reaches them.
    xdotool mousemove "$((POINT[0] - 1))" "$((POINT[1] - 1))" mousemove "${POINT[0]}" "${POINT[1]}"
    # A tip shows after the system's hover delay.
    wait_for_change
    wait_until_still
fi
cp "$current" "$SHOT"

# Escape closes an open dialog first, then the viewer.
deadline=$((SECONDS + 30))
while kill -0 "$viewer" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
    xdotool key Escape
    sleep 0.5
done
wait "$viewer"
